#pragma once

// The waits the program puts between a user's act and its effect, in seconds, in one place. The program keeps
// these values; tests set short ones (in the same proportions) so that they wait on results, not on the clock.
struct Opoznienia
{
    // A folder's outline reloads this long after each change of its node, one reload per change.
    double przeladowanieKatalogu = 0.5;
    // Lists, outlines and the navigation bar carry a drop out this long after it, once its drag has ended.
    double wykonanieZrzutu = 0.2;
    // The filter field hands its phrase on after this pause in the typing.
    double frazaFiltra = 0.15;
    // The wizard checks a chosen folder this long after the chooser closed.
    double sprawdzenieWybranegoKatalogu = 0.5;
    // A button's press or a chooser's answer that opens a panel or an alert waits until its own event has ended.
    double poZakonczeniuKlikniecia = 0.1;
    // Creating or using a portfolio answers no sooner than this, so that its progress page is seen.
    double odpowiedzUtworzenia = 1.0;
    // The change of location closes its panel this long after the portfolio was created or used.
    double zamknieciePoUtworzeniu = 1.0;
    // The end of a migration, done or failed, is acted on this long after the move reported it.
    double koniecMigracji = 2.0;
    // The wizard shows the migration finished this long before its last page.
    double przejscieDoOstatniejStrony = 1.0;

    static const Opoznienia &biezace();
    // Tests only: the program never changes its waits. Set before the first test, not while one runs.
    static void ustawDlaTestow(const Opoznienia &opoznienia);
};
