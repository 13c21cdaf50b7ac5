// The floor of StartProgramu: a bare Qt Widgets program that opens an empty main window of the
// size of the program's first browser window and reports its first paint as the program does.

#include "Platform/Ui/ZgloszeniePierwszegoMalowania.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication aplikacja(argc, argv);
    ZgloszeniePierwszegoMalowania::zainstalujJesliZadane();
    QMainWindow okno;
    okno.resize(960, 640);
    okno.show();
    return aplikacja.exec();
}
