#include "KontrolerRzeczyKatalogu.h"

#include "KontrolerDrzewa.h"

#include "Model/BytKatalogu.h"
#include "Widgets/WhitePaperOutlineView.h"

#include <QCoreApplication>
#include <QStandardItemModel>

KontrolerRzeczyKatalogu::KontrolerRzeczyKatalogu(QObject *rodzic)
    : ViewController(rodzic)
    , m_kontrolerDrzewa(new KontrolerDrzewa(this))
{
    addHandler(Akcja::wyswietlDymekNowyKatalog, [this](QObject *nadawca) { wyswietlDymekNowyKatalog(nadawca); });
}

KontrolerRzeczyKatalogu::~KontrolerRzeczyKatalogu() = default;

void KontrolerRzeczyKatalogu::ustawWidok()
{
    view();
    m_widokZaryseli->layoutSubviews();
}

BytKatalogu *KontrolerRzeczyKatalogu::katalog() const
{
    return m_katalog;
}

void KontrolerRzeczyKatalogu::setKatalog(BytKatalogu *katalog)
{
    m_katalog = katalog;
}

void KontrolerRzeczyKatalogu::wyswietlDymekNowyKatalog(QObject *)
{
}

void KontrolerRzeczyKatalogu::loadView()
{
    auto *zarys = new WhitePaperOutlineView;
    zarys->setObjectName(QStringLiteral("widokZaryseli"));
    auto *model = new QStandardItemModel(0, 1, zarys);
    model->setHorizontalHeaderLabels({QCoreApplication::translate("KontrolerRzeczyKatalogu", "Name")});
    zarys->setModel(model);
    m_widokZaryseli = zarys;
    setView(zarys);
}
