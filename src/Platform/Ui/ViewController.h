#pragma once

#include "Responder.h"

#include <QPointer>
#include <QWidget>

// A controller that owns a widget tree. It follows its view in the responder chain, so commands
// from inside the view reach it before the view's parent widget.
class ViewController : public Responder
{
    Q_OBJECT

public:
    explicit ViewController(QObject *rodzic = nullptr);
    // Deletes the view only while neither a widget nor an owner has taken it in.
    ~ViewController() override;

    // The view, built by loadView (followed by awakeFromNib) on the first call.
    QWidget *view();
    // The view, handed to an owner outside the widget tree (a tab): the controller still
    // follows it but never deletes it.
    QWidget *takeView();
    // Gives the controller its view; a view set from outside is not followed by awakeFromNib.
    // A former view that no widget has taken in is deleted.
    void setView(QWidget *widok);
    bool isViewLoaded() const { return !m_view.isNull(); }
    // The view without loading it; null before the first view() or setView().
    QWidget *loadedView() const { return m_view; }

protected:
    // Builds the widget tree and hands its root to setView; by default an empty widget.
    virtual void loadView();
    // Called once, right after loadView, when the controller's widgets exist.
    virtual void awakeFromNib();

private:
    QPointer<QWidget> m_view;
    bool m_viewLoaded = false;
    bool m_viewTaken = false;
};
