#pragma once

#include "ProtokolObserwatoraZmianNaDysku.h"
#include "SCEventListenerProtocol.h"

#include "Platform/StrumienInotify.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class QObject;

// The portfolio's disk watcher: follows "All Beans" and "Archived Beans" and has the model
// object that stands for each changed folder, or most deeply contains it, re-read itself.
// Within one batch each object re-reads itself once, in the order first reported; PartiaZmianNaDysku
// tells when a batch starts and ends being applied.
class ObserwatorZmianNaDysku : public ProtokolObserwatoraZmianNaDysku, public SCEventListenerProtocol
{
public:
    static constexpr double domyslneOpoznienie = 1.0;

    // `odstepSpojrzen`: seconds between two looks at the folders the system's watch limit leaves
    // without a watch.
    explicit ObserwatorZmianNaDysku(double opoznienie = domyslneOpoznienie,
                                    double odstepSpojrzen = StrumienInotify::domyslnyOdstepSpojrzen);
    ~ObserwatorZmianNaDysku() override;

    // Makes every bean database built from now on start a watcher with this latency.
    static void zainstaluj(double opoznienie = domyslneOpoznienie,
                           double odstepSpojrzen = StrumienInotify::domyslnyOdstepSpojrzen);

    void setupEventListener() override;
    void updateEventListenerAfterUrlBazowyChange() override;
    // "All Beans" and "Archived Beans" of the current location.
    QStringList paths() const;

    void pathWatcherEventOccurred(SCEvents *pathWatcher, const SCEvent &event) override;
    void pathWatcherBatchEnded(SCEvents *pathWatcher) override;
    void zsynchronizujObiektyModeluDlaSciezki(const QString &sciezka);
    void odczytajPokazanyObiekt(QObject *obiekt) override;

    // The stream, once set up.
    SCEvents *events() const { return m_events.get(); }

private:
    static QObject *obiektDoOdczytuDlaSciezki(const QString &sciezka);

    double m_opoznienie;
    double m_odstepSpojrzen;
    std::unique_ptr<SCEvents> m_events;
    QSet<QObject *> m_odczytaneWPartii;
    // Between the first event of a batch and its end, as PartiaZmianNaDysku tells.
    bool m_stosujePartie = false;
};
