#pragma once

#include "Platform/BladOperacji.h"

#include "Support/MigawkaKatalogu.h"
#include "Support/PortfolioTestowe.h"
#include "Support/RachunekPlikow.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <initializer_list>
#include <random>
#include <string>

class Fasolka;
class Potok;
class SCEvents;

// A generated portfolio under a running graph and disk watcher, for stress and fault runs.
// Every file carries bytes of its own, counted by hash, so that a file lost, duplicated or
// changed anywhere in the base folder shows. After the watcher has delivered everything, the
// live graph must equal a fresh build of the same folder. Steps of the program (every model
// operation) and of "another program" (changes straight on disk) are drawn from one seeded
// generator, so a failure names the seed that replays it.
class PortfolioPodObciazeniem : public PortfolioTestowe
{
public:
    // The seed, the last steps and console lines, written to stderr by plain writes: a crash handler's version of
    // kontekst(), which allocates.
    void wypiszKontekstPoAwarii() const;

protected:
    void SetUp() override;
    void TearDown() override;

    // The process ends, naming the seed, when the test outlives this budget.
    static void ustawBudzetCzasu(int sekundy, const std::string &opis);

    // A folder of the base folder beside the portfolio: where other programs put things away.
    QString poza(const QString &wzgledna = {});
    static BazaFasolek *baza() { return BazaFasolek::sharedBazaFasolek(); }
    static SCEvents *events();

    // The account of files: bytes the base folder must hold, by hash.
    QByteArray nowaTresc();
    void zapiszPlik(const QString &sciezka, const QByteArray &tresc);
    void zapiszPlik(const QByteArray &sciezka, const QByteArray &tresc);
    // Bytes the program itself wrote (an expected outcome) join the account, or leave it.
    void doliczTresc(const QByteArray &tresc, const QString &gdzie, int ile = 1);
    // The account also counts the files below `katalog`, a folder outside the base folder (the Trash).
    void liczTakzeW(const QString &katalog) { m_rachunek.liczTakzeW(katalog); }
    // Copies of bytes the account holds, found now beyond it, join it: a duplicate or a copying drop made them.
    void przyjmijKopie() { m_rachunek.przyjmijKopie(); }
    // Deletes `sciezka` with everything below it, as another program would; the account writes off what went.
    void usunDrzewo(const QString &sciezka);

    // The watcher has delivered every change and watches every folder it can list.
    bool ustal();
    // Stops the watcher's thread, does `wPrzerwie` and starts it again, walking the trees anew.
    void wznowObserwacje(const std::function<void()> &wPrzerwie);
    // No file lost and the live graph equal to a fresh build; failures name `gdzie`.
    void sprawdzNiezmienniki(const QString &gdzie);
    void sprawdzPliki(const QString &gdzie);
    QStringList roznicaZeSwiezaBudowa();
    // Flows, beans and flow archives as plain lines, by NFC path below the portfolio.
    QStringList migawkaGrafu(BazaFasolek *baza) const;
    // Everything below the base folder, with inodes: what a failed operation must leave.
    QStringList stanDysku() const { return migawkaKatalogu(m_baza.sciezka(), true); }

    // One step, drawn from the generator.
    void krokProgramu();
    void krokInnegoProgramu();
    void zapiszWDzienniku(const QString &wpis);
    QString kontekst() const;

    int losuj(int n);
    int losujWedlugWag(std::initializer_list<int> wagi);
    bool szansa(int procent) { return losuj(100) < procent; }
    QString nowaNazwa(bool plik);
    QList<Fasolka *> fasolkiGrafu() const;
    QList<Potok *> potokiGrafu() const;

    // Read by SetUp: the environment variable that replays a seed, and how many journal lines a failure shows.
    const char *m_zmiennaZiarna = "TARROWIND_STRESS_SEED";
    size_t m_dlugoscDziennika = 60;
    // Cleared while a test makes listings fail: the watcher may then keep folders moved into an
    // unreadable one, which no listing counts.
    bool m_listingiDzialaja = true;
    quint64 m_ziarno = 0;
    std::mt19937_64 m_los;
    // Operation name -> {succeeded, failed}.
    QMap<QString, QPair<int, int>> m_statystyka;

private:
    struct Wpis
    {
        QString sciezka;
        bool katalog = false;
    };
    // Items below "All Beans" and "Archived Beans" that another program may touch.
    QList<Wpis> wpisyDrzewa(bool zKorzeniami) const;
    bool zmienNazweBezZastepowania(const QString &zrodlo, const QString &cel);
    void policz(const QString &operacja, bool udana);
    void sprawdzPoOperacji(const QString &opis, bool udana, const BladOperacji *blad, const QStringList &przed,
                           const std::function<QString()> &warunekPowodzenia);

    RachunekPlikow m_rachunek{m_baza.sciezka()};
    // UTF-8, so that a crash handler writes it as it stands.
    std::deque<QByteArray> m_dziennik;
    char m_naglowekKontekstu[160] = {};
    int m_licznikNazw = 0;
    int m_licznikTresci = 0;
};
