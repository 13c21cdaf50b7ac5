#pragma once

#include "UchwytPliku.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class InotifyTreeWatcher;

// Change notifications for whole folder trees over inotify. A worker thread watches every
// visible folder of the trees (walking them breadth first, so a start never waits for a deep
// tree) and names the folder in which something changed. The changes gather into a batch that
// starts with its first change and is delivered on the main thread once the latency has
// passed, each folder named once. A due batch waits while ModalGate is raised.
//
// Hidden entries are not reported and hidden folders are not watched: the model's listings skip
// them, and our own temporary copies (".tarrowind-...") are hidden. A root folder deleted, moved
// away or appearing is reported with KorzenZmieniony; when events were lost every root is
// reported with MusiPrzeczytacPodkatalogi.
//
// Past the system's watch limit, folders left unwatched are looked at every interval on the
// worker; those whose entries changed are delivered a few at a time, one turn of the event loop
// after another, so that no turn re-reads many of them. PowiadomienieOLimicieObserwacji tells
// that the limit was reached.
class StrumienInotify : public QObject
{
    Q_OBJECT
public:
    enum Flaga : quint32 {
        MusiPrzeczytacPodkatalogi = 0x1,
        JadroPominelo = 0x4,
        KorzenZmieniony = 0x20,
    };

    struct Zdarzenie
    {
        quint64 identyfikator = 0; // grows with each reported change of this stream
        QString sciezka;           // the folder, on-disk spelling, no trailing separator
        quint32 flagi = 0;         // Flaga bits; 0 for an ordinary change
    };

    explicit StrumienInotify(QObject *parent = nullptr);
    // Stops the worker and closes the descriptor; batches not yet delivered are dropped.
    ~StrumienInotify() override;

    // Seconds from the first change of a batch to its delivery; used from the next start.
    double opoznienie() const { return m_opoznienie; }
    void setOpoznienie(double sekundy);

    // Seconds between two looks at the folders left unwatched; used from the next start.
    static constexpr double domyslnyOdstepSpojrzen = 10.0;
    void setOdstepSpojrzen(double sekundy);
    // Changed unwatched folders delivered in one turn of the event loop.
    static constexpr int nieobserwowanychNaTure = 4;

    // Refused (NO) when already running, with no roots, or when inotify cannot be opened.
    // Missing roots are watched for through their nearest existing parent.
    bool uruchom(const QStringList &korzenie);
    // NO when not running. Nothing of the stopped run is delivered afterwards.
    bool zatrzymaj();
    bool czyDziala() const { return m_watek.joinable(); }
    // Makes the worker read what the kernel holds and send its batch at once, without the
    // latency; waiting, the batch is also delivered before the call returns (unless the
    // gate holds it). NO when not running.
    bool wypchnijZdarzenia(bool czekaj);
    QStringList korzenie() const { return m_korzenie; }

    // Folders of the trees watched so far; any thread.
    int liczbaObserwowanychKatalogow() const { return m_liczbaObserwowanych.load(std::memory_order_relaxed); }
    // Folders of the trees left without a watch (the limit was reached), as the walk last
    // counted them; any thread.
    int liczbaNieobserwowanychKatalogow() const;
    bool czyNieobserwowany(const QString &katalog) const;

signals:
    void zdarzenia(const QList<StrumienInotify::Zdarzenie> &partia);

private:
    void petla(InotifyTreeWatcher &drzewa, int budzik, std::chrono::steady_clock::duration opoznienie,
               std::chrono::steady_clock::duration odstepSpojrzen, quint64 pokolenie, quint64 wykonaneWypchniecie);
    void przyjmijPartie(quint64 pokolenie, const QList<Zdarzenie> &partia);
    void dostarczWstrzymane();
    void przyjmijZmienioneNieobserwowane(quint64 pokolenie, const QList<Zdarzenie> &zmienione);
    void dostarczZmienioneNieobserwowane();
    void zglosLimit();

    double m_opoznienie = 1.0;
    double m_odstepSpojrzen = domyslnyOdstepSpojrzen;
    QStringList m_korzenie;
    std::thread m_watek;
    UchwytPliku m_budzik;
    quint64 m_pokolenie = 0;
    quint64 m_identyfikator = 0; // worker thread only; runs never overlap
    std::atomic<int> m_liczbaObserwowanych{0};
    std::atomic<bool> m_koniec{false};
    std::atomic<quint64> m_zadaneWypchniecie{0};
    quint64 m_wykonaneWypchniecie = 0; // guarded by m_zamekWypchniec
    std::mutex m_zamekWypchniec;
    std::condition_variable m_wypchnieto;

    QList<Zdarzenie> m_wstrzymane;
    QHash<QString, qsizetype> m_indeksWstrzymanych;
    QTimer m_sprawdzanieBramki;

    mutable std::mutex m_zamekNieobserwowanych;
    QSet<QString> m_nieobserwowane; // guarded by m_zamekNieobserwowanych
    QList<Zdarzenie> m_zmienioneNieobserwowane;
    QSet<QString> m_sciezkiZmienionychNieobserwowanych;
    QTimer m_dostarczanieNieobserwowanych;
};
