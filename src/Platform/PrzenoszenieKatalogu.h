#pragma once

#include "BladOperacji.h"
#include "Bookmark.h"
#include "TemporaryCopy.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class TreeCopier;

// Moves one folder into another under its own name, never replacing what is there.
// On one file system it is a rename; across file systems a worker thread copies the whole
// tree, reports progress every 0.1 s on the main thread, can be cancelled until the copy
// is complete, rolls the copy back on failure, and removes the source only after a
// complete copy, and then only what was copied. The folder that takes the final name is marked
// first, complete. Exactly one `zakonczone` ends every started move.
class PrzenoszenieKatalogu : public QObject
{
    Q_OBJECT

public:
    static constexpr int statusAnulowano = -128;
    static constexpr int interwalPostepuMs = 100;

    PrzenoszenieKatalogu(const QString &zrodlo, const QString &katalogDocelowy, QObject *rodzic = nullptr);
    ~PrzenoszenieKatalogu() override;

    // Called on the main thread with the folder that is to take the final name, once it is complete
    // and before the rename; NO fails the move before anything of the source has gone.
    using Oznaczenie = std::function<bool(const Bookmark::Identity &gotowy, BladOperacji *blad)>;
    void setOznaczenie(Oznaczenie oznaczenie) { m_oznaczenie = std::move(oznaczenie); }

    // NO when the move could not start (nothing was touched; `blad` says why).
    bool rozpocznij(BladOperacji *blad = nullptr);
    // Honoured until the copy is complete; afterwards, and after the end, it does nothing.
    void anuluj();

    bool trwa() const { return m_trwa; }
    QString cel() const { return m_cel; }
    QString zrodlo() const { return m_zrodlo; }
    // After a successful end: what was written or changed in the source while it was copied,
    // left there (outermost paths); empty when the source is gone.
    QStringList pozostawioneWZrodle() const { return m_pozostawione; }

signals:
    void postep(qint64 przeniesione, qint64 razem);
    // status 0 on success, statusAnulowano when cancelled, an errno value otherwise.
    void zakonczone(int status, const BladOperacji &blad);

private:
    void kopiujWWatku();
    // Main thread, between the copy and its placing, each on a worker thread.
    void oznaczIUmiesc();
    void umiescWWatku();
    bool oznacz(const QString &gotowy, BladOperacji *blad);
    void zglosPostep();
    void zakoncz();

    QString m_zrodlo;
    QString m_cel;
    std::unique_ptr<TemporaryCopy> m_tymczasowa;
    // Knows what was copied, so that only that of the source goes.
    std::unique_ptr<TreeCopier> m_kopiarka;
    Oznaczenie m_oznaczenie;
    // Recorded copies in the destination folder: handed to the thread, which answers the records that may go.
    QStringList m_porzucone;
    bool m_trwa = false;
    QTimer m_zegarPostepu;
    std::thread m_watek;
    std::atomic<bool> m_anuluj{false};
    std::atomic<bool> m_kopiaKompletna{false};
    std::atomic<bool> m_watekSkonczyl{false};
    std::atomic<qint64> m_przeniesione{0};
    std::atomic<qint64> m_razem{-1};
    int m_status = 0;
    BladOperacji m_blad;
    QStringList m_pozostawione;
};
