#pragma once

#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/Responder.h"

#include <QList>
#include <QPointer>
#include <QSet>

// A responder that carries out the commands it is given, records them with their senders, and
// validates them as told.
class ResponderTestowy : public Responder
{
    Q_OBJECT

public:
    explicit ResponderTestowy(const QList<Akcja> &obslugiwane = {}, QObject *rodzic = nullptr)
        : Responder(rodzic)
    {
        for (Akcja akcja : obslugiwane) {
            addHandler(akcja, [this, akcja](QObject *nadawca) {
                wykonane.append(akcja);
                nadawcy.append(nadawca);
            });
        }
    }

    bool validateUserInterfaceItem(const ElementInterfejsu &element) override
    {
        walidowane.append(element.akcja());
        return !wylaczone.contains(element.akcja());
    }

    QSet<Akcja> wylaczone;
    QList<Akcja> wykonane;
    QList<QPointer<QObject>> nadawcy;
    QList<Akcja> walidowane;
};
