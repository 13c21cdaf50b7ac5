#pragma once

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>
#include <QString>

// A name as the lists search and order it: folded for "contains" without regard to case and
// accents, and the collation key of the name order. Made once per name, not once per read.
class KluczeNazwy
{
public:
    explicit KluczeNazwy(const QString &nazwa);

    // Decomposed, non-spacing marks dropped, case folded: "É" and "e" fold alike.
    static QString zloz(const QString &tekst);
    // The language names are compared in; the C locale would compare code points.
    static QLocale jezykPorownania();
    // The one case-insensitive collator of the name order, so that cached keys compare alike.
    static const QCollator &kolator();
    // A collator of its own for another thread, whose keys compare alike with the shared one's.
    static QCollator nowyKolator();

    // The name the keys were made from.
    const QString &nazwa() const { return m_nazwa; }
    const QString &zlozona() const { return m_zlozona; }
    const QCollatorSortKey &kluczSortu() const { return m_kluczSortu; }

private:
    QString m_nazwa;
    QString m_zlozona;
    QCollatorSortKey m_kluczSortu;
};
