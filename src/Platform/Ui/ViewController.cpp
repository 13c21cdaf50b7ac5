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
    if (!m_viewLoaded) {
        m_viewLoaded = true;
        loadView();
        awakeFromNib();
    }
    return m_view;
}

QWidget *ViewController::takeView()
{
    QWidget *widok = view();
    m_viewTaken = widok != nullptr;
    return widok;
}

void ViewController::setView(QWidget *widok)
{
    m_viewLoaded = true;
    if (m_view == widok)
        return;
    if (m_view) {
        LancuchResponderow::ustawKontrolerWidoku(m_view, nullptr);
        if (!m_viewTaken && !m_view->parent())
            delete m_view.data();
    }
    m_viewTaken = false;
    m_view = widok;
    if (m_view)
        LancuchResponderow::ustawKontrolerWidoku(m_view, this);
}

void ViewController::loadView()
{
    setView(new QWidget);
}

void ViewController::awakeFromNib()
{
}
