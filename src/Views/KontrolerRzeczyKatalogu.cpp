#include "KontrolerRzeczyKatalogu.h"

#include "KontrolerDrzewa.h"

#include "Model/BytKatalogu.h"
#include "Platform/Ui/LancuchResponderow.h"
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

WhitePaperOutlineView *KontrolerRzeczyKatalogu::widokZaryseli() const
{
    return m_widokZaryseli;
}

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

KontrolerRzeczyKatalogu *KontrolerRzeczyKatalogu::celDymkaNowyKatalog(const QWidget *widok)
{
    QWidget *okno = widok ? widok->window() : nullptr;
    return qobject_cast<KontrolerRzeczyKatalogu *>(LancuchResponderow::targetForAction(Akcja::wyswietlDymekNowyKatalog, okno));
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
