#pragma once

#include "Browser/TabKit/TabContents.h"

#include <QLabel>
#include <QObject>

#include <memory>

// A tab as concrete tabs are: a view, a title, and a controller it owns.
class TestTab : public TabContents
{
public:
    explicit TestTab(const QString &title)
        : m_controller(std::make_unique<QObject>())
    {
        setTitle(title);
        setView(new QLabel(title));
        m_controller->setObjectName(title);
    }

    QObject *controller() const { return m_controller.get(); }

    bool becomeFirstResponder() override
    {
        ++timesBecameFirstResponder;
        return TabContents::becomeFirstResponder();
    }

    int timesBecameFirstResponder = 0;

private:
    std::unique_ptr<QObject> m_controller;
};
