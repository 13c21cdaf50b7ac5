#include "FileIcons.h"

#include "FileAttributes.h"
#include "ObrazyAplikacji.h"

#include <QAbstractFileIconProvider>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QMimeDatabase>

namespace {

// The type the icon should show: a link shows what it points to.
QMimeType typDlaIkony(const QString &path)
{
    static const QMimeDatabase bazaTypow;
    if (QFileInfo(path).isDir())
        return bazaTypow.mimeTypeForName(FileAttributes::typFolderu);
    return bazaTypow.mimeTypeForFile(path, QMimeDatabase::MatchExtension);
}

// The icon for a type is looked up once per icon theme: a folder shows thousands of rows of few types.
QIcon ikonaDlaTypu(const QMimeType &typ, const QString &path)
{
    static QHash<QString, QIcon> ikony;
    static QString motyw;
    if (motyw != QIcon::themeName()) {
        motyw = QIcon::themeName();
        ikony.clear();
    }
    if (const auto it = ikony.constFind(typ.name()); it != ikony.constEnd())
        return *it;
    QIcon ikona = QIcon::fromTheme(typ.iconName());
    if (ikona.isNull())
        ikona = QIcon::fromTheme(typ.genericIconName());
    if (ikona.isNull()) {
        static const QAbstractFileIconProvider dostawca;
        ikona = dostawca.icon(QFileInfo(path));
    }
    if (ikona.isNull())
        ikona = FileIcons::fallbackIcon(path);
    ikony.insert(typ.name(), ikona);
    return ikona;
}

} // namespace

QIcon FileIcons::iconForFile(const QString &path)
{
    // Without a GUI application there is no icon theme to ask (command-line tools, benchmarks).
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return fallbackIcon(path);
    return ikonaDlaTypu(typDlaIkony(path), path);
}

QIcon FileIcons::fallbackIcon(const QString &path)
{
    const QMimeType typ = typDlaIkony(path);
    if (typ.name() == FileAttributes::typFolderu)
        return ObrazyAplikacji::ikona(QStringLiteral("IkonaKatalogu"));
    if (typ.inherits(FileAttributes::typTekstu))
        return ObrazyAplikacji::ikona(QStringLiteral("IkonaPlikuTekstowego"));
    return ObrazyAplikacji::ikona(QStringLiteral("IkonaPliku"));
}
