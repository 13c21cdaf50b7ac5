#include "ZrzutPlikuZInnegoProgramu.h"

#include "Support/CzasyOczekiwania.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

constexpr Qt::DropActions akcjeMenedzeraPlikow = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

} // namespace

ZrzutPlikuZInnegoProgramu::ZrzutPlikuZInnegoProgramu(const QString &plik, QAbstractItemView *widok,
                                                     const QPoint &miejsce)
    : m_plik(plik)
    , m_widok(widok)
    , m_miejsce(miejsce)
{
    m_dane.setUrls({QUrl::fromLocalFile(plik)});
}

bool ZrzutPlikuZInnegoProgramu::wejdz()
{
    QDragEnterEvent wejscie(m_miejsce, akcjeMenedzeraPlikow, &m_dane, Qt::LeftButton, {});
    QCoreApplication::sendEvent(m_widok->viewport(), &wejscie);
    if (!wejscie.isAccepted())
        return false;
    // Qt follows an entry with a move at the same place, whose answer the source hears.
    QDragMoveEvent ruch(m_miejsce, akcjeMenedzeraPlikow, &m_dane, Qt::LeftButton, {});
    ruch.setDropAction(wejscie.dropAction());
    QCoreApplication::sendEvent(m_widok->viewport(), &ruch);
    return ruch.isAccepted() && ruch.dropAction() != Qt::IgnoreAction;
}

bool ZrzutPlikuZInnegoProgramu::upusc()
{
    QDropEvent zrzut(m_miejsce, akcjeMenedzeraPlikow, &m_dane, Qt::LeftButton, {});
    QCoreApplication::sendEvent(m_widok->viewport(), &zrzut);
    return zrzut.isAccepted();
}

void ZrzutPlikuZInnegoProgramu::oczekujPliku(const QString &cel) const
{
    const QString gdzie = cel.isEmpty() ? m_plik : cel;
    EXPECT_EQ(QFileInfo::exists(gdzie), cel.isEmpty()) << "carried out at once";
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(gdzie); }, 1000)) << gdzie.toStdString();
    przeczekajCisze(50);
    EXPECT_TRUE(QFileInfo::exists(gdzie)) << gdzie.toStdString();
}
