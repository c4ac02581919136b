#include "app/pipfall.h"

#include "table/die.h"
#include "table/texts.h"
#include "ui/language.h"
#include "ui/picturefiles.h"
#include "ui/qtmessagebox.h"
#include "ui/windows.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#ifdef Q_OS_WASM
#include "web/page.h"
#endif

int runPipfall(int argc, char* argv[], const StartHooks& hooks) {
    // The menu bar belongs to the table window, above its client area, as the layout has it,
    // never to a global menu bar of the desktop's (which Qt would ask the session bus about).
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pipfall"));
    // No display name: Qt would append it to every caption ("PIPFALL — Pipfall"), and the
    // windows' captions are exactly "PIPFALL", "PIPFALL RULES" and "PIPFALL-On the computer".

    // The player's language, when the game speaks it; English otherwise.
#ifdef Q_OS_WIN
    // Windows has no locale variables: the display languages chosen in its settings decide.
    const QStringList uiLanguages = QLocale::system().uiLanguages();
    const GameLanguage language(chooseLanguage(uiLanguages.value(0), uiLanguages));
    // The die pictures are installed beside pipfall.exe.
    const QString pictureFolder = QCoreApplication::applicationDirPath();
#elif defined(Q_OS_WASM)
    // In the browser the languages the player prefers there decide, and the page reads out
    // in the same language; the die pictures and the fonts are built into the program.
    page::installFonts();
    const QStringList uiLanguages = page::preferredLanguages();
    const GameLanguage language(chooseLanguage(uiLanguages.value(0), uiLanguages));
    page::setLanguage(language.language());
    const QString pictureFolder = QStringLiteral(":/dice");
#else
    const GameLanguage language(playerLanguage());
    const QString pictureFolder = installedPictureFolder();
#endif

    ClockDieSource clockDie;
    FilePictureLoader pictures(pictureFolder); // after the working directory
    QtMessageBox boxes;
#ifdef Q_OS_WASM
    page::SpokenMessages messages(boxes);
#else
    MessageBox& messages = boxes;
#endif
    Platform platform{hooks.die != nullptr ? *hooks.die : clockDie, pictures, messages};

    // The die pictures are read on every roll; make sure they are there before play starts.
    if (const auto fault = checkDiePictures(pictures)) {
        QMessageBox::critical(nullptr, QStringLiteral("Pipfall"), *fault + text::CannotStart);
        return 1;
    }

    // The program runs until its last window closes: closing the table while a Help window is
    // open leaves that window, which can bring back a fresh table.
    Windows windows(platform);
    QObject::connect(&windows, &Windows::tableBuilt, &windows, [&boxes](FrmCPF* table) {
        boxes.setParentWindow(table);
#ifdef Q_OS_WASM
        page::attachTable(table);
#endif
    });
    if (hooks.beforeShow)
        hooks.beforeShow();
    windows.showTable();
    return app.exec();
}
