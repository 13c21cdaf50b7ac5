#include "Platform/DesktopServices.h"
#include "Platform/SystemDesktopServices.h"

#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDeadlineTimer>
#include <QUrl>

namespace {

// Stands in for the desktop's file manager on a private session bus.
class FalszywyMenedzerPlikow : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QStringList pokazane;
    QStringList foldery;
    bool odmawiaj = false;

public slots:
    Q_SCRIPTABLE void ShowItems(const QStringList &uris, const QString &startupId)
    {
        if (odmawiaj) {
            sendErrorReply(QDBusError::Failed, QStringLiteral("refused"));
            return;
        }
        pokazane += uris;
    }
    Q_SCRIPTABLE void ShowFolders(const QStringList &uris, const QString &startupId)
    {
        if (odmawiaj) {
            sendErrorReply(QDBusError::Failed, QStringLiteral("refused"));
            return;
        }
        foldery += uris;
    }
};

class NagrywajaceUslugi : public SystemDesktopServices
{
public:
    explicit NagrywajaceUslugi(QStringList *otwarte)
        : m_otwarte(otwarte)
    {
    }
    bool openInDefaultApplication(const QString &path, BladOperacji * = nullptr) override
    {
        m_otwarte->append(path);
        return true;
    }

private:
    QStringList *m_otwarte;
};

template <class Warunek>
bool poczekaj(Warunek warunek)
{
    QDeadlineTimer limit(5000);
    while (!warunek() && !limit.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return warunek();
}

// Runs under dbus-run-session only (its own ctest entry), never on the user's bus.
class PrywatnaSzynaSesji : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (qEnvironmentVariable("TARROWIND_PRIVATE_SESSION_BUS") != QLatin1String("1"))
            GTEST_SKIP() << "needs a private session bus: run by its dbus-run-session ctest entry";
        m_polaczenie = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("falszywyMenedzer")));
        ASSERT_TRUE(m_polaczenie->isConnected());
        ASSERT_TRUE(m_polaczenie->registerObject(SystemDesktopServices::fileManagerPath, &menedzer,
                                                 QDBusConnection::ExportScriptableSlots));
        ASSERT_TRUE(m_polaczenie->registerService(SystemDesktopServices::fileManagerService));
        DesktopServices::setShared(std::make_unique<NagrywajaceUslugi>(&otwarte));
    }
    void TearDown() override
    {
        DesktopServices::setShared(nullptr);
        if (m_polaczenie) {
            m_polaczenie->unregisterService(SystemDesktopServices::fileManagerService);
            m_polaczenie->unregisterObject(SystemDesktopServices::fileManagerPath);
            QDBusConnection::disconnectFromBus(QStringLiteral("falszywyMenedzer"));
        }
    }

    FalszywyMenedzerPlikow menedzer;
    QStringList otwarte;
    std::unique_ptr<QDBusConnection> m_polaczenie;
};

TEST_F(PrywatnaSzynaSesji, RevealAsksTheFileManagerToSelectTheItem)
{
    KatalogTestowy dir;
    const QString plik = dir.plik(QStringLiteral("Zó łw #1.txt"));
    DesktopServices::shared()->revealInFileManager(plik);
    ASSERT_TRUE(poczekaj([&] { return !menedzer.pokazane.isEmpty(); }));
    ASSERT_EQ(menedzer.pokazane.size(), 1);
    EXPECT_EQ(QUrl(menedzer.pokazane[0]).toLocalFile(), plik) << "the URI survives spaces, '#' and non-ASCII";
    EXPECT_TRUE(otwarte.isEmpty()) << "nothing else is opened";
}

TEST_F(PrywatnaSzynaSesji, ARefusingFileManagerFallsBackToOpeningTheParentFolder)
{
    KatalogTestowy dir;
    const QString plik = dir.plik(QStringLiteral("a/b.txt"));
    menedzer.odmawiaj = true;
    DesktopServices::shared()->revealInFileManager(plik);
    ASSERT_TRUE(poczekaj([&] { return !otwarte.isEmpty(); }));
    EXPECT_EQ(otwarte, QStringList{dir.sciezka(QStringLiteral("a"))});
}

TEST_F(PrywatnaSzynaSesji, AFolderOpensWithItsItemsSelectedOrAloneAndFallsBackToGio)
{
    KatalogTestowy dir;
    const QString katalog = dir.katalog(QStringLiteral("Potok"));
    const QString a = dir.plik(QStringLiteral("Potok/b.txt")), b = dir.plik(QStringLiteral("Potok/a.txt"));
    const auto uri = [](const QString &sciezka) {
        return QString::fromLatin1(QUrl::fromLocalFile(sciezka).toEncoded());
    };
    const struct
    {
        bool odmawia;
        QStringList zaznaczone, pokazane, foldery, otwarte;
    } przypadki[] = {
        {false, {a, b}, {uri(a), uri(b)}, {}, {}},
        {false, {}, {}, {uri(katalog)}, {}},
        {true, {a, b}, {}, {}, {katalog}},
        {true, {}, {}, {}, {katalog}},
    };
    for (const auto &p : przypadki) {
        menedzer.pokazane.clear();
        menedzer.foldery.clear();
        otwarte.clear();
        menedzer.odmawiaj = p.odmawia;
        DesktopServices::shared()->openFolderInFileManager(katalog, p.zaznaczone);
        EXPECT_TRUE(poczekaj([&] { return menedzer.pokazane.size() + menedzer.foldery.size() + otwarte.size() > 0; }));
        EXPECT_EQ(menedzer.pokazane, p.pokazane) << "in the given order";
        EXPECT_EQ(menedzer.foldery, p.foldery);
        EXPECT_EQ(otwarte, p.otwarte);
    }
}

} // namespace

#include "DesktopServicesTest.moc"
