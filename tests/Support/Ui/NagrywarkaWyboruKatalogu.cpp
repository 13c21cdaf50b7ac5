#include "NagrywarkaWyboruKatalogu.h"

#include <QCoreApplication>

NagrywarkaWyboruKatalogu::NagrywarkaWyboruKatalogu(QList<std::optional<QString>> odpowiedzi)
    : m_odpowiedzi(std::move(odpowiedzi))
    , m_poprzedni(FolderChooser::replace(this))
{
}

NagrywarkaWyboruKatalogu::~NagrywarkaWyboruKatalogu()
{
    FolderChooser::replace(m_poprzedni);
}

void NagrywarkaWyboruKatalogu::choose(QWidget *okno, const Request &prosba, Completion zakonczenie)
{
    m_wpisy.append(Wpis{prosba, okno});
    const std::optional<QString> odpowiedz = m_odpowiedzi.isEmpty() ? std::nullopt : m_odpowiedzi.takeFirst();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [zakonczenie, odpowiedz] { zakonczenie(odpowiedz); }, Qt::QueuedConnection);
}
