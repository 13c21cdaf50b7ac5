#include "ViewController.h"

#include "LancuchResponderow.h"

#include <QWidget>

ViewController::ViewController(QObject *rodzic)
    : Responder(rodzic)
{
}

ViewController::~ViewController()
{
    setView(nullptr);
}

QWidget *ViewController::view()
{
    if (!m_widokZaladowany) {
        m_widokZaladowany = true;
        loadView();
        awakeFromNib();
    }
    return m_widok;
}

QWidget *ViewController::takeView()
{
    QWidget *widok = view();
    m_viewTaken = widok != nullptr;
    return widok;
}

void ViewController::setView(QWidget *widok)
{
    m_widokZaladowany = true;
    if (m_widok == widok)
        return;
    if (m_widok) {
        LancuchResponderow::ustawKontrolerWidoku(m_widok, nullptr);
        if (!m_viewTaken && !m_widok->parent())
            delete m_widok.data();
    }
    m_viewTaken = false;
    m_widok = widok;
    if (m_widok)
        LancuchResponderow::ustawKontrolerWidoku(m_widok, this);
}

void ViewController::loadView()
{
    setView(new QWidget);
}

void ViewController::awakeFromNib()
{
}
