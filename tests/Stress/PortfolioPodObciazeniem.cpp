#include "PortfolioPodObciazeniem.h"

#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/KontekstObiektow.h"
#include "Model/ObserwatorZmianNaDysku.h"
#include "Model/Potok.h"
#include "Model/SCEvents.h"
#include "Model/StosCoreData.h"

#include "Platform/FileOperations.h"
#include "Platform/FolderListing.h"
#include "Platform/Konsola.h"
#include "Platform/Paths.h"

#include "Support/GeneratorPortfolio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <mutex>
#include <numeric>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef TARROWIND_POD_SANITIZEREM
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

constexpr double opoznienie = 0.05;
constexpr std::chrono::seconds czasNaUstalenie{10};
constexpr int najwiecejPotokow = 12;
constexpr int najwiecejWpisow = 300;
constexpr int najdluzszaSciezka = 1500;
constexpr int najwiecejOdlozonych = 30;

const QStringList &nazwyZastrzezone()
{
    static const QStringList nazwy{QStringLiteral("_Incubation"), QStringLiteral("_Waiting_For"),
                                   QStringLiteral("_Inactive"),   QStringLiteral("_Ready"),
                                   QStringLiteral("_Done"),       QStringLiteral("_Flow_Items")};
    return nazwy;
}

// Names that every entry point must refuse, drawn now and then in place of a good one.
QStringList nazwyZle()
{
    return {QString(),
            QStringLiteral("."),
            QStringLiteral(".."),
            QStringLiteral("a/b"),
            QStringLiteral(".ukryta"),
            QStringLiteral("_Done"),
            QStringLiteral("x") + QChar(0) + QStringLiteral("y"),
            QString(256, u'n')};
}

// The console sink is called from the watcher's thread too.
std::mutex zamekKonsoli;
std::deque<QByteArray> ostatnieLinieKonsoli;

char komunikatBudzetu[512];

void wypisz(const char *tekst, size_t dlugosc)
{
    const ssize_t zapisane = ::write(STDERR_FILENO, tekst, dlugosc);
    (void)zapisane;
}

void wypisz(const char *tekst)
{
    wypisz(tekst, std::strlen(tekst));
}

// The run a crash or an overrun reports on.
const PortfolioPodObciazeniem *biezacyPrzebieg = nullptr;

void poBudzecie(int)
{
    wypisz(komunikatBudzetu);
    // Slow or stuck: the last steps tell.
    if (biezacyPrzebieg)
        biezacyPrzebieg->wypiszKontekstPoAwarii();
    _exit(3);
}

void poAwarii(int sygnal)
{
    // The handler is reset as it is entered: a fault while it writes ends the process as the first would have.
    if (biezacyPrzebieg) {
        const char numer[] = {char('0' + sygnal / 10 % 10), char('0' + sygnal % 10), 0};
        wypisz("\nThe run crashed (signal ");
        wypisz(numer[0] == '0' ? numer + 1 : numer);
        wypisz(").");
        biezacyPrzebieg->wypiszKontekstPoAwarii();
    }
    raise(sygnal);
}

#ifdef TARROWIND_POD_SANITIZEREM
// The sanitizer handles faults itself and reports what it found; then, before it ends the process, this.
void poRaporcieSanitizera()
{
    if (biezacyPrzebieg) {
        wypisz("\nThe run was stopped by the sanitizer.");
        biezacyPrzebieg->wypiszKontekstPoAwarii();
    }
}
constexpr int sygnalyAwarii[] = {SIGABRT};
#else
constexpr int sygnalyAwarii[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
#endif

void ustawObslugeAwarii(bool wlaczona)
{
#ifdef TARROWIND_POD_SANITIZEREM
    __sanitizer_set_death_callback(wlaczona ? poRaporcieSanitizera : nullptr);
#else
    // A stack overflow leaves no room for the handler on the stack that overflowed. (A sanitizer keeps a stack of
    // its own for this.)
    static char zapasowyStos[1 << 16];
    static const bool stosUstawiony = [] {
        stack_t stos{};
        stos.ss_sp = zapasowyStos;
        stos.ss_size = sizeof zapasowyStos;
        return sigaltstack(&stos, nullptr) == 0;
    }();
    (void)stosUstawiony;
#endif
    struct sigaction obsluga
    {
    };
    obsluga.sa_handler = wlaczona ? poAwarii : SIG_DFL;
    obsluga.sa_flags = SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&obsluga.sa_mask);
    for (const int sygnal : sygnalyAwarii)
        sigaction(sygnal, &obsluga, nullptr);
}

// Folders the watcher can watch: every visible real folder of the tree whose parent lists.
int katalogiDoObserwowania(const QString &katalog)
{
    const FolderListing::Wynik wynik = FolderListing::list(katalog);
    if (wynik.stan == FolderListing::Stan::Brak)
        return 0;
    int liczba = 1;
    for (const FolderListing::Wpis &wpis : wynik.wpisy) {
        if (wpis.toKatalog)
            liczba += katalogiDoObserwowania(wpis.sciezka);
    }
    return liczba;
}

