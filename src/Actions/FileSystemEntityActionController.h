#pragma once

#include <QString>

class BytSystemuPlikow;
class Menu;
class QMenu;
struct IdentyfikatorProgramu;

// The Open With submenu of a file and the visibility of the context menu's item that holds it.
// Never instantiated.
class FileSystemEntityActionController
{
public:
    FileSystemEntityActionController() = delete;

    // The context menu's item with tag 2 shows for a file, and hides for a folder or no entity.
    static void zaktualizujWidocznoscMenuPodrzednegoOtworzWProgramieDlaBytu(QMenu *menu, const BytSystemuPlikow *byt);
    // Rebuilds the submenu: the default application "(default)" first and a separator, then every
    // other application for the file's type by name. Its items send otworzBytElementuWProgramie
    // to the menu's delegate with the application as their represented object.
    static void zaktualizujPodrzedneMenuOtworzWProgramieDlaBytu(Menu *podmenu, const BytSystemuPlikow *byt);

    // A key of the application's desktop entry, localised first; null when it has none.
    static QString infoValueForAppAndKey(const IdentyfikatorProgramu &program, const QString &klucz);
    // Every dot-separated component padded with zeros to three digits, so that versions compare
    // as strings: "1.10.2" gives "001.010.002"; "" gives "000", a null string a null string.
    static QString przepakujWersje(const QString &wersja);

    static constexpr int tagPozycjiOtworzWProgramie = 2;
};
