#pragma once

#include <QString>

// A name as lists, outlines and titles draw it: each control character (C0 and DEL) becomes its
// visible symbol from the Control Pictures block, and every other character that breaks a line
// the newline symbol, so a line break in a name never spills into the next row. Only for
// display; editors and the disk keep the real name.
QString tekstNaJednejLinii(const QString &nazwa);
