#pragma once

#include "ZbiorObiektow.h"

#include <QObject>

class Archiwum;
class BibliotekaMatRef;
class BytKatalogu;
class PobraneRzeczy;
class Potok;
class RzeczyNaBiurku;

// The bean database, root of the graph: the flows of "All Beans" and the archive.
class BazaFasolek : public QObject
{
    Q_OBJECT

public:
    BazaFasolek() = default;

    BytKatalogu *katalog() const { return m_katalog; }
    void setKatalog(BytKatalogu *katalog);
    const ZbiorObiektow<Potok> &potoki() const { return m_potoki; }
    Archiwum *archiwum() const { return m_archiwum; }
    void setArchiwum(Archiwum *archiwum);
    BibliotekaMatRef *bibliotekaMatRef() const { return m_bibliotekaMatRef; }
    PobraneRzeczy *pobraneRzeczy() const { return m_pobraneRzeczy; }
    RzeczyNaBiurku *rzeczyNaBiurku() const { return m_rzeczyNaBiurku; }

signals:
    void katalogChanged();
    void potokiChanged(const QList<Potok *> &dodane, const QList<Potok *> &usuniete);
    void archiwumChanged();
    void bibliotekaMatRefChanged();
    void pobraneRzeczyChanged();
    void rzeczyNaBiurkuChanged();

private:
    friend struct RelacjeModelu;

    BytKatalogu *m_katalog = nullptr;
    ZbiorObiektow<Potok> m_potoki;
    Archiwum *m_archiwum = nullptr;
    BibliotekaMatRef *m_bibliotekaMatRef = nullptr;
    PobraneRzeczy *m_pobraneRzeczy = nullptr;
    RzeczyNaBiurku *m_rzeczyNaBiurku = nullptr;
};