// Folders of the trees that no inotify watch of this process covers, told by inode from the
// kernel's own table: a count could hide a missing watch behind a stale one.
QStringList katalogiBezObserwacji(const QStringList &korzenie)
{
    QSet<quint64> obserwowane;
    for (const QString &fd : QDir(QStringLiteral("/proc/self/fdinfo")).entryList(QDir::Files)) {
        QFile opis(QStringLiteral("/proc/self/fdinfo/") + fd);
        if (!opis.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &linia : opis.readAll().split('\n')) {
            const qsizetype ino = linia.indexOf(" ino:");
            if (linia.startsWith("inotify wd:") && ino > 0)
                obserwowane.insert(linia.mid(ino + 5, linia.indexOf(' ', ino + 1) - ino - 5).toULongLong(nullptr, 16));
        }
    }
    QStringList wynik;
    const std::function<void(const QString &)> sprawdz = [&](const QString &katalog) {
        struct stat info;
        if (lstat(QFile::encodeName(katalog).constData(), &info) == 0 && !obserwowane.contains(quint64(info.st_ino)))
            wynik << katalog;
        for (const FolderListing::Wpis &wpis : FolderListing::list(katalog).wpisy) {
            if (wpis.toKatalog)
                sprawdz(wpis.sciezka);
        }
    };
    for (const QString &korzen : korzenie) {
        if (FileOperations::isFolderNoFollow(korzen))
            sprawdz(korzen);
    }
    return wynik;
}

bool istniejeWJakiejsPisowni(const QString &sciezka)
{
    const QString szukana = Paths::nfc(Paths::lastComponent(sciezka));
    const QStringList nazwy =
        QDir(Paths::parent(sciezka)).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return std::any_of(nazwy.begin(), nazwy.end(), [&](const QString &n) { return Paths::nfc(n) == szukana; });
}

QString url(const Fasolka *fasolka)
{
    return fasolka && fasolka->bytFasolki() ? fasolka->bytFasolki()->plikowyURL() : QString();
}

QString urlPotoku(const Potok *potok)
{
    return potok && potok->bytPotoku() ? potok->bytPotoku()->plikowyURL() : QString();
}

// The lines of one list missing from the other, both ways, counting repeats.
QStringList roznica(const QStringList &a, const QStringList &b, const QString &tylkoA, const QString &tylkoB)
{
    QStringList wynik;
    for (const QString &linia : a) {
        if (a.count(linia) > b.count(linia) && !wynik.contains(tylkoA + linia))
            wynik << tylkoA + linia;
    }
    for (const QString &linia : b) {
        if (b.count(linia) > a.count(linia) && !wynik.contains(tylkoB + linia))
            wynik << tylkoB + linia;
    }
    return wynik;
}

