#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

// The program's top-level windows in the order they were last activated, most recent first;
// windows shown but never activated follow them. Main thread only.
class WindowRegistry : public QObject
{
    Q_OBJECT

public:
    // The first call starts following the windows; those already shown are taken in as found.
    static WindowRegistry &instance();

    QList<QWidget *> windows() const;
    // Shown and not minimised.
    QList<QWidget *> visibleWindows() const;
    static bool isShown(const QWidget *okno);

    template <typename T>
    QList<T *> windowsOfType() const
    {
        QList<T *> wynik;
        for (QWidget *okno : windows()) {
            if (auto *tegoRodzaju = qobject_cast<T *>(okno))
                wynik.append(tegoRodzaju);
        }
        return wynik;
    }

    // The main window of a kind: the last activated visible window of it.
    template <typename T>
    T *mainWindow() const
    {
        for (T *okno : windowsOfType<T>()) {
            if (isShown(okno))
                return okno;
        }
        return nullptr;
    }

    // The main window of any kind: the last activated visible document window (no dialog,
    // panel or tool window).
    QWidget *mainWindow() const;

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

private:
    WindowRegistry();
    static bool isApplicationWindow(const QWidget *widget);
    void moveToFront(QWidget *okno);
    void appendAtBack(QWidget *okno);

    QList<QPointer<QWidget>> m_windows;
};
