#include "KluczeNazwy.h"

KluczeNazwy::KluczeNazwy(const QString &nazwa)
    : m_nazwa(nazwa)
    , m_zlozona(zloz(nazwa))
    , m_kluczSortu(kolator().sortKey(nazwa))
{
}

QString KluczeNazwy::zloz(const QString &tekst)
{
    const QString rozlozony = tekst.normalized(QString::NormalizationForm_D);
    QString bezZnakow;
    bezZnakow.reserve(rozlozony.size());
    for (const QChar znak : rozlozony) {
        if (znak.category() != QChar::Mark_NonSpacing)
            bezZnakow.append(znak);
    }
    return bezZnakow.toCaseFolded();
}

QLocale KluczeNazwy::jezykPorownania()
{
    const QLocale systemowy;
    return systemowy.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : systemowy;
}

QCollator KluczeNazwy::nowyKolator()
{
    QCollator nowy(jezykPorownania());
    nowy.setCaseSensitivity(Qt::CaseInsensitive);
    return nowy;
}

const QCollator &KluczeNazwy::kolator()
{
    static const QCollator kolator = nowyKolator();
    return kolator;
}
