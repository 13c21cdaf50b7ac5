// The floor of StartProgramu: a bare Qt Widgets program that opens an empty main window of the
// size of the program's first browser window and reports its first paint as the program does.

#include "Platform/Ui/ZgloszeniePierwszegoMalowania.h"
#include "Platform/ZnacznikiStartu.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    ZnacznikiStartu::zaznacz(ZnacznikiStartu::etapMain);
    QApplication aplikacja(argc, argv);
    ZnacznikiStartu::zaznacz(ZnacznikiStartu::etapAplikacji);
    ZgloszeniePierwszegoMalowania::zainstalujJesliZadane();
    QMainWindow okno;
    okno.resize(960, 640);
    okno.show();
    return aplikacja.exec();
}
