#include "Model/SCEvents.h"
#include "Model/ObserwatorZmianNaDysku.h"
#include "Model/SCEventListenerProtocol.h"

#include "Support/CzasyOczekiwania.h"
#include "Support/KatalogTestowy.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Nagrywacz : public SCEventListenerProtocol
{
public:
    void pathWatcherEventOccurred(SCEvents *pathWatcher, const SCEvent &event) override
    {
        (void)pathWatcher;
        zdarzenia.append(event);
    }
    void pathWatcherBatchEnded(SCEvents *pathWatcher) override
    {
        (void)pathWatcher;
        ++partie;
    }
    QStringList sciezki() const
    {
        QStringList wynik;
        for (const SCEvent &event : zdarzenia)
            wynik << event.eventPath();
        return wynik;
    }

    QList<SCEvent> zdarzenia;
    int partie = 0;
};

void zapisz(const QString &katalog)
{
    QFile plik(katalog + QStringLiteral("/zmiana.txt"));
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly | QIODevice::Append));
    plik.write("x");
}

StrumienInotify::Zdarzenie zdarzenie(quint64 id, const QString &sciezka, quint32 flagi = 0)
{
    return {id, sciezka, flagi};
}

class SCEventsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        korzen = dysk.katalog(QStringLiteral("root"));
        for (const char *wzgledna : {"root/a/b/c", "root/a/bc", "root/a/c"})
            dysk.katalog(QString::fromLatin1(wzgledna));
        events.setDelegate(&nagrywacz);
        events.setNotificationLatency(0.05);
    }

    bool uruchomIZaczekaj()
    {
        return events.startWatchingPaths({korzen})
               && QTest::qWaitFor([&] { return events.liczbaObserwowanychKatalogow() == 6; }, czasNaZdarzenieMs);
    }
    QString P(const QString &wzgledna) const { return korzen + QLatin1Char('/') + wzgledna; }
    void zapiszWeWszystkich()
    {
        for (const char *wzgledna : {"a/b", "a/b/c", "a/bc", "a/c"})
            zapisz(P(QString::fromLatin1(wzgledna)));
    }

    KatalogTestowy dysk;
    QString korzen;
    Nagrywacz nagrywacz;
    SCEvents events;
};

TEST_F(SCEventsTest, StartsAndStopsOnlyFromTheMatchingState)
{
    EXPECT_FALSE(events.isWatchingPaths());
    EXPECT_FALSE(events.stopWatchingPaths());
    EXPECT_FALSE(events.flushEventStreamSync());
    EXPECT_TRUE(events.streamDescription().isEmpty());
    EXPECT_FALSE(events.startWatchingPaths({})) << "no paths, no stream";
    EXPECT_FALSE(events.isWatchingPaths());

    ASSERT_TRUE(uruchomIZaczekaj());
    EXPECT_TRUE(events.isWatchingPaths());
    EXPECT_EQ(events.watchedPaths(), QStringList{korzen});
    EXPECT_FALSE(events.startWatchingPaths({P(QStringLiteral("a"))})) << "a start while watching is refused";
    EXPECT_EQ(events.watchedPaths(), QStringList{korzen}) << "and changes nothing";
    EXPECT_TRUE(events.streamDescription().contains(korzen));

    zapisz(P(QStringLiteral("a/c")));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return nagrywacz.sciezki().contains(P(QStringLiteral("a/c"))); }, czasNaZdarzenieMs))
        << "the running stream goes on";

    EXPECT_TRUE(events.stopWatchingPaths());
    EXPECT_FALSE(events.isWatchingPaths());
    nagrywacz.zdarzenia.clear();
    zapisz(P(QStringLiteral("a/c")));
    przeczekajCisze();
    EXPECT_TRUE(nagrywacz.zdarzenia.isEmpty()) << "nothing after a stop";
}

TEST_F(SCEventsTest, ExcludedPathDropsItselfAndEverythingThatBeginsWithIt)
{
    events.setExcludedPaths({P(QStringLiteral("a/b"))});
    ASSERT_TRUE(uruchomIZaczekaj());

    zapiszWeWszystkich();
    ASSERT_TRUE(events.flushEventStreamSync());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return nagrywacz.sciezki().contains(P(QStringLiteral("a/c"))); }, czasNaZdarzenieMs));
    przeczekajCisze();
    EXPECT_EQ(nagrywacz.sciezki(), QStringList{P(QStringLiteral("a/c"))}) << "the plain prefix drops a/bc as well";

    ASSERT_TRUE(events.stopWatchingPaths());
    events.setIgnoreEventsFromSubDirs(false);
    ASSERT_TRUE(uruchomIZaczekaj());
    nagrywacz.zdarzenia.clear();
    zapiszWeWszystkich();
    ASSERT_TRUE(QTest::qWaitFor([&] { return nagrywacz.sciezki().size() == 3; }, czasNaZdarzenieMs));
    przeczekajCisze();
    QStringList sciezki = nagrywacz.sciezki();
    sciezki.sort();
    EXPECT_EQ(sciezki, (QStringList{P(QStringLiteral("a/b/c")), P(QStringLiteral("a/bc")), P(QStringLiteral("a/c"))}))
        << "without sub-folders only the excluded path itself is dropped";
    ASSERT_TRUE(events.lastEvent().has_value());
    EXPECT_EQ(events.lastEvent()->eventPath(), nagrywacz.zdarzenia.last().eventPath());
    EXPECT_EQ(events.lastEvent()->eventId(), nagrywacz.zdarzenia.last().eventId());
}

TEST_F(SCEventsTest, CallbackTrimsOneTrailingSlashAndKeepsTheLastDeliveredEvent)
{
    events.setExcludedPaths({QStringLiteral("/a/b")});

    SCEvents::eventStreamCallback(&events,
                                  {zdarzenie(1, QStringLiteral("/x/y/")), zdarzenie(2, QStringLiteral("/"), 0x20)});
    EXPECT_EQ(nagrywacz.sciezki(), (QStringList{QStringLiteral("/x/y"), QStringLiteral("/")}));
    EXPECT_EQ(nagrywacz.partie, 1);
    ASSERT_TRUE(events.lastEvent().has_value());
    EXPECT_EQ(events.lastEvent()->eventPath(), QStringLiteral("/"));
    EXPECT_EQ(events.lastEvent()->eventId(), 2u);
    EXPECT_EQ(events.lastEvent()->eventFlags(), 0x20);

    SCEvents::eventStreamCallback(&events,
                                  {zdarzenie(3, QStringLiteral("/p")), zdarzenie(4, QStringLiteral("/a/b/c"))});
    EXPECT_EQ(nagrywacz.sciezki().last(), QStringLiteral("/p"));
    EXPECT_EQ(nagrywacz.partie, 2) << "a batch ends also when its last path was dropped";
    EXPECT_EQ(events.lastEvent()->eventId(), 2u) << "a dropped last path keeps the earlier event";

    SCEvents::eventStreamCallback(&events, {zdarzenie(5, QStringLiteral("/a/b")), zdarzenie(6, QStringLiteral("/q"))});
    EXPECT_EQ(nagrywacz.sciezki().last(), QStringLiteral("/q")) << "a dropped path drops only itself";
    EXPECT_EQ(events.lastEvent()->eventId(), 6u);

    EXPECT_EQ(SCEvents::pathByRemovingTrailingSlash(QStringLiteral("/x/y/")), QStringLiteral("/x/y"));
    EXPECT_EQ(SCEvents::pathByRemovingTrailingSlash(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(SCEvents::pathByRemovingTrailingSlash(QStringLiteral("/x")), QStringLiteral("/x"));
}

} // namespace
