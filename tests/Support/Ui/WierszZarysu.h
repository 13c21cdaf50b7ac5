#pragma once

#include <QModelIndex>
#include <QString>

class KontrolerDrzewa;

// The row of `sciezka` ("folder/file") below a folder outline's shown folder, reading the
// folders on the way; invalid when a name is not there.
QModelIndex wierszZarysu(KontrolerDrzewa *drzewo, const QString &sciezka);
