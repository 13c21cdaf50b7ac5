#include "PrzenoszenieKatalogu.h"

#include "FileOperations.h"
#include "ModalGate.h"
#include "Paths.h"
#include "TemporaryCopy.h"
#include "TreeCopier.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace {

bool naTymSamymUrzadzeniu(const QString &a, const QString &b)
{
    struct stat sa, sb;
    return lstat(QFile::encodeName(a).constData(), &sa) == 0 && stat(QFile::encodeName(b).constData(), &sb) == 0
           && sa.st_dev == sb.st_dev;
}

} // namespace

PrzenoszenieKatalogu::PrzenoszenieKatalogu(const QString &zrodlo, const QString &katalogDocelowy, QObject *rodzic)
    : QObject(rodzic)
    , m_zrodlo(Paths::clean(zrodlo))
    , m_cel(Paths::join(Paths::clean(katalogDocelowy), Paths::lastComponent(zrodlo)))
{
    m_zegarPostepu.setInterval(interwalPostepuMs);
    connect(&m_zegarPostepu, &QTimer::timeout, this, &PrzenoszenieKatalogu::zglosPostep);
}

PrzenoszenieKatalogu::~PrzenoszenieKatalogu()
{
    if (m_watek.joinable()) {
        m_anuluj = true;
        m_watek.join();
    }
}

bool PrzenoszenieKatalogu::rozpocznij(BladOperacji *blad)
{
    if (m_trwa) {
        BladOperacji::zErrno(blad, EBUSY, QStringLiteral("Could not move the folder."), m_zrodlo);
        return false;
    }
    if (!FileOperations::isFolderNoFollow(m_zrodlo)) {
        BladOperacji::zErrno(blad, ENOENT, QStringLiteral("Could not move the folder."), m_zrodlo);
        return false;
    }
    if (Paths::contains(m_zrodlo, m_cel) && !Paths::equal(m_zrodlo, m_cel)) {
        BladOperacji::ustaw(
            blad, QString::fromLatin1(BladOperacji::domenaPosix), EINVAL, QStringLiteral("Could not move the folder."),
            QStringLiteral("\u201C%1\u201D can\u2019t be moved into itself.").arg(Paths::lastComponent(m_zrodlo)));
        return false;
    }
    if (FileOperations::exists(m_cel)) {
        BladOperacji::zErrno(blad, EEXIST, QStringLiteral("Could not move the folder."), m_zrodlo,
                             Paths::parent(m_cel));
        return false;
    }
    if (!FileOperations::isFolder(Paths::parent(m_cel))) {
        BladOperacji::zErrno(blad, ENOENT, QStringLiteral("Could not move the folder."), Paths::parent(m_cel));
        return false;
    }
    // A rename puts the source itself in place.
    const bool tenSamSystem = naTymSamymUrzadzeniu(m_zrodlo, Paths::parent(m_cel));
    if (tenSamSystem && !oznacz(m_zrodlo, blad))
        return false;
    m_trwa = true;
    m_anuluj = false;
    m_kopiaKompletna = false;
    m_watekSkonczyl = false;
    m_status = 0;
    m_blad = {};
    m_pozostawione.clear();

    int numerBledu = 0;
    const bool przemianowany = tenSamSystem && FileOperations::renameNoReplace(m_zrodlo, m_cel, &numerBledu);
    // Two bind mounts of one file system refuse a rename between them: that move is copied on the
    // worker thread below, like one across devices, never on this thread.
    if (przemianowany || (numerBledu != 0 && numerBledu != EXDEV)) {
        // A rename is instant; its one report still arrives through the event loop.
        m_kopiaKompletna = true;
        if (!przemianowany) {
            BladOperacji::zErrno(&m_blad, numerBledu, QStringLiteral("Could not move the folder."), m_zrodlo,
                                 Paths::parent(m_cel));
            m_status = numerBledu;
        }
        m_watekSkonczyl = true;
        m_zegarPostepu.start();
        return true;
    }
    // Copies a killed move left in this folder go first, on the worker thread; the records stay
    // with this thread.
    m_porzucone = TemporaryCopy::recordedIn(Paths::parent(m_cel));
    m_tymczasowa = std::make_unique<TemporaryCopy>(m_cel);
    m_kopiarka = std::make_unique<TreeCopier>(
        &m_anuluj, [this](const TreeCopier::Size &skopiowano) { m_przeniesione = qint64(skopiowano.items); });
    m_watek = std::thread([this] { kopiujWWatku(); });
    m_zegarPostepu.start();
    return true;
}

