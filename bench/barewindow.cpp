// The yardstick for the game's start-up: an empty main window as large as the table window
// (792 by 554 pixels of client area under a menu bar's height), nothing in it.

#include "bench/startupprobe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("BARE"));
    window.resize(792, 573);
    StartupProbe::armIfAsked();
    window.show();
    return app.exec();
}
