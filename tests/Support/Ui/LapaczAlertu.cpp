#include "LapaczAlertu.h"

#include "Support/ZrzutOkna.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

void LapaczAlertu::lap(const QString &nazwaZrzutu, Okno okno)
{
    m_straznik.setInterval(20);
    QObject::connect(&m_straznik, &QTimer::timeout, [this, nazwaZrzutu, okno = std::move(okno)] {
        auto *okienko = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!okienko || !okienko->isVisible() || !QTest::qWaitForWindowExposed(okienko))
            return;
        m_straznik.stop();
        m_tekst = okienko->text();
        m_informacja = okienko->informativeText();
        QWidget *zaNim = okno ? okno() : nullptr;
        zrzutOkien(zaNim ? QList<QWidget *>{zaNim, okienko} : QList<QWidget *>{okienko}, nazwaZrzutu);
        m_zlapany = true;
        okienko->done(0);
        if (zaNim)
            zaNim->activateWindow();
    });
    m_straznik.start();
}
