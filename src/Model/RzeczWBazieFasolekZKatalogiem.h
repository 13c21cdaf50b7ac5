#pragma once

#include "RzeczWBazieFasolek.h"
#include "StosCoreData.h"

#include "Platform/PreviewItem.h"

class BazaFasolek;
class BytKatalogu;

// An item that stands for one folder entity: the archive, a flow archive, the special folders.
class RzeczWBazieFasolekZKatalogiem : public RzeczWBazieFasolek, public PreviewItem
{
    Q_OBJECT

public:
    RzeczWBazieFasolekZKatalogiem() = default;

    BytKatalogu *katalog() const { return m_katalog; }
    void setKatalog(BytKatalogu *katalog);
    BazaFasolek *bazaFasolek() const { return m_bazaFasolek; }

    // Replaces the folder entity with a new one for `url`, reads its children and takes
    // the name and icon from it.
    void ustawKatalogOURLu(const QString &url);

    QString previewItemURL() const override;
    QString previewItemTitle() const override { return nazwa(); }

protected:
    // For the special items: a new item whose folder entity points at a special folder,
    // which is neither created nor read.
    template <class T>
    static T *wstawZKatalogiemSpecjalnym(int rodzajSpecUrla);
    static BytKatalogu *katalogSpecjalny(int rodzajSpecUrla);
    void synchronizujKatalog();

signals:
    void katalogChanged();
    void bazaFasolekChanged();

private:
    friend struct RelacjeModelu;

    BytKatalogu *m_katalog = nullptr;
    BazaFasolek *m_bazaFasolek = nullptr;
};

template <class T>
T *RzeczWBazieFasolekZKatalogiem::wstawZKatalogiemSpecjalnym(int rodzajSpecUrla)
{
    T *rzecz = StosCoreData::kontekstOZ()->wstaw<T>();
    rzecz->setKatalog(katalogSpecjalny(rodzajSpecUrla));
    return rzecz;
}