void PrzenoszenieKatalogu::anuluj()
{
    if (m_trwa && !m_kopiaKompletna)
        m_anuluj = true;
}

void PrzenoszenieKatalogu::kopiujWWatku()
{
    m_porzucone = TemporaryCopy::removeAbandoned(m_porzucone);
    m_razem = qint64(TreeCopier::measure(m_zrodlo).items);
    if (!m_tymczasowa->make(&m_blad) || !m_kopiarka->copy(m_zrodlo, m_tymczasowa->copyPath(), &m_blad, m_cel)) {
        m_status = m_kopiarka->cancelled() ? statusAnulowano : (m_blad.kod ? m_blad.kod : EIO);
        // A copy cut short by its folder moved away is still there: it goes here, not on the main thread.
        m_tymczasowa->remove();
        m_watekSkonczyl = true;
        return;
    }
    m_kopiaKompletna = true;
    QMetaObject::invokeMethod(this, &PrzenoszenieKatalogu::oznaczIUmiesc, Qt::QueuedConnection);
}

void PrzenoszenieKatalogu::oznaczIUmiesc()
{
    m_watek.join();
    // A copy that could not be marked goes with its hidden folder, a whole tree, on a worker thread;
    // the source is whole.
    if (!oznacz(m_tymczasowa->copyPath(), &m_blad)) {
        m_status = m_blad.kod ? m_blad.kod : EIO;
        m_watek = std::thread([this] {
            m_tymczasowa->remove();
            m_watekSkonczyl = true;
        });
        return;
    }
    m_watek = std::thread([this] { umiescWWatku(); });
}

void PrzenoszenieKatalogu::umiescWWatku()
{
    int numerBledu = 0;
    if (!m_tymczasowa->placeCopy(&numerBledu)) {
        m_status = numerBledu ? numerBledu : EIO;
        // Named after the folder being moved: its hidden copy means nothing to the user.
        BladOperacji::zErrno(&m_blad, m_status, QStringLiteral("Could not move the folder."), m_zrodlo,
                             Paths::parent(m_cel));
        m_watekSkonczyl = true;
        return;
    }
    // Only a complete copy in place lets the source go, and only what was copied of it.
    for (const TreeCopier::Leftover &pozostawiony : m_kopiarka->removeCopiedSource())
        m_pozostawione << pozostawiony.path;
    m_watekSkonczyl = true;
}

bool PrzenoszenieKatalogu::oznacz(const QString &gotowy, BladOperacji *blad)
{
    if (!m_oznaczenie)
        return true;
    const std::optional<Bookmark::Identity> tozsamosc = Bookmark::identity(gotowy);
    if (!tozsamosc) {
        BladOperacji::zErrno(blad, errno ? errno : EIO, QStringLiteral("Could not move the folder."), m_zrodlo);
        return false;
    }
    return m_oznaczenie(*tozsamosc, blad);
}

void PrzenoszenieKatalogu::zglosPostep()
{
    // Reports wait while an alert, a menu or a drag runs; the timer tries again in 0.1 s.
    if (ModalGate::isRaised())
        return;
    if (m_watekSkonczyl) {
        zakoncz();
        return;
    }
    if (m_razem >= 0)
        emit postep(m_przeniesione, m_razem);
}

void PrzenoszenieKatalogu::zakoncz()
{
    m_zegarPostepu.stop();
    if (m_watek.joinable())
        m_watek.join();
    // The thread answered which records of abandoned copies may go; the hidden folder of this move
    // goes with its own record.
    TemporaryCopy::forget(m_porzucone);
    m_porzucone.clear();
    m_tymczasowa.reset();
    m_kopiarka.reset();
    m_trwa = false;
    if (m_status == statusAnulowano)
        BladOperacji::ustaw(&m_blad, QString::fromLatin1(BladOperacji::domenaPosix), statusAnulowano,
                            QStringLiteral("The move was cancelled."), QStringLiteral("The operation was cancelled."));
    emit zakonczone(m_status, m_blad);
}
