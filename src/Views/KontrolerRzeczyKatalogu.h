#pragma once

#include "Model/BytKatalogu.h"
#include "Platform/Ui/DelegatMenu.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PreviewPanelDataSource.h"
#include "Platform/Ui/ViewController.h"

#include <QPointer>

#include <memory>

class KontrolerDrzewa;
class KontrolerDymkaNowaRzecz;
class QAbstractButton;
class QModelIndex;
class WezelDrzewa;
class WhitePaperOutlineView;
class WidokKomorkiRzeczy;
class WidokZaryseliRzeczyKatalogu;
struct InformacjaOPrzeciaganiu;

// The contents of one folder as an outline that follows the disk: a change of the folder's
// path re-reads it and its open sub-folders, and every change pulse of the folder redraws the
// outline half a second later, keeping a single selected entity selected. Its commands act on
// the single selected entity.
class KontrolerRzeczyKatalogu : public ViewController, public PreviewPanelDataSource, public DelegatMenu
{
    Q_OBJECT

public:
    explicit KontrolerRzeczyKatalogu(QObject *rodzic = nullptr);
    ~KontrolerRzeczyKatalogu() override;

    WidokZaryseliRzeczyKatalogu *widokZaryseli() const;
    KontrolerDrzewa *kontrolerDrzewa() const { return m_kontrolerDrzewa; }
    // Once, after the owner set the outline's header, before the folder is set.
    void ustawWidok();
    void wlaczRysowanieLiniiNadNaglowkiem();

    BytKatalogu *katalog() const;
    void setKatalog(BytKatalogu *katalog);
    // Re-reads the shown folder (for null) and every expanded folder below, parents first.
    void synchronizeContentOfExpandedItem(WezelDrzewa *wezel);

    // The bar whose buttons follow the selection; none by default.
    void setWidokDolnegoPaskaIkon(QWidget *pasek) { m_widokDolnegoPaskaIkon = pasek; }
    void walidujPrzyciskiAkcji();
    bool validateUserInterfaceItem(const ElementInterfejsu &element) override;
    void menuNeedsUpdate(Menu *menu) override;
    Menu *menuPodreczneRzeczy() const { return m_menuPodreczneRzeczy; }
    Menu *menuOtworzWProgramie() const { return m_menuOtworzWProgramie; }
    KontrolerDymkaNowaRzecz *kontrolerDymkaNowaRzecz() const { return m_kontrolerDymkaNowaRzecz.get(); }

    // Where the new-folder command would go along the responder chain of the window holding
    // `widok`, when that is a folder outline.
    static KontrolerRzeczyKatalogu *celDymkaNowyKatalog(const QWidget *widok);
    void wyswietlDymekNowyKatalog(QObject *nadawca);
    void dokonczAkcjeWyswietlDymekNowyKatalog(const QString &nazwa);
    // The selected folder, the folder holding a selected file, else the shown folder; `wezel`
    // receives the selected folder's node or the node holding the selected file.
    BytKatalogu *bytKataloguDlaZaznaczonejRzeczyIItemBiezacegoKatalogu(WezelDrzewa **wezel = nullptr) const;
    void moveToTrash();
    void akcjaDlaDwukliku(const QList<BytSystemuPlikow *> &byty);
    void controlTextDidEndEditing(const QModelIndex &indeks, const QString &nazwa);

    int numberOfPreviewItemsInPreviewPanel(PanelSzybkiegoPrzegladu *panel) override;
    PreviewItem *previewPanelPreviewItemAtIndex(PanelSzybkiegoPrzegladu *panel, int indeks) override;

protected:
    void loadView() override;
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

private:
    void dodajPolecenia();
    void zbudujMenu();
    void wyzwalaczSciezki();
    void przeladuj();
    void outlineViewSelectionDidChange();
    BytSystemuPlikow *pojedynczeZaznaczenie() const;
    void otworzBytElementuWProgramie(QObject *nadawca);
    // The node a drop at `miejsce` goes onto; null for the shown folder.
    WezelDrzewa *wezelZrzutu(const QPoint &miejsce) const;
    bool przeciaganie(QEvent *zdarzenie);
    void zaznaczZrzucone(const QList<BytSystemuPlikow *> &nowe);

    QPointer<WidokZaryseliRzeczyKatalogu> m_widokZaryseli;
    // The outline's viewport, kept as a widget: asking the outline for it fails while it is torn down.
    QPointer<QWidget> m_obszarZaryseli;
    QPointer<BytKatalogu> m_katalog;
    KontrolerDrzewa *m_kontrolerDrzewa;
    WidokKomorkiRzeczy *m_komorka = nullptr;
    QPointer<Menu> m_menuPodreczneRzeczy;
    QPointer<Menu> m_menuOtworzWProgramie;
    QPointer<QWidget> m_widokDolnegoPaskaIkon;
    std::unique_ptr<KontrolerDymkaNowaRzecz> m_kontrolerDymkaNowaRzecz;
    std::unique_ptr<QObject> m_obserwacjaKatalogu;
};
