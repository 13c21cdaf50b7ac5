#pragma once

#include <QPointer>
#include <QWidget>

class PreviewPanelDataSource;
class QLabel;
class QToolButton;
class WidokPodgladuPliku;

// The one preview panel: a tool window that shows the previews of the items of the focused
// list. It never takes the focus from the window whose items it shows. Its items come from the
// first responder along the chain from the main window's focus widget that is a
// PreviewPanelDataSource and accepts; one item at a time, with steps through several.
// Main thread only.
class PanelSzybkiegoPrzegladu : public QWidget
{
    Q_OBJECT

public:
    // The panel; the first call makes it, hidden.
    static PanelSzybkiegoPrzegladu *wspolny();
    // Whether the panel has been made; never makes it.
    static bool istnieje();
    // Whether the panel exists and shows; never makes it.
    static bool widoczny();

    // What the show, hide and toggle commands do: show when hidden or missing, hide only a
    // panel that exists and shows, toggle making it when missing.
    static void pokazWspolny();
    static void ukryjWspolny();
    static void przelaczWspolny();

    // Shown in front, the active window staying active.
    void pokaz();
    void ukryj();

    // Finds the data source again and shows its items afresh; sources call it when their
    // selection changes.
    void reloadData();

    PreviewPanelDataSource *zrodloDanych() const;
    int biezacyIndeks() const { return m_biezacyIndeks; }
    int liczbaElementow() const { return m_liczbaElementow; }
    void poprzedniElement();
    void nastepnyElement();
    WidokPodgladuPliku *widokPodgladu() const { return m_podglad; }

private:
    PanelSzybkiegoPrzegladu();
    void znajdzZrodloDanych();
    void pokazBiezacyElement();

    QPointer<QObject> m_zrodloObiekt; // the responder that is the data source, watched for its end
    PreviewPanelDataSource *m_zrodlo = nullptr;
    int m_biezacyIndeks = 0;
    int m_liczbaElementow = 0;
    QLabel *m_tytul;
    WidokPodgladuPliku *m_podglad;
    QToolButton *m_poprzedni;
    QLabel *m_pozycja;
    QToolButton *m_nastepny;
    QWidget *m_krokowanie;
};
