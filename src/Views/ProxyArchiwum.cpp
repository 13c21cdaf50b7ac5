#include "ProxyArchiwum.h"

#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/Fasolka.h"

#include "Platform/Konsola.h"

ProxyArchiwum::ProxyArchiwum(QObject *rodzic)
    : ProxyListyFasolek(rodzic)
{
}

ProxyArchiwum::~ProxyArchiwum() = default;

void ProxyArchiwum::setArchiwum(Archiwum *archiwum)
{
    m_archiwum = archiwum;
    m_obserwacjaArchiwum = std::make_unique<QObject>();
    if (archiwum) {
        // The flow archives announce the archive's marker too.
        connect(archiwum, &Archiwum::relacjaFasolkiZmieniona, m_obserwacjaArchiwum.get(), [this] { zmianaModelu(); });
    }
    zmianaWlasna(QStringLiteral("archiwum"));
}

void ProxyArchiwum::przedZmianaWlasna(const QString &sciezkaKlucza)
{
    // The phrase is the one key path it observes on itself; the archive shown is given, not observed.
    if (sciezkaKlucza != QLatin1String("frazaFiltra"))
        return;
    drukujLinie(QStringLiteral("%1"), Q_FUNC_INFO);
    drukujLinie(QStringLiteral("keyPath = %1"), sciezkaKlucza);
}

QList<QObject *> ProxyArchiwum::zbudujTablice(QString &tytul) const
{
    QList<QObject *> lista;
    qsizetype liczba = 0;
    if (m_archiwum) {
        QList<ArchiwumPotoku *> archiwa = m_archiwum->archiwaPotokow().elementy();
        posortujGrupy(archiwa);
        for (ArchiwumPotoku *archiwumPotoku : archiwa) {
            QList<Fasolka *> fasolki;
            for (Fasolka *fasolka : archiwumPotoku->fasolki()) {
                if (pasujeDoFrazy(fasolka))
                    fasolki.append(fasolka);
            }
            if (fasolki.isEmpty())
                continue;
            posortujPoNazwie(fasolki);
            lista.append(archiwumPotoku);
            lista.append(QList<QObject *>(fasolki.cbegin(), fasolki.cend()));
            liczba += fasolki.size();
        }
    }
    tytul = tytulArchiwum(maFraze(), liczba);
    return lista;
}
