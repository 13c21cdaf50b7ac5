#pragma once

#include "Archiwum.h"
#include "ArchiwumPotoku.h"
#include "BazaFasolek.h"
#include "BibliotekaMatRef.h"
#include "BytKatalogu.h"
#include "BytSystemuPlikow.h"
#include "Fasolka.h"
#include "PobraneRzeczy.h"
#include "Potok.h"
#include "Relacje.h"
#include "RzeczWBazieFasolekZKatalogiem.h"
#include "RzeczyNaBiurku.h"

// Every relation of the graph with its inverse. Mutations go through these descriptors only.
struct RelacjeModelu
{
    static inline const RelacjaJedenDoJednego<BazaFasolek, BytKatalogu> katalogBazy{
        &BazaFasolek::m_katalog, &BytKatalogu::m_bazaFasolek, &BazaFasolek::katalogChanged,
        &BytKatalogu::bazaFasolekChanged};
    static inline const RelacjaJedenDoWielu<BazaFasolek, Potok> potoki{
        &BazaFasolek::m_potoki, &Potok::m_bazaFasolek, &BazaFasolek::potokiChanged, &Potok::bazaFasolekChanged};
    static inline const RelacjaJedenDoJednego<BazaFasolek, Archiwum> archiwumBazy{
        &BazaFasolek::m_archiwum, &Archiwum::m_bazaFasolek, &BazaFasolek::archiwumChanged,
        &Archiwum::bazaFasolekChanged};
    static inline const RelacjaJedenDoJednego<BazaFasolek, BibliotekaMatRef> bibliotekaMatRef{
        &BazaFasolek::m_bibliotekaMatRef, &BibliotekaMatRef::m_bazaFasolek, &BazaFasolek::bibliotekaMatRefChanged,
        &BibliotekaMatRef::bazaFasolekChanged};
    static inline const RelacjaJedenDoJednego<BazaFasolek, PobraneRzeczy> pobraneRzeczy{
        &BazaFasolek::m_pobraneRzeczy, &PobraneRzeczy::m_bazaFasolek, &BazaFasolek::pobraneRzeczyChanged,
        &PobraneRzeczy::bazaFasolekChanged};
    static inline const RelacjaJedenDoJednego<BazaFasolek, RzeczyNaBiurku> rzeczyNaBiurku{
        &BazaFasolek::m_rzeczyNaBiurku, &RzeczyNaBiurku::m_bazaFasolek, &BazaFasolek::rzeczyNaBiurkuChanged,
        &RzeczyNaBiurku::bazaFasolekChanged};

    static inline const RelacjaJedenDoJednego<Potok, BytSystemuPlikow> bytPotoku{
        &Potok::m_bytPotoku, &BytSystemuPlikow::m_potok, &Potok::bytPotokuChanged, &BytSystemuPlikow::potokChanged};
    static inline const RelacjaJedenDoJednego<Potok, BytKatalogu> katalogRzeczyPotoku{
        &Potok::m_katalogRzeczyPotoku, &BytKatalogu::m_zBytuKataloguDoPotoku, &Potok::katalogRzeczyPotokuChanged,
        &BytKatalogu::zBytuKataloguDoPotokuChanged};
    static inline const RelacjaJedenDoWielu<Potok, Fasolka> fasolkiPotoku{
        &Potok::m_fasolki, &Fasolka::m_potok, &Potok::fasolkiChanged, &Fasolka::ogloszZmianePotoku};

    static inline const RelacjaJedenDoJednego<Fasolka, BytSystemuPlikow> bytFasolki{
        &Fasolka::m_bytFasolki, &BytSystemuPlikow::m_zBytuSystemuPlikowDoFasolki, &Fasolka::ogloszZmianeBytuFasolki,
        &BytSystemuPlikow::zBytuSystemuPlikowDoFasolkiChanged};
    static inline const RelacjaJedenDoJednego<Fasolka, BytKatalogu> katalogFasolki{
        &Fasolka::m_katalog, &BytKatalogu::m_zBytuKataloguDoFasolki, &Fasolka::katalogChanged,
        &BytKatalogu::zBytuKataloguDoFasolkiChanged};

    static inline const RelacjaJedenDoJednego<RzeczWBazieFasolekZKatalogiem, BytKatalogu> katalogRzeczy{
        &RzeczWBazieFasolekZKatalogiem::m_katalog, &BytKatalogu::m_rzeczZKatalogiem,
        &RzeczWBazieFasolekZKatalogiem::katalogChanged, &BytKatalogu::rzeczZKatalogiemChanged};
    static inline const RelacjaJedenDoWielu<Archiwum, ArchiwumPotoku> archiwaPotokow{
        &Archiwum::m_archiwaPotokow, &ArchiwumPotoku::m_archiwum, &Archiwum::archiwaPotokowChanged,
        &ArchiwumPotoku::archiwumChanged};
    static inline const RelacjaJedenDoWielu<ArchiwumPotoku, Fasolka> fasolkiArchiwumPotoku{
        &ArchiwumPotoku::m_fasolki, &Fasolka::m_archiwumPotoku, &ArchiwumPotoku::fasolkiChanged,
        &Fasolka::ogloszZmianeArchiwumPotoku};

    static inline const RelacjaJedenDoWielu<BytKatalogu, BytSystemuPlikow> bytyWewnetrzne{
        &BytKatalogu::m_bytyWewnetrzne, &BytSystemuPlikow::m_katalogNadrzedny, &BytKatalogu::bytyWewnetrzneChanged,
        &BytSystemuPlikow::katalogNadrzednyChanged};
};
