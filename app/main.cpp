// Pipfall: a dice game against the house, played at one table window.

#ifdef PIPFALL_STARTUP_PROBE
#include "bench/startupprobe.h"
#endif
#include "table/die.h"
#include "table/texts.h"
#include "ui/qtmessagebox.h"
#include "ui/windows.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    // The menu bar belongs to the table window, above its client area, as the layout has it,
    // never to a global menu bar of the desktop's (which Qt would ask the session bus about).
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pipfall"));
    // No display name: Qt would append it to every caption ("PIPFALL — Pipfall"), and the
    // windows' captions are exactly "PIPFALL", "PIPFALL RULES" and "PIPFALL-On the computer".

    ClockDieSource die;
    FilePictureLoader pictures(installedPictureFolder()); // after the working directory
    QtMessageBox messages;
    Platform platform{die, pictures, messages};

    // The die pictures are read on every roll; make sure they are there before play starts.
    if (const auto fault = checkDiePictures(pictures)) {
        QMessageBox::critical(nullptr, QStringLiteral("Pipfall"), *fault + text::CannotStart);
        return 1;
    }

    // The program runs until its last window closes: closing the table while a Help window is
    // open leaves that window, which can bring back a fresh table.
    Windows windows(platform);
    QObject::connect(&windows, &Windows::tableBuilt, &windows,
                     [&messages](FrmCPF* table) { messages.setParentWindow(table); });
#ifdef PIPFALL_STARTUP_PROBE
    StartupProbe::armIfAsked(); // only in the benchmark's build of the game
#endif
    windows.showTable();
    return app.exec();
}
