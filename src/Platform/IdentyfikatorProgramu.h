#pragma once

#include <QMetaType>
#include <QString>

// An application as the desktop knows it: the ID of its desktop entry ("org.example.Viewer.desktop").
// Menu items that open a file with an application carry it as their represented object.
struct IdentyfikatorProgramu
{
    QString desktopId;

    friend bool operator==(const IdentyfikatorProgramu &a, const IdentyfikatorProgramu &b)
    {
        return a.desktopId == b.desktopId;
    }
};

Q_DECLARE_METATYPE(IdentyfikatorProgramu)
