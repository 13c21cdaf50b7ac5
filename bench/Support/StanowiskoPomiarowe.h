#pragma once

#include "Support/GeneratorPortfolio.h"

#include <QGuiApplication>

#include <functional>
#include <memory>
#include <string>

// Where a model benchmark runs: a temporary home that HOME and the per-user XDG folders point
// into before Qt reads them, the application, and a generated portfolio as the stored location.
// The graph and the home go with it.
class StanowiskoPomiarowe
{
public:
    // Makes the application once the home is in place; a widget benchmark makes a QApplication.
    using Aplikacja = std::function<std::unique_ptr<QGuiApplication>(int &argc, char **argv)>;

    // `wzorKatalogu` is the mkdtemp pattern of the home.
    StanowiskoPomiarowe(int &argc, char **argv, const char *wzorKatalogu, const Aplikacja &aplikacja = {});
    ~StanowiskoPomiarowe();

    // Lays out the portfolio in the home and stores it as the location; the process ends when
    // it cannot.
    GeneratorPortfolio::Wynik zbudujPortfolio(int potoki, int fasolkiNaPotok);

private:
    std::string m_dom;
    std::unique_ptr<QGuiApplication> m_aplikacja;
};
