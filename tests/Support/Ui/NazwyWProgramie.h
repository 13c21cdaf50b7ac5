#pragma once

#include "Support/Ui/UruchomionyProgram.h"

#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Platform/Paths.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Widgets/KontrolerTablicy.h"

#include <QFile>

#include <cstring>

#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

// The program started on a portfolio that holds, as another program may leave them, names in both
// Unicode spellings ("Café.txt" twice in the main flow, two flows "Flöw") and two names in
// "Potok 0001" that a QString cannot carry.
class NazwyWProgramie : public UruchomionyProgram
{
protected:
    void przedUruchomieniem() override
    {
        plik(QString::fromUtf8("All Beans/_Main_Flow/Caf\u00e9.txt"), "nfc");
        plik(QString::fromUtf8("All Beans/_Main_Flow/Cafe\u0301.txt"), "nfd");
        plik(QString::fromUtf8("All Beans/Fl\u00f6w/a.txt"), "a");
        plik(QString::fromUtf8("All Beans/Flo\u0308w/b.txt"), "b");
        const QByteArray potok = QFile::encodeName(R(QStringLiteral("All Beans/Potok 0001")));
        const int plikZly = ::open(QByteArray(potok + "/z\xff.txt").constData(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(plikZly, 0);
        ::close(plikZly);
        ASSERT_EQ(::mkdir(QByteArray(potok + "/d\xfe").constData(), 0755), 0);
    }

    // Qt cannot name what it cannot decode, so the temporary folder could not remove them.
    void TearDown() override
    {
        UruchomionyProgram::TearDown();
        nftw(
            QFile::encodeName(m_baza.sciezka()).constData(),
            [](const char *sciezka, const struct stat *, int rodzaj, FTW *) {
                if (Paths::isEncodable(QByteArray(std::strrchr(sciezka, '/') + 1)))
                    return 0;
                return rodzaj == FTW_DP ? rmdir(sciezka) : unlink(sciezka);
            },
            16, FTW_DEPTH | FTW_PHYS);
    }

    WidokTabeliFasolkiPotoku *lista() const { return pierwszyWidoczny<WidokTabeliFasolkiPotoku>(); }
    QStringList sciezkiListy() const
    {
        QStringList sciezki;
        for (int wiersz = 0; wiersz < lista()->kontrolerTablicy()->rowCount(); ++wiersz) {
            auto *fasolka = qobject_cast<Fasolka *>(lista()->kontrolerTablicy()->obiektWWierszu(wiersz));
            if (fasolka && fasolka->bytFasolki())
                sciezki << fasolka->bytFasolki()->plikowyURL();
        }
        return sciezki;
    }
    // The rows a view draws, at any depth.
    static QList<QModelIndex> wierszeWidoczne(QAbstractItemView *widok, const QModelIndex &rodzic = {})
    {
        QList<QModelIndex> wiersze;
        for (int wiersz = 0; wiersz < widok->model()->rowCount(rodzic); ++wiersz) {
            const QModelIndex indeks = widok->model()->index(wiersz, 0, rodzic);
            if (!widok->visualRect(indeks).isEmpty())
                wiersze << indeks;
            wiersze += wierszeWidoczne(widok, indeks);
        }
        return wiersze;
    }
};
