// Another program's window for the real drags of the end-to-end tests. It takes the files
// dropped on it as a file manager copying them would, touches none of them, and writes what it
// received to its standard output, a line each: "gotowy" once shown; "wejscie" when a drag
// enters; on a drop "akcja <proposed action>", "format <type>" for each type offered,
// "url <local path>" for each URL, then "koniec".
// Arguments: the window's x, y, width and height on the screen.

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QTextStream>
#include <QWidget>

namespace {

QTextStream &wyjscie()
{
    static QTextStream strumien(stdout);
    return strumien;
}

void wypisz(const QString &linia)
{
    wyjscie() << linia << Qt::endl;
}

class Odbiorca : public QWidget
{
public:
    Odbiorca()
    {
        setWindowTitle(QStringLiteral("Odbiorca zrzutu"));
        setAcceptDrops(true);
        setAutoFillBackground(true);
        QPalette paleta = palette();
        paleta.setColor(QPalette::Window, QColor(0xd8, 0xe8, 0xff));
        setPalette(paleta);
    }

protected:
    // The first paint comes once the server shows the window, where drags can find it.
    void paintEvent(QPaintEvent *zdarzenie) override
    {
        QWidget::paintEvent(zdarzenie);
        if (!m_pokazany)
            wypisz(QStringLiteral("gotowy"));
        m_pokazany = true;
    }
    void dragEnterEvent(QDragEnterEvent *zdarzenie) override
    {
        wypisz(QStringLiteral("wejscie"));
        przyjmij(zdarzenie);
    }
    void dragMoveEvent(QDragMoveEvent *zdarzenie) override { przyjmij(zdarzenie); }
    void dropEvent(QDropEvent *zdarzenie) override
    {
        wypisz(QStringLiteral("akcja %1").arg(int(zdarzenie->proposedAction())));
        for (const QString &format : zdarzenie->mimeData()->formats())
            wypisz(QStringLiteral("format ") + format);
        for (const QUrl &url : zdarzenie->mimeData()->urls())
            wypisz(QStringLiteral("url ") + url.toLocalFile());
        przyjmij(zdarzenie);
        wypisz(QStringLiteral("koniec"));
    }

private:
    bool m_pokazany = false;

    static void przyjmij(QDropEvent *zdarzenie)
    {
        if (!zdarzenie->mimeData()->hasUrls() || !(zdarzenie->possibleActions() & Qt::CopyAction)) {
            zdarzenie->ignore();
            return;
        }
        zdarzenie->setDropAction(Qt::CopyAction);
        zdarzenie->accept();
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication aplikacja(argc, argv);
    const QStringList argumenty = aplikacja.arguments();
    if (argumenty.size() != 5)
        return 2;
    Odbiorca okno;
    okno.setGeometry(argumenty[1].toInt(), argumenty[2].toInt(), argumenty[3].toInt(), argumenty[4].toInt());
    okno.show();
    return aplikacja.exec();
}
