#pragma once

#include "Platform/Ui/ViewController.h"

#include <QPointer>

class BytKatalogu;
class KontrolerDrzewa;
class WhitePaperOutlineView;

// The outline of a folder's contents. For now it is an empty paper outline: it keeps the folder
// it is given but lists nothing, and its tree holds no nodes until something selects them.
class KontrolerRzeczyKatalogu : public ViewController
{
    Q_OBJECT

public:
    explicit KontrolerRzeczyKatalogu(QObject *rodzic = nullptr);
    ~KontrolerRzeczyKatalogu() override;

    WhitePaperOutlineView *widokZaryseli() const;
    // Once, after the owner set the outline's header, before the folder is set.
    void ustawWidok();

    BytKatalogu *katalog() const;
    void setKatalog(BytKatalogu *katalog);

    KontrolerDrzewa *kontrolerDrzewa() const { return m_kontrolerDrzewa; }

    // Where the new-folder command would go along the responder chain of the window holding
    // `widok`, when that is a folder outline.
    static KontrolerRzeczyKatalogu *celDymkaNowyKatalog(const QWidget *widok);
    // The new-folder popover; it opens nothing yet.
    void wyswietlDymekNowyKatalog(QObject *nadawca);

protected:
    void loadView() override;

private:
    QPointer<WhitePaperOutlineView> m_widokZaryseli;
    QPointer<BytKatalogu> m_katalog;
    KontrolerDrzewa *m_kontrolerDrzewa;
};
