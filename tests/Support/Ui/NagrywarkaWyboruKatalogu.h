#pragma once

#include "Platform/Ui/FolderChooser.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <optional>

// Stands in for the folder chooser while it lives: records every request and answers from a
// script on the next turn of the event loop, as a dialog would; "cancelled" once the script
// runs out.
class NagrywarkaWyboruKatalogu : public FolderChooser
{
public:
    struct Wpis
    {
        Request prosba;
        QPointer<QWidget> okno;
    };

    explicit NagrywarkaWyboruKatalogu(QList<std::optional<QString>> odpowiedzi = {});
    ~NagrywarkaWyboruKatalogu() override;

    void dodajOdpowiedz(const std::optional<QString> &odpowiedz) { m_odpowiedzi.append(odpowiedz); }
    const QList<Wpis> &wpisy() const { return m_wpisy; }

    void choose(QWidget *okno, const Request &prosba, Completion zakonczenie) override;

private:
    QList<std::optional<QString>> m_odpowiedzi;
    QList<Wpis> m_wpisy;
    FolderChooser *m_poprzedni = nullptr;
};
