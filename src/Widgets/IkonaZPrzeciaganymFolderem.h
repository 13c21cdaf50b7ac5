#pragma once

#include "Platform/Ui/Akcja.h"

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <optional>

class DelegatZrzutuNaIkoneZPrzeciaganymFolderem;
class QDrag;
class Responder;

// The image of one file or folder on disk. Dragging it out offers the item itself to other
// programs; files dropped on it go to its delegate; a plain click sends its command. It darkens
// while pressed and while dragged, and shows a green plate while a drop on it would be taken.
class IkonaZPrzeciaganymFolderem : public QWidget
{
    Q_OBJECT

public:
    enum StanWyswietlania { Normalny = 0, Wcisniety = 1, Przeciagany = 2, CelZrzutu = 3 };

    explicit IkonaZPrzeciaganymFolderem(QWidget *rodzic = nullptr);
    ~IkonaZPrzeciaganymFolderem() override;

    QImage obraz() const { return m_obraz; }
    void setObraz(const QImage &obraz);
    // Empty: there is nothing to drag.
    QString plikowyURL() const { return m_plikowyURL; }
    void setPlikowyURL(const QString &url) { m_plikowyURL = url; }
    // Not owned.
    DelegatZrzutuNaIkoneZPrzeciaganymFolderem *delegate() const { return m_delegate; }
    void setDelegate(DelegatZrzutuNaIkoneZPrzeciaganymFolderem *delegat) { m_delegate = delegat; }
    // The click's command goes only to a target that carries it out.
    void setTarget(Responder *cel);
    void setAction(Akcja akcja) { m_akcja = akcja; }

    int stanWyswietlania() const { return m_stanWyswietlania; }
    // Redraws at once, and only on a change.
    void ustawStanWyswietlania(int stan);
    void wywolajPolecenie();

    // The drag of the icon's item, not yet started: the one path, a 48 × 48 image whose pointer
    // lies 10 points in from its lower left corner. nullptr without a path.
    QDrag *nowePrzeciaganie();

    static constexpr int bokObrazuPrzeciagania = 48;
    static constexpr QPoint punktUchwytuPrzeciagania{10, 38};

protected:
    void rozpocznijPrzeciaganie();
    // Runs the drag to its end.
    virtual void wykonajPrzeciaganie(QDrag *przeciaganie);

    void mousePressEvent(QMouseEvent *zdarzenie) override;
    void mouseMoveEvent(QMouseEvent *zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent *zdarzenie) override;
    void paintEvent(QPaintEvent *zdarzenie) override;
    void dragEnterEvent(QDragEnterEvent *zdarzenie) override;
    void dragMoveEvent(QDragMoveEvent *zdarzenie) override;
    void dragLeaveEvent(QDragLeaveEvent *zdarzenie) override;
    void dropEvent(QDropEvent *zdarzenie) override;

private:
    Qt::DropAction operacjaDelegata(const QDropEvent &zdarzenie);

    int m_stanWyswietlania = Normalny;
    bool m_czyByloPrzeciaganie = false;
    bool m_czyTrwaPrzeciaganie = false;
    QPoint m_punktWcisniecia;
    QImage m_obraz;
    QString m_plikowyURL;
    DelegatZrzutuNaIkoneZPrzeciaganymFolderem *m_delegate = nullptr;
    QPointer<Responder> m_cel;
    std::optional<Akcja> m_akcja;
};