bool jestAscii(const QString &tekst)
{
    return std::all_of(tekst.begin(), tekst.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

void PortfolioPodObciazeniem::SetUp()
{
    const QByteArray zadane = qgetenv(m_zmiennaZiarna);
    m_ziarno = zadane.isEmpty() ? (quint64(std::random_device{}()) << 32) | std::random_device{}()
                                : zadane.toULongLong();
    m_los.seed(m_ziarno);
    std::printf("Seed %llu; replay with %s=%llu\n", (unsigned long long)m_ziarno, m_zmiennaZiarna,
                (unsigned long long)m_ziarno);
    // A sanitizer ends the process without flushing what it buffered.
    std::fflush(stdout);
    std::snprintf(m_naglowekKontekstu, sizeof m_naglowekKontekstu,
                  "\nSeed %llu (replay with %s=%llu). Last steps:", (unsigned long long)m_ziarno, m_zmiennaZiarna,
                  (unsigned long long)m_ziarno);
    biezacyPrzebieg = this;
    ustawObslugeAwarii(true);
    ustawBudzetCzasu(120, "this test");
    Konsola::ustawWyjscie([](const QByteArray &linia) {
        const std::lock_guard<std::mutex> blokada(zamekKonsoli);
        ostatnieLinieKonsoli.push_back(linia.trimmed());
        if (ostatnieLinieKonsoli.size() > 20)
            ostatnieLinieKonsoli.pop_front();
    });

    PortfolioTestowe::SetUp();
    GeneratorPortfolio::Uklad uklad;
    uklad.potoki = 4;
    uklad.fasolkiNaPotok = 14;
    uklad.plikiWFasolceKatalogowej = 2;
    uklad.plikiWRzeczachPotoku = 1;
    uklad.fasolkiNaArchiwumPotoku = 2;
    ASSERT_TRUE(GeneratorPortfolio::zbuduj(m_baza.sciezka(), uklad).udany);
    // Each file gets bytes of its own, so that the account tells every one apart.
    ASSERT_TRUE(m_rachunek.nadajWlasneTresci(R(), [this] { return nowaTresc(); }));

    ObserwatorZmianNaDysku::zainstaluj(opoznienie);
    baza();
    ASSERT_TRUE(ustal());
}

void PortfolioPodObciazeniem::TearDown()
{
    alarm(0);
    ustawObslugeAwarii(false);
    biezacyPrzebieg = nullptr;
    // Names outside the file-name encoding go first: the temporary folder cannot remove them.
    przejdzDrzewo(QFile::encodeName(m_baza.sciezka()), [](const QByteArray &sciezka, const struct stat &info) {
        if (!S_ISDIR(info.st_mode) && !Paths::isEncodable(sciezka.mid(sciezka.lastIndexOf('/') + 1)))
            ::unlink(sciezka.constData());
    });
    FolderListing::setFaultHookForTests({});
    // The watcher goes with its graph, before the application does.
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    PortfolioTestowe::TearDown();
    Konsola::ustawWyjscie({});
    if (!m_statystyka.isEmpty()) {
        std::printf("Operations (succeeded / failed):\n");
        for (auto it = m_statystyka.cbegin(); it != m_statystyka.cend(); ++it)
            std::printf("  %-40s %6d / %d\n", qPrintable(it.key()), it->first, it->second);
    }
}

void PortfolioPodObciazeniem::ustawBudzetCzasu(int sekundy, const std::string &opis)
{
    std::snprintf(komunikatBudzetu, sizeof komunikatBudzetu, "\n%s ran over its time budget of %d s\n", opis.c_str(),
                  sekundy);
    std::signal(SIGALRM, poBudzecie);
    alarm(unsigned(sekundy));
}

QString PortfolioPodObciazeniem::poza(const QString &wzgledna)
{
    const QString katalog = m_baza.katalog(QStringLiteral("Poza portfolio"));
    return wzgledna.isEmpty() ? katalog : Paths::join(katalog, wzgledna);
}

SCEvents *PortfolioPodObciazeniem::events()
{
    auto *obserwator = dynamic_cast<ObserwatorZmianNaDysku *>(baza()->obserwatorZmianNaDysku());
    return obserwator ? obserwator->events() : nullptr;
}

// ---- the account of files

QByteArray PortfolioPodObciazeniem::nowaTresc()
{
    return QStringLiteral("plik %1 ziarna %2 — zażółć\n").arg(++m_licznikTresci).arg(m_ziarno).toUtf8();
}

void PortfolioPodObciazeniem::zapiszPlik(const QString &sciezka, const QByteArray &tresc)
{
    zapiszPlik(QFile::encodeName(sciezka), tresc);
}

void PortfolioPodObciazeniem::zapiszPlik(const QByteArray &sciezka, const QByteArray &tresc)
{
    ASSERT_TRUE(m_rachunek.zapisz(sciezka, tresc)) << sciezka.constData();
}

void PortfolioPodObciazeniem::doliczTresc(const QByteArray &tresc, const QString &gdzie, int ile)
{
    m_rachunek.dolicz(tresc, gdzie, ile);
}

void PortfolioPodObciazeniem::usunDrzewo(const QString &sciezka)
{
    m_rachunek.usunDrzewo(sciezka);
}

// ---- settling and the invariants

bool PortfolioPodObciazeniem::ustal()
{
    SCEvents *strumien = events();
    if (!strumien) {
        ADD_FAILURE() << "no watcher" << kontekst().toStdString();
        return false;
    }
    const auto ostatni = [&] {
        const auto event = strumien->lastEvent();
        return event ? event->eventId() : 0;
    };
    const QStringList korzenie{R(QStringLiteral("All Beans")), R(QStringLiteral("Archived Beans"))};
    const auto termin = std::chrono::steady_clock::now() + czasNaUstalenie;
    quint64 poprzedni = ostatni();
    int cichych = 0;
    while (std::chrono::steady_clock::now() < termin) {
        strumien->flushEventStreamSync();
        QCoreApplication::processEvents();
        const quint64 biezacy = ostatni();
        const int oczekiwane = katalogiDoObserwowania(korzenie[0]) + katalogiDoObserwowania(korzenie[1]);
        const int obserwowane = strumien->liczbaObserwowanychKatalogow();
        const bool wszystkie = m_listingiDzialaja ? obserwowane == oczekiwane : obserwowane >= oczekiwane;
        // A folder re-listed on a worker is in step only once its difference is applied.
        const bool bezOdczytowWTle = BytKatalogu::liczbaOdczytowWTle() == 0;
        // Quiet twice in a row with every folder watched and no re-list out: nothing is left in
        // the kernel, the walk or the workers.
        if (biezacy == poprzedni && wszystkie && bezOdczytowWTle) {
            if (++cichych == 2) {
                zapiszWDzienniku(QStringLiteral("-- settled"));
                const QStringList bezObserwacji = katalogiBezObserwacji(korzenie);
                if (!bezObserwacji.isEmpty())
                    ADD_FAILURE() << "folders left unwatched:\n  "
                                  << bezObserwacji.join(QLatin1String("\n  ")).toStdString()
                                  << kontekst().toStdString();
                return bezObserwacji.isEmpty();
            }
        } else {
            cichych = 0;
            if (!wszystkie || !bezOdczytowWTle)
                QThread::msleep(1);
        }
        poprzedni = biezacy;
    }
    ADD_FAILURE() << "the watcher did not settle: " << strumien->liczbaObserwowanychKatalogow()
                  << " folders watched of " << katalogiDoObserwowania(korzenie[0]) + katalogiDoObserwowania(korzenie[1])
                  << "; unwatched:\n  " << katalogiBezObserwacji(korzenie).join(QLatin1String("\n  ")).toStdString()
                  << kontekst().toStdString();
    return false;
}

void PortfolioPodObciazeniem::wznowObserwacje(const std::function<void()> &wPrzerwie)
{
    SCEvents *strumien = events();
    ASSERT_NE(strumien, nullptr);
    const QStringList korzenie = strumien->watchedPaths();
    strumien->stopWatchingPaths();
    wPrzerwie();
    ASSERT_TRUE(strumien->startWatchingPaths(korzenie));
    // A change made in a folder the new walk has not reached yet would go unseen: the test goes
    // on only once every folder is watched again.
    const auto termin = std::chrono::steady_clock::now() + czasNaUstalenie;
    const auto oczekiwane = [&] {
        int liczba = 0;
        for (const QString &korzen : korzenie)
            liczba += katalogiDoObserwowania(korzen);
        return liczba;
    };
    while (strumien->liczbaObserwowanychKatalogow() < oczekiwane() && std::chrono::steady_clock::now() < termin)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void PortfolioPodObciazeniem::sprawdzNiezmienniki(const QString &gdzie)
{
    sprawdzPliki(gdzie);
    const QStringList roznica = roznicaZeSwiezaBudowa();
    if (!roznica.isEmpty())
        ADD_FAILURE() << "after " << gdzie.toStdString() << " the graph differs from a fresh build:\n"
                      << roznica.join(u'\n').toStdString() << kontekst().toStdString();
}

void PortfolioPodObciazeniem::sprawdzPliki(const QString &gdzie)
{
    const QString roznica = m_rachunek.roznica();
    if (!roznica.isEmpty())
        ADD_FAILURE() << "after " << gdzie.toStdString() << " the files are not all there:" << roznica.toStdString()
                      << kontekst().toStdString();
}

QStringList PortfolioPodObciazeniem::migawkaGrafu(BazaFasolek *baza) const
{
    QStringList linie;
    const QString korzen = Paths::nfc(R());
    const auto wzgledna = [&](const QString &sciezka) {
        const QString nfc = Paths::nfc(sciezka);
        return nfc.startsWith(korzen) ? nfc.mid(korzen.size()) : nfc;
    };
    const auto fasolki = [&](const QString &wlasciciel, const ZbiorObiektow<Fasolka> &zbior, const QObject *potok,
                             const QObject *archiwumPotoku) {
        for (Fasolka *f : zbior) {
            linie << QStringLiteral("%1 | fasolka %2 | \"%3\" | status %4 | rodzaj %5 | katalog %6")
                         .arg(wlasciciel, wzgledna(url(f)), f->nazwa())
                         .arg(f->statusFasolki())
                         .arg(f->rodzajFasolki())
                         .arg(f->katalog() ? wzgledna(f->katalog()->plikowyURL()) : QStringLiteral("-"));
            if (f->potok() != potok || f->archiwumPotoku() != archiwumPotoku)
                linie << QStringLiteral("INCONSISTENT owner of %1").arg(wzgledna(url(f)));
        }
    };
    for (Potok *p : baza->potoki()) {
        const QString sciezka = wzgledna(urlPotoku(p));
        linie << QStringLiteral("potok %1 | \"%2\" | rodzaj %3 | rzeczy %4")
                     .arg(sciezka, p->nazwa())
                     .arg(p->rodzajPotoku())
                     .arg(p->maKatalogRzeczyPotoku());
        if (p->bazaFasolek() != baza)
            linie << QStringLiteral("INCONSISTENT database of %1").arg(sciezka);
        if (p->katalogRzeczyPotoku()
            && wzgledna(p->katalogRzeczyPotoku()->plikowyURL()) != wzgledna(p->urlKataloguRzeczyPotoku()))
            linie << QStringLiteral("INCONSISTENT items folder of %1").arg(sciezka);
        fasolki(sciezka, p->fasolki(), p, nullptr);
    }
    Archiwum *archiwum = baza->archiwum();
    linie << QStringLiteral("archiwum %1")
                 .arg(archiwum && archiwum->katalog() ? wzgledna(archiwum->katalog()->plikowyURL())
                                                      : QStringLiteral("-"));
    if (archiwum) {
        for (ArchiwumPotoku *a : archiwum->archiwaPotokow()) {
            const QString sciezka = wzgledna(a->katalog() ? a->katalog()->plikowyURL() : QString());
            linie << QStringLiteral("archiwum potoku %1 | \"%2\"").arg(sciezka, a->nazwa());
            if (a->archiwum() != archiwum)
                linie << QStringLiteral("INCONSISTENT archive of %1").arg(sciezka);
            fasolki(QStringLiteral("archiwum ") + sciezka, a->fasolki(), nullptr, a);
        }
    }
    linie << QStringLiteral("potok glowny %1")
                 .arg(baza->potokGlowny() ? wzgledna(urlPotoku(baza->potokGlowny())) : QStringLiteral("-"));
    linie.sort();
    return linie;
}

QStringList PortfolioPodObciazeniem::roznicaZeSwiezaBudowa()
{
    const QStringList zywa = migawkaGrafu(baza());
    QStringList roznica;
    // The live graph must hold the spelling found on disk, or its next operation misses the item.
    const auto naDysku = [&](const QString &sciezka) {
        if (!sciezka.isEmpty() && !FileOperations::exists(sciezka))
            roznica << QStringLiteral("live path not on disk in this spelling: ") + sciezka;
    };
    for (Potok *p : baza()->potoki())
        naDysku(urlPotoku(p));
    for (Fasolka *f : fasolkiGrafu())
        naDysku(url(f));

    // A second graph of the same folder in a context of its own, without a watcher.
    StosCoreData *stos = StosCoreData::sharedStosCoreData();
    BazaFasolek::setFabrykaObserwatoraZmianNaDysku({});
    std::unique_ptr<KontekstObiektow> zywy = stos->zamienKontekst(std::make_unique<KontekstObiektow>());
    const QStringList swieza = migawkaGrafu(BazaFasolek::sharedBazaFasolek());
    stos->zamienKontekst(std::move(zywy));
    ObserwatorZmianNaDysku::zainstaluj(opoznienie);

    return roznica + ::roznica(zywa, swieza, QStringLiteral("  live only:  "), QStringLiteral("  fresh only: "));
}

// ---- steps

int PortfolioPodObciazeniem::losuj(int n)
{
    return n <= 1 ? 0 : int(std::uniform_int_distribution<int>(0, n - 1)(m_los));
}

int PortfolioPodObciazeniem::losujWedlugWag(std::initializer_list<int> wagi)
{
    int los = losuj(std::accumulate(wagi.begin(), wagi.end(), 0));
    int wybrany = 0;
    for (auto waga = wagi.begin(); los >= *waga; ++waga, ++wybrany)
        los -= *waga;
    return wybrany;
}

QString PortfolioPodObciazeniem::nowaNazwa(bool plik)
{
    static const char *const slowa[] = {"Projekt",           "Notatki",      "Łąka",     "Żółw",
                                        "zażółć gęślą jaźń", "Crème brûlée", "Ångström", "Ślub"};
    static const char *const rozszerzenia[] = {".txt", ".pdf", ".md", ".tar.gz", ""};
    QString nazwa = QString::fromUtf8(slowa[losuj(int(std::size(slowa)))]) + QLatin1Char(' ')
                    + QString::number(++m_licznikNazw);
    if (plik)
        nazwa += QLatin1String(rozszerzenia[losuj(int(std::size(rozszerzenia)))]);
    return szansa(30) ? nazwa.normalized(QString::NormalizationForm_D) : nazwa;
}

QList<Fasolka *> PortfolioPodObciazeniem::fasolkiGrafu() const
{
    QList<Fasolka *> wynik;
    for (Potok *p : baza()->potoki())
        wynik += p->fasolki().elementy();
    if (Archiwum *archiwum = baza()->archiwum()) {
        for (ArchiwumPotoku *a : archiwum->archiwaPotokow())
            wynik += a->fasolki().elementy();
    }
    // The draw depends on the disk alone, never on the order of a relation.
    std::stable_sort(wynik.begin(), wynik.end(), [](Fasolka *a, Fasolka *b) { return url(a) < url(b); });
    return wynik;
}

QList<Potok *> PortfolioPodObciazeniem::potokiGrafu() const
{
    QList<Potok *> wynik = baza()->potoki().elementy();
    std::stable_sort(wynik.begin(), wynik.end(), [](Potok *a, Potok *b) { return urlPotoku(a) < urlPotoku(b); });
    return wynik;
}

void PortfolioPodObciazeniem::zapiszWDzienniku(const QString &wpis)
{
    m_dziennik.push_back(wpis.toUtf8());
    if (m_dziennik.size() > m_dlugoscDziennika)
        m_dziennik.pop_front();
}

QString PortfolioPodObciazeniem::kontekst() const
{
    QString tekst = QString::fromUtf8(m_naglowekKontekstu);
    for (const QByteArray &wpis : m_dziennik)
        tekst += QStringLiteral("\n  ") + QString::fromUtf8(wpis);
    const std::lock_guard<std::mutex> blokada(zamekKonsoli);
    tekst += QStringLiteral("\nLast console lines:");
    for (const QByteArray &linia : ostatnieLinieKonsoli)
        tekst += QStringLiteral("\n  ") + QString::fromUtf8(linia);
    return tekst;
}

void PortfolioPodObciazeniem::wypiszKontekstPoAwarii() const
{
    wypisz(m_naglowekKontekstu);
    for (const QByteArray &wpis : m_dziennik) {
        wypisz("\n  ");
        wypisz(wpis.constData(), size_t(wpis.size()));
    }
    // The lock may be held by the thread that crashed.
    if (zamekKonsoli.try_lock()) {
        wypisz("\nLast console lines:");
        for (const QByteArray &linia : ostatnieLinieKonsoli) {
            wypisz("\n  ");
            wypisz(linia.constData(), size_t(linia.size()));
        }
        zamekKonsoli.unlock();
    }
    wypisz("\n");
}

void PortfolioPodObciazeniem::policz(const QString &operacja, bool udana)
{
    auto &licznik = m_statystyka[operacja];
    ++(udana ? licznik.first : licznik.second);
}

void PortfolioPodObciazeniem::sprawdzPoOperacji(const QString &opis, bool udana, const BladOperacji *blad,
                                                const QStringList &przed,
                                                const std::function<QString()> &warunekPowodzenia)
{
    zapiszWDzienniku(opis + (udana ? QStringLiteral(" -> ok") : QStringLiteral(" -> failed")));
    policz(opis.section(u' ', 0, 0), udana);
    if (udana) {
        if (const QString problem = warunekPowodzenia(); !problem.isEmpty())
            ADD_FAILURE() << opis.toStdString() << " succeeded, but " << problem.toStdString()
                          << kontekst().toStdString();
        return;
    }
    if (blad && blad->przyczyna.isEmpty())
        ADD_FAILURE() << opis.toStdString() << " failed without a reason" << kontekst().toStdString();
    if (const QStringList po = stanDysku(); po != przed)
        ADD_FAILURE()
            << opis.toStdString() << " failed, but changed the disk:\n"
            << roznica(przed, po, QStringLiteral("  gone: "), QStringLiteral("  new:  ")).join(u'\n').toStdString()
            << kontekst().toStdString();
}

void PortfolioPodObciazeniem::krokProgramu()
{
    enum Operacja {
        oNowyPotok,
        oNowaFasolka,
        oNazwaFasolki,
        oNazwaPotoku,
        oStatus,
        oDoPotoku,
        oOpakuj,
        oWypakuj,
        oRezultat,
        oBezRezultatu
    };
    const int operacja = losujWedlugWag({3, 6, 6, 3, 20, 8, 5, 5, 5, 3});

    const QList<Fasolka *> fasolki = fasolkiGrafu();
    const QList<Potok *> potoki = potokiGrafu();
    const auto nazwaDoOperacji = [&](bool plik) {
        const QStringList zle = nazwyZle();
        return szansa(5) ? zle[losuj(int(zle.size()))] : nowaNazwa(plik);
    };
    const auto wybierzFasolke = [&](const std::function<bool(Fasolka *)> &pasuje) -> Fasolka * {
        QList<Fasolka *> pasujace;
        std::copy_if(fasolki.begin(), fasolki.end(), std::back_inserter(pasujace), pasuje);
        return pasujace.isEmpty() ? nullptr : pasujace[losuj(int(pasujace.size()))];
    };
    const auto dowolna = [](Fasolka *) { return true; };
    const auto wzgledna = [&](const QString &sciezka) { return sciezka.mid(R().size() + 1); };
    const auto maNazwe = [](const QString &sciezka, const QString &nazwa) -> QString {
        if (!FileOperations::exists(sciezka))
            return QStringLiteral("its path is not on disk");
        return Paths::nfc(Paths::lastComponent(sciezka)) == Paths::nfc(nazwa) ? QString()
                                                                              : QStringLiteral("the name differs");
    };
    Potok *potok = potoki.isEmpty() ? nullptr : potoki[losuj(int(potoki.size()))];
    const QStringList przed = stanDysku();
    BladOperacji blad;

    switch (operacja) {
    case oNowyPotok: {
        if (potoki.size() >= najwiecejPotokow)
            return;
        const QString nazwa = nazwaDoOperacji(false);
        Potok *nowy = baza()->nowyPotok(nazwa, &blad);
        sprawdzPoOperacji(QStringLiteral("nowyPotok \"%1\"").arg(nazwa), nowy, &blad, przed, [&] {
            return baza()->potoki().contains(nowy) ? maNazwe(urlPotoku(nowy), nazwa)
                                                   : QStringLiteral("the flow is not in the graph");
        });
        return;
    }
    case oNowaFasolka: {
        if (!potok)
            return;
        const QString nazwa = nazwaDoOperacji(false);
        Fasolka *nowa = potok->nowaFasolka(nazwa, &blad);
        sprawdzPoOperacji(QStringLiteral("nowaFasolka \"%1\" in %2").arg(nazwa, wzgledna(urlPotoku(potok))), nowa,
                          &blad, przed, [&] {
                              if (!potok->fasolki().contains(nowa) || !nowa->jestWInkubacji())
                                  return QStringLiteral("the bean is not in incubation in its flow");
                              return maNazwe(url(nowa), nazwa);
                          });
        return;
    }
    case oNazwaFasolki: {
        Fasolka *f = wybierzFasolke(dowolna);
        if (!f)
            return;
        const QString nazwa = nazwaDoOperacji(f->jestZPlikiem());
        const QString opis = QStringLiteral("zmienNazweBytuFasolkiNaDysku %1 -> \"%2\"").arg(wzgledna(url(f)), nazwa);
        const bool udana = f->zmienNazweBytuFasolkiNaDysku(nazwa, &blad);
        sprawdzPoOperacji(opis, udana, &blad, przed, [&] { return maNazwe(url(f), nazwa); });
        return;
    }
    case oNazwaPotoku: {
        if (!potok)
            return;
        const QString nazwa = nazwaDoOperacji(false);
        const QString opis =
            QStringLiteral("zmienNazwePotokuNaDysku %1 -> \"%2\"").arg(wzgledna(urlPotoku(potok)), nazwa);
        const bool udana = potok->zmienNazwePotokuNaDysku(nazwa, &blad);
        sprawdzPoOperacji(opis, udana, &blad, przed, [&] {
            for (Fasolka *f : potok->fasolki()) {
                if (!Paths::contains(urlPotoku(potok), url(f)))
                    return QString(QStringLiteral("a bean's path did not follow: ") + url(f));
            }
            return maNazwe(urlPotoku(potok), nazwa);
        });
        return;
    }
    case oStatus: {
        Fasolka *f = wybierzFasolke(dowolna);
        if (!f)
            return;
        const int cel = 1 + losuj(7);
        const int obecny = f->statusFasolki();
        // Archiving and reactivation are counted apart: they change the bean's owner.
        const bool zArchiwum = obecny == Fasolka::sfZarchiwizowana, doArchiwum = cel == Fasolka::sfZarchiwizowana;
        const QString rodzaj = zArchiwum == doArchiwum ? QStringLiteral("ustawStatus")
                               : doArchiwum            ? QStringLiteral("ustawStatus(archive)")
                                                       : QStringLiteral("ustawStatus(reactivate)");
        const QString opis = QStringLiteral("%1 %2 -> %3").arg(rodzaj, wzgledna(url(f))).arg(cel);
        const bool udana = f->ustawStatus(cel, &blad);
        sprawdzPoOperacji(opis, udana, &blad, przed, [&] {
            // The status it has already asks for nothing, also of a bean whose file is gone.
            if (obecny != cel && !FileOperations::exists(url(f)))
                return QStringLiteral("its path is not on disk");
            if (f->statusFasolki() != cel || (cel == Fasolka::sfZarchiwizowana ? !f->archiwumPotoku() : !f->potok()))
                return QStringLiteral("the bean has status %1").arg(f->statusFasolki());
            return QString();
        });
        return;
    }
    case oDoPotoku: {
        Fasolka *f = wybierzFasolke(dowolna);
        if (!f || !potok)
            return;
        const bool tenSam = f->potok() == potok;
        const QString opis =
            QStringLiteral("przeniesDoPotoku %1 -> %2").arg(wzgledna(url(f)), wzgledna(urlPotoku(potok)));
        const bool udana = f->przeniesDoPotoku(potok);
        sprawdzPoOperacji(opis, udana, nullptr, przed, [&] {
            if (f->potok() != potok || (!tenSam && !FileOperations::exists(url(f))))
                return QStringLiteral("the bean is not in that flow at a path on disk");
            return QString();
        });
        return;
    }
    case oOpakuj: {
        Fasolka *f = wybierzFasolke([](Fasolka *kandydatka) { return kandydatka->jestZPlikiem(); });
        if (!f)
            return;
        const QString opis = QStringLiteral("opakujFasolkePlikowaWKatalog %1").arg(wzgledna(url(f)));
        const bool udana = f->opakujFasolkePlikowaWKatalog();
        sprawdzPoOperacji(opis, udana, nullptr, przed, [&] {
            return f->jestZKatalogiem() && f->katalog() ? QString() : QStringLiteral("the bean is no folder bean");
        });
        return;
    }
    case oWypakuj: {
        Fasolka *f = wybierzFasolke([](Fasolka *kandydatka) { return kandydatka->jestZKatalogiem(); });
        if (!f)
            return;
        const QByteArray sciezka = QFile::encodeName(url(f));
        struct stat info;
        const bool byl = lstat(sciezka.constData(), &info) == 0;
        const ino_t wezel = info.st_ino;
        const QString opis = QStringLiteral("wypakujZawartoscFasolkiZKatalogu %1").arg(wzgledna(url(f)));
        const bool udana = f->wypakujZawartoscFasolkiZKatalogu();
        sprawdzPoOperacji(opis, udana, nullptr, przed, [&] {
            // Something it held may now lie under its name, but not the folder itself.
            const bool jest = byl && lstat(sciezka.constData(), &info) == 0 && info.st_ino == wezel
                              && S_ISDIR(info.st_mode);
            return jest ? QStringLiteral("the folder is still there") : QString();
        });
        return;
    }
    case oRezultat:
    case oBezRezultatu: {
        Fasolka *f = wybierzFasolke([](Fasolka *kandydatka) { return kandydatka->katalog() != nullptr; });
        if (!f)
            return;
        const QString tekst = operacja == oBezRezultatu
                                  ? QString()
                                  : QStringLiteral("Rezultat %1: zażółć gęślą jaźń\n").arg(++m_licznikNazw);
        const QByteArray plik =
            QFile::encodeName(Paths::join(f->katalog()->plikowyURL(), Fasolka::nazwaPlikuSpodziewanegoRezultatu()));
        struct stat info;
        const bool byl = lstat(plik.constData(), &info) == 0 && S_ISREG(info.st_mode);
        const QByteArray stary = byl ? trescWpisu(plik, info) : QByteArray();
        const QString opis =
            QStringLiteral("ustawSpodziewanyRezultat %1 %2")
                .arg(wzgledna(url(f)), tekst.isEmpty() ? QStringLiteral("(clear)") : QStringLiteral("(write)"));
        const bool udana = f->ustawSpodziewanyRezultat(tekst);
        if (udana && byl)
            doliczTresc(stary, QFile::decodeName(plik), -1);
        if (udana && !tekst.isEmpty())
            doliczTresc(tekst.toUtf8(), QFile::decodeName(plik));
        sprawdzPoOperacji(opis, udana, nullptr, przed, [&] {
            return f->spodziewanyRezultat() == tekst ? QString() : QStringLiteral("it reads back differently");
        });
        return;
    }
    }
}

QList<PortfolioPodObciazeniem::Wpis> PortfolioPodObciazeniem::wpisyDrzewa(bool zKorzeniami) const
{
    QList<Wpis> wpisy;
    const QString glowny = R(QStringLiteral("All Beans/_Main_Flow"));
    for (const QString &korzen : {R(QStringLiteral("All Beans")), R(QStringLiteral("Archived Beans"))}) {
        if (!FileOperations::isFolderNoFollow(korzen))
            continue;
        if (zKorzeniami)
            wpisy.append({korzen, true});
        przejdzDrzewo(QFile::encodeName(korzen), [&](const QByteArray &bajty, const struct stat &info) {
            const QString sciezka = QFile::decodeName(bajty);
            if (sciezka.contains(QLatin1String("/.")) || (!zKorzeniami && sciezka == glowny))
                return;
            wpisy.append({sciezka, S_ISDIR(info.st_mode)});
        });
    }
    return wpisy;
}

bool PortfolioPodObciazeniem::zmienNazweBezZastepowania(const QString &zrodlo, const QString &cel)
{
    // Another program that never overwrites, and never makes a second spelling of a name.
    if (istniejeWJakiejsPisowni(cel) && Paths::nfc(cel) != Paths::nfc(zrodlo))
        return false;
    return renameat2(AT_FDCWD, QFile::encodeName(zrodlo).constData(), AT_FDCWD, QFile::encodeName(cel).constData(),
                     RENAME_NOREPLACE)
           == 0;
}

void PortfolioPodObciazeniem::krokInnegoProgramu()
{
    enum Zmiana { zPlik, zKatalog, zUsuniecie, zNazwa, zPrzeniesienie, zPisownia, zRodzaj, zPowrot };
    const QList<Wpis> wpisy = wpisyDrzewa(false);
    QList<Wpis> katalogi;
    for (const Wpis &wpis : wpisyDrzewa(true)) {
        if (wpis.katalog)
            katalogi.append(wpis);
    }
    const bool pelno = wpisy.size() > najwiecejWpisow;
    // What is put away beside the portfolio stays few, or every later step would walk it all.
    const auto odloz = [&](const QString &sciezka) {
        return QDir(poza()).count() < 2 + najwiecejOdlozonych
               && zmienNazweBezZastepowania(sciezka, poza(QString::number(++m_licznikNazw)));
    };
    const auto zmianaInnego = [&](const char *rodzaj, const QString &opis) {
        zapiszWDzienniku(opis);
        policz(QStringLiteral("other program: ") + QLatin1String(rodzaj), true);
    };
    const int zmiana = losujWedlugWag({pelno ? 0 : 6, pelno ? 0 : 4, pelno ? 12 : 3, 5, 8, 3, 1, pelno ? 0 : 2});
    const auto wzgledna = [&](const QString &sciezka) { return sciezka.mid(R().size() + 1); };
    const auto zastrzezona = [&] { return nazwyZastrzezone()[losuj(int(nazwyZastrzezone().size()))]; };
    if (katalogi.isEmpty() || (wpisy.isEmpty() && zmiana > zKatalog))
        return;
    const Wpis wpis = wpisy.isEmpty() ? Wpis{} : wpisy[losuj(int(wpisy.size()))];
    const Wpis gdzie = katalogi[losuj(int(katalogi.size()))];

    switch (zmiana) {
    case zPlik: {
        const QString sciezka = Paths::join(gdzie.sciezka, nowaNazwa(true));
        zapiszPlik(sciezka, nowaTresc());
        zmianaInnego("new file", QStringLiteral("other: new file ") + wzgledna(sciezka));
        return;
    }
    case zKatalog: {
        const QString sciezka = Paths::join(gdzie.sciezka, szansa(15) ? zastrzezona() : nowaNazwa(false));
        if (istniejeWJakiejsPisowni(sciezka) || !QDir().mkdir(sciezka))
            return;
        if (szansa(50))
            zapiszPlik(Paths::join(sciezka, nowaNazwa(true)), nowaTresc());
        zmianaInnego("new folder", QStringLiteral("other: new folder ") + wzgledna(sciezka));
        return;
    }
    case zUsuniecie:
        if (szansa(50) && odloz(wpis.sciezka)) {
            zmianaInnego("moved out", QStringLiteral("other: moved out of the portfolio ") + wzgledna(wpis.sciezka));
        } else {
            usunDrzewo(wpis.sciezka);
            zmianaInnego("deleted", QStringLiteral("other: deleted ") + wzgledna(wpis.sciezka));
        }
        return;
    case zNazwa: {
        const QString cel =
            Paths::join(Paths::parent(wpis.sciezka), szansa(10) ? zastrzezona() : nowaNazwa(!wpis.katalog));
        if (zmienNazweBezZastepowania(wpis.sciezka, cel))
            zmianaInnego(
                "renamed",
                QStringLiteral("other: renamed %1 -> %2").arg(wzgledna(wpis.sciezka), Paths::lastComponent(cel)));
        return;
    }
    case zPrzeniesienie: {
        if (Paths::contains(wpis.sciezka, gdzie.sciezka) || Paths::parent(wpis.sciezka) == gdzie.sciezka)
            return;
        // Deep nesting would only test the path limit.
        qsizetype najdluzsza = wpis.sciezka.size();
        for (const Wpis &w : wpisy) {
            if (Paths::contains(wpis.sciezka, w.sciezka))
                najdluzsza = std::max(najdluzsza, w.sciezka.size());
        }
        if (gdzie.sciezka.size() + najdluzsza - Paths::parent(wpis.sciezka).size() > najdluzszaSciezka)
            return;
        const QString cel = Paths::join(gdzie.sciezka, Paths::lastComponent(wpis.sciezka));
        if (zmienNazweBezZastepowania(wpis.sciezka, cel))
            zmianaInnego("moved", QStringLiteral("other: moved %1 -> %2").arg(wzgledna(wpis.sciezka), wzgledna(cel)));
        return;
    }
    case zPisownia: {
        QList<Wpis> nieAscii;
        std::copy_if(wpisy.begin(), wpisy.end(), std::back_inserter(nieAscii),
                     [](const Wpis &w) { return !jestAscii(Paths::lastComponent(w.sciezka)); });
        if (nieAscii.isEmpty())
            return;
        const QString sciezka = nieAscii[losuj(int(nieAscii.size()))].sciezka;
        const QString nazwa = Paths::lastComponent(sciezka);
        const QString inna = nazwa == Paths::nfc(nazwa) ? nazwa.normalized(QString::NormalizationForm_D)
                                                        : Paths::nfc(nazwa);
        if (inna != nazwa && zmienNazweBezZastepowania(sciezka, Paths::join(Paths::parent(sciezka), inna)))
            zmianaInnego("re-spelled", QStringLiteral("other: re-spelled %1 in %2")
                                           .arg(wzgledna(sciezka), inna == Paths::nfc(nazwa) ? QStringLiteral("NFC")
                                                                                             : QStringLiteral("NFD")));
        return;
    }
    case zRodzaj:
        // A file becomes a folder of the same name or the other way round, between two deliveries.
        if (!odloz(wpis.sciezka))
            usunDrzewo(wpis.sciezka);
        if (wpis.katalog)
            zapiszPlik(wpis.sciezka, nowaTresc());
        else
            QDir().mkdir(wpis.sciezka);
        zmianaInnego(
            "replaced by the other kind",
            QStringLiteral("other: replaced %1 by a %2")
                .arg(wzgledna(wpis.sciezka), wpis.katalog ? QStringLiteral("file") : QStringLiteral("folder")));
        return;
    case zPowrot: {
        // Something put away earlier comes back from outside the trees.
        const QStringList odlozone = QDir(poza()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
        if (odlozone.isEmpty())
            return;
        const QString nazwa = odlozone[losuj(int(odlozone.size()))];
        if (zmienNazweBezZastepowania(poza(nazwa), Paths::join(gdzie.sciezka, nazwa)))
            zmianaInnego("brought back",
                         QStringLiteral("other: brought back %1 into %2").arg(nazwa, wzgledna(gdzie.sciezka)));
        return;
    }
    }
}
