#pragma once

#include <QList>

#include <cstdint>

class ElementyDlaPolecen;
class Fasolka;
class Menu;
class QObject;
class QWidget;

// The commands that open items without changing them: in the portfolio tab, in a new tab or
// window, in an application, in the file manager; and the bean menu's open items.
class PoleceniaOtwieraniaElementow
{
public:
    explicit PoleceniaOtwieraniaElementow(const ElementyDlaPolecen &elementy);

    void otworzFasolkeNaKarciePortfolio();
    // A folder bean in the window's portfolio tab (none: nothing), a file bean in its application.
    void operacjaOtworzFasolkeNaKarciePortfolio(Fasolka *fasolka);
    void nowaKartaFasolki();
    void noweOknoZKartaFasolki();
    // The sender's represented object names the application (an IdentyfikatorProgramu).
    void otworzBytElementuWProgramie(QObject *nadawca);
    void otworzBytyElementowWDomyslnychAplikacjach(QObject *nadawca);
    void otworzElementyWFinderze(QObject *nadawca);
    // The item's folder in the file manager, with the entry that leads to the secondary item selected.
    void operacjaOtworzElementWFinderze(QObject *element);
    void pokazElementWFinderze();
    void nowaKartaPortfolioZWidokiemElementu();
    void noweOknoZWidokiemElementuNaKarciePortfolio();

    // Open With shows for one file bean, Open in New Window for any folder bean among the items.
    static void zaktualizujMenuPodreczneFasolki(Menu *menu, const QList<QObject *> &elementy);

private:
    // The portfolio view kind of the single item, for the new tab and window commands.
    std::int32_t rodzajWidokuElementu() const;
    QWidget *widokNaKarcie() const;

    const ElementyDlaPolecen &m_elementy;
};
