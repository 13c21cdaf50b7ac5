// Validating a drag onto a flow, as every drag-move over a list does it: the dragged URLs read
// from the mime data, the reduction of items lying inside other dragged folders, and the refusal
// rules with a model lookup per file. Measured against the floor of reading the same URLs from
// the mime data alone, in the same run. Prints a table; it passes or fails nothing.
//
//   PrzeciaganieBench [files] [runs]     (default 5000 9)

#include "Actions/KontrolerPrzeciagnieciaIZrzutu.h"
#include "Model/BazaFasolek.h"
#include "Model/Potok.h"
#include "Platform/Ui/InformacjaOPrzeciaganiu.h"

#include "Support/Pomiary.h"
#include "Support/StanowiskoPomiarowe.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>

#include <cstdio>
#include <cstdlib>

using namespace Pomiary;

namespace {

// The mime data as another program hands it over: the bytes of a "text/uri-list".
void ustawListeUrli(QMimeData &dane, const QStringList &sciezki)
{
    QByteArray lista;
    for (const QString &sciezka : sciezki)
        lista += QUrl::fromLocalFile(sciezka).toEncoded() + "\r\n";
    dane.setData(QStringLiteral("text/uri-list"), lista);
}

template <class Czynnosc>
double medianaCzasu(int przebiegi, Czynnosc czynnosc)
{
    std::vector<double> czasy;
    for (int i = 0; i < przebiegi; ++i) {
        const auto start = Zegar::now();
        czynnosc();
        czasy.push_back(milisekundy(Zegar::now() - start));
    }
    return mediana(czasy);
}

} // namespace

int main(int argc, char **argv)
{
    const int pliki = argc > 1 ? std::atoi(argv[1]) : 5000;
    const int przebiegi = argc > 2 ? std::atoi(argv[2]) : 9;
    StanowiskoPomiarowe stanowisko(argc, argv, "/tmp/tarrowind-bench-przeciaganie-XXXXXX");
    stanowisko.zbudujPortfolio(20, 100);
    Potok *odbiorca = BazaFasolek::sharedBazaFasolek()->potokiTematyczne().value(0);

    const QString katalog = QDir::home().filePath(QStringLiteral("Przeciagane"));
    QDir().mkpath(katalog);
    QStringList sciezki;
    for (int i = 0; i < pliki; ++i) {
        sciezki.append(katalog + QStringLiteral("/plik-%1.txt").arg(i));
        QFile(sciezki.last()).open(QIODevice::WriteOnly);
    }

    std::printf("%-40s %12s %12s %8s\n", "drag of", "floor ms", "validate ms", "ratio");
    const auto wiersz = [&](const char *opis, const QStringList &przeciagane) {
        QMimeData dane;
        ustawListeUrli(dane, przeciagane);
        const double podloga = medianaCzasu(przebiegi, [&] {
            if (dane.urls().size() != przeciagane.size())
                std::abort();
        });
        Qt::DropAction operacja = Qt::IgnoreAction;
        const double walidacja = medianaCzasu(przebiegi, [&] {
            const QDragMoveEvent ruch(QPoint(), Qt::CopyAction | Qt::MoveAction, &dane, Qt::LeftButton, Qt::NoModifier);
            operacja = KontrolerPrzeciagnieciaIZrzutu::selectDragOperationMaskWithDraggingInfoForDropReceiverInView(
                InformacjaOPrzeciaganiu::zZdarzenia(ruch), odbiorca, nullptr);
        });
        if (operacja != Qt::MoveAction)
            std::abort();
        std::printf("%-40s %12.2f %12.2f %8.1f\n", opis, podloga, walidacja, walidacja / podloga);
    };
    wiersz(qPrintable(QStringLiteral("%1 files").arg(pliki)), sciezki);
    wiersz(qPrintable(QStringLiteral("their folder and the %1 files in it").arg(pliki)),
           QStringList{katalog} + sciezki);
    return 0;
}
