#include "ListwaFiltra.h"

#include "WidokListwyZakresu.h"

#include "Platform/Opoznienia.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QStyle>

ListwaFiltra::ListwaFiltra(ListwaZakresu *listwa, QWidget *rodzic)
    : QWidget(rodzic)
{
    setObjectName(QStringLiteral("widokListwyFiltra"));
    auto *uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(0, 0, 6, 0);
    uklad->setSpacing(6);
    // The scope buttons keep their size; the search field shares the room with the bar's stretch up
    // to its width and gives way down to its minimum before any button would be cut.
    if (listwa) {
        m_widokListwyZakresu = new WidokListwyZakresu(listwa, this);
        m_widokListwyZakresu->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        uklad->addWidget(m_widokListwyZakresu);
    } else {
        uklad->addSpacerItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
    }

    m_poleWyszukiwarki = new QLineEdit(this);
    m_poleWyszukiwarki->setObjectName(QStringLiteral("poleWyszukiwarki"));
    m_poleWyszukiwarki->setClearButtonEnabled(true);
    m_poleWyszukiwarki->setPlaceholderText(tr("Search"));
    m_poleWyszukiwarki->setMinimumWidth(najwezszePoleWyszukiwarki);
    m_poleWyszukiwarki->setMaximumWidth(najszerszePoleWyszukiwarki);
    m_poleWyszukiwarki->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_poleWyszukiwarki->addAction(
        QIcon::fromTheme(QStringLiteral("edit-find"), style()->standardIcon(QStyle::SP_FileDialogContentsView)),
        QLineEdit::LeadingPosition);
    uklad->addWidget(m_poleWyszukiwarki);

    m_opoznienie.setSingleShot(true);
    m_opoznienie.setInterval(int(Opoznienia::biezace().frazaFiltra * 1000));
    connect(&m_opoznienie, &QTimer::timeout, this, &ListwaFiltra::podajFraze);
    connect(m_poleWyszukiwarki, &QLineEdit::textEdited, this, &ListwaFiltra::poEdycji);
    connect(m_poleWyszukiwarki, &QLineEdit::returnPressed, this, &ListwaFiltra::podajFraze);
}

void ListwaFiltra::przejdzDoWyszukiwarki()
{
    m_poleWyszukiwarki->setFocus(Qt::ShortcutFocusReason);
    m_poleWyszukiwarki->selectAll();
}

void ListwaFiltra::wyczyscFraze()
{
    m_poleWyszukiwarki->clear();
    podajFraze();
}

void ListwaFiltra::poEdycji(const QString &tekst)
{
    // An emptied field shows the whole list again without waiting.
    if (tekst.isEmpty())
        podajFraze();
    else
        m_opoznienie.start();
}

void ListwaFiltra::podajFraze()
{
    m_opoznienie.stop();
    emit frazaFiltraZmieniona(m_poleWyszukiwarki->text());
}
