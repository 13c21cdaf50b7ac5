// A paper list of 10,000 rows over its array controller, reset with 100 selected objects kept,
// until laid out and painted, against the floor of a bare QStandardItemModel reset of the same
// rows in a plain QTreeView of the same size. The two run in interleaved rounds, so a machine
// busy with other work slows both alike. Prints a table; it passes or fails nothing.
//
//   TabelaPapierowaBench [rows] [rounds]     (default 10000 15)

#include "Widgets/KontrolerTablicy.h"
#include "Widgets/WhitePaperTableView.h"

#include "Support/Pomiary.h"

#include <QApplication>
#include <QStandardItemModel>
#include <QTreeView>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace Pomiary;

namespace {

void narysuj(QTreeView &widok)
{
    QCoreApplication::processEvents();
    widok.viewport()->repaint();
}

} // namespace

int main(int argc, char **argv)
{
    const int wiersze = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int rundy = argc > 2 ? std::atoi(argv[2]) : 15;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication aplikacja(argc, argv);

    std::vector<std::unique_ptr<QObject>> obiekty;
    QStringList nazwy;
    for (int i = 0; i < wiersze; ++i) {
        nazwy.append(QStringLiteral("Fasolka %1").arg(i, 5, 10, QLatin1Char('0')));
        obiekty.push_back(std::make_unique<QObject>());
        obiekty.back()->setObjectName(nazwy.last());
    }

    KontrolerTablicy kontroler;
    kontroler.ustawDaneKomorki([](QObject *obiekt, int, int rola) {
        return rola == Qt::DisplayRole ? QVariant(obiekt->objectName()) : QVariant();
    });
    WhitePaperTableView tabela;
    tabela.setGridStyleMask(WidokPapierowy::SolidHorizontalGridLineMask);
    tabela.setKontrolerTablicy(&kontroler);
    tabela.resize(800, 600);
    tabela.show();

    QStandardItemModel model;
    QTreeView drzewo;
    drzewo.setModel(&model);
    drzewo.resize(800, 600);
    drzewo.show();

    const auto kolejnosc = [&](int przesuniecie) {
        QList<QObject *> tresc;
        for (int i = 0; i < wiersze; ++i)
            tresc.append(obiekty[(i + przesuniecie) % wiersze].get());
        return tresc;
    };
    kontroler.ustawTresc(kolejnosc(0));
    std::vector<double> papier, podloga, stosunki;
    for (int runda = 1; runda <= rundy; ++runda) {
        // Each round a new order, with 100 objects spread over the list selected before it.
        const QList<QObject *> tresc = kolejnosc(runda);
        QList<QObject *> zaznaczone;
        for (int i = 0; i < 100; ++i)
            zaznaczone.append(kontroler.arrangedObjects()[i * wiersze / 100]);
        kontroler.setSelectedObjects(zaznaczone);
        const double naszCzas = czas([&] {
            kontroler.ustawTresc(tresc);
            narysuj(tabela);
        });
        if (kontroler.selectedObjects().size() != zaznaczone.size())
            std::abort();

        const double czasPodlogi = czas([&] {
            QList<QStandardItem *> elementy;
            elementy.reserve(wiersze);
            for (int i = 0; i < wiersze; ++i)
                elementy.append(new QStandardItem(nazwy[(i + runda) % wiersze]));
            model.clear();
            model.appendColumn(elementy);
            narysuj(drzewo);
        });
        papier.push_back(naszCzas);
        podloga.push_back(czasPodlogi);
        stosunki.push_back(naszCzas / czasPodlogi);
    }
    std::printf("%-44s %10s %10s %8s\n", "reset until painted", "floor ms", "paper ms", "ratio");
    std::printf("%-44s %10.2f %10.2f %8.2f\n",
                qPrintable(QStringLiteral("%1 rows, 100 selected kept, %2 rounds").arg(wiersze).arg(rundy)),
                mediana(podloga), mediana(papier), mediana(stosunki));
    return 0;
}
