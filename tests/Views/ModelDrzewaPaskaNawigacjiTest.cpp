#include "Views/ModelDrzewaPaskaNawigacji.h"

#include <QObject>

#include <gtest/gtest.h>

namespace {

QList<QObject *> gorneWiersze(const ModelDrzewaPaskaNawigacji &model)
{
    QList<QObject *> wiersze;
    for (int wiersz = 0; wiersz < model.rowCount(); ++wiersz)
        wiersze.append(model.element(model.index(wiersz, 0)));
    return wiersze;
}

// A view answering a row signal may set the tree again; that setting must not act on nodes being walked.
TEST(ModelDrzewaPaskaNawigacji, ATreeSetWhileItsRowsAreInsertedEndsAsTheLastSetting)
{
    QObject a;
    QObject b;
    ModelDrzewaPaskaNawigacji model;
    bool ustawionoPonownie = false;
    QObject::connect(&model, &QAbstractItemModel::rowsInserted, &model, [&] {
        if (!std::exchange(ustawionoPonownie, true))
            model.ustawDrzewo({&b});
    });

    model.ustawDrzewo({&a, &b});

    EXPECT_EQ(gorneWiersze(model), QList<QObject *>{&b});
}

} // namespace
