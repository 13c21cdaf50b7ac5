#pragma once

#include <QString>

class QObject;

// Maps a path reported from outside (a changed folder, a dragged file, a drop target) to the
// model object that stands for it or most deeply contains it, and holds the one containment
// and equality test of paths used across the model and the disk. Stateless.
class AnalizatorUrlaModelu
{
public:
    AnalizatorUrlaModelu() = delete;

    // Whether `url1` lies in the folder `url2` or is it, compared component-wise as spelled on disk;
    // `jestRowny`, when given, receives whether the two are the same path.
    static bool url1ZawieraSieWIJestRowny(const QString &url1, const QString &url2, bool *jestRowny = nullptr);
    static bool firstURLIsEqualTo(const QString &url1, const QString &url2);
    // Strictly inside: contained and not equal.
    static bool firstURLIsContainedIn(const QString &url1, const QString &url2);

    // The deepest model object whose file or folder is the URL or contains it: the bean
    // database, a flow, a bean, the archive, a flow archive, a special item, or a file-system
    // entity inside a folder bean or a flow-items folder; nullptr outside them. Only folders
    // whose children were already read are descended into, so a lookup never reads the disk.
    static QObject *znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(const QString &url, bool *jestRowny = nullptr);
    // The model object that strictly contains the URL, without descending into folder entities:
    // for an item, its container.
    static QObject *znajdzObiektZawierajacyURL(const QString &url);
};
