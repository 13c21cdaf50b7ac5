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

    QList<QWidget *> okna() const;
    // Shown and not minimised.
    QList<QWidget *> widoczneOkna() const;
    static bool jestWidoczne(const QWidget *okno);

    template <typename T>
    QList<T *> oknaRodzaju() const
    {
        QList<T *> wynik;
        for (QWidget *okno : okna()) {
            if (auto *tegoRodzaju = qobject_cast<T *>(okno))
                wynik.append(tegoRodzaju);
        }
        return wynik;
    }

    // The main window of a kind: the last activated visible window of it.
    template <typename T>
    T *glowneOkno() const
    {
        for (T *okno : oknaRodzaju<T>()) {
            if (jestWidoczne(okno))
                return okno;
        }
        return nullptr;
    }

    // The main window of any kind: the last activated visible document window (no dialog,
    // panel or tool window).
    QWidget *glowneOkno() const;

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

private:
    WindowRegistry();
    static bool jestOknemAplikacji(const QWidget *widget);
    void przesunNaPoczatek(QWidget *okno);
    void dopiszNaKoniec(QWidget *okno);

    QList<QPointer<QWidget>> m_okna;
};
