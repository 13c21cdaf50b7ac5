// Another program's drag source for the tests on a real X server. A window at the given geometry
// starts, on a press, a drag of the given URIs (written as text/uri-list exactly as given) with
// the given actions, prints the action it was answered with and, asked to, deletes the files on
// hearing Move, as some file managers do. Prints "ready" once its window is painted. Over X11 the
// drag ends as the drop is sent, before the target has read the data: the program keeps running,
// serving it, until it is ended.
//
//   tarrowind_zrodlo_przeciagania x,y,w,h copy,move[,link] [--delete-on-move] URI...

#include <QApplication>
#include <QDrag>
#include <QFile>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

struct Ustawienia
{
    QRect geometria;
    Qt::DropActions akcje;
    bool usunPoPrzeniesieniu = false;
    QStringList urle;
};

QString nazwaAkcji(Qt::DropAction akcja)
{
    switch (akcja) {
    case Qt::CopyAction:
        return QStringLiteral("Copy");
    case Qt::MoveAction:
        return QStringLiteral("Move");
    case Qt::LinkAction:
        return QStringLiteral("Link");
    default:
        return QStringLiteral("Ignore");
    }
}

void drukuj(const QString &linia)
{
    std::fputs(qPrintable(linia + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

class Okno : public QWidget
{
public:
    explicit Okno(const Ustawienia &ustawienia)
        : m_ustawienia(ustawienia)
    {
        setWindowTitle(QStringLiteral("Drag source"));
        setGeometry(ustawienia.geometria);
    }

protected:
    // Painted means shown on the server: the test may now press here.
    void paintEvent(QPaintEvent *) override
    {
        if (!m_gotowe)
            drukuj(QStringLiteral("ready"));
        m_gotowe = true;
    }

    void mousePressEvent(QMouseEvent *) override
    {
        auto *dane = new QMimeData;
        dane->setData(QStringLiteral("text/uri-list"),
                      (m_ustawienia.urle.join(QStringLiteral("\r\n")) + "\r\n").toUtf8());
        auto *przeciaganie = new QDrag(this);
        przeciaganie->setMimeData(dane);
        const Qt::DropAction odpowiedz = przeciaganie->exec(m_ustawienia.akcje);
        drukuj(QStringLiteral("answered ") + nazwaAkcji(odpowiedz));
        if (odpowiedz == Qt::MoveAction && m_ustawienia.usunPoPrzeniesieniu) {
            for (const QString &url : std::as_const(m_ustawienia.urle)) {
                const QString sciezka = QUrl(url).path();
                drukuj(QStringLiteral("deleted %1: %2").arg(sciezka, QFile::remove(sciezka) ? "yes" : "no"));
            }
        }
    }

private:
    Ustawienia m_ustawienia;
    bool m_gotowe = false;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication aplikacja(argc, argv);
    QStringList argumenty = aplikacja.arguments().mid(1);
    if (argumenty.size() < 3) {
        std::fputs("usage: tarrowind_zrodlo_przeciagania x,y,w,h copy,move[,link] [--delete-on-move] URI...\n", stderr);
        return 2;
    }
    Ustawienia ustawienia;
    const QStringList liczby = argumenty.takeFirst().split(QLatin1Char(','));
    if (liczby.size() == 4)
        ustawienia.geometria = QRect(liczby[0].toInt(), liczby[1].toInt(), liczby[2].toInt(), liczby[3].toInt());
    for (const QString &akcja : argumenty.takeFirst().split(QLatin1Char(','))) {
        if (akcja == QLatin1String("copy"))
            ustawienia.akcje |= Qt::CopyAction;
        else if (akcja == QLatin1String("move"))
            ustawienia.akcje |= Qt::MoveAction;
        else if (akcja == QLatin1String("link"))
            ustawienia.akcje |= Qt::LinkAction;
    }
    if (!argumenty.isEmpty() && argumenty.first() == QLatin1String("--delete-on-move")) {
        ustawienia.usunPoPrzeniesieniu = true;
        argumenty.removeFirst();
    }
    ustawienia.urle = argumenty;

    Okno okno(ustawienia);
    okno.show();
    return aplikacja.exec();
}
