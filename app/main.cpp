// Pipfall: a dice game against the house, played at one table window.

#include "table/die.h"
#include "ui/frmcpf.h"
#include "ui/qtmessagebox.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pipfall"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pipfall"));

    ClockDieSource die;
    FilePictureLoader pictures;
    QtMessageBox messages;
    Platform platform{die, pictures, messages};

    // The die pictures are read on every roll; make sure they are there before play starts.
    if (const auto fault = checkDiePictures(pictures)) {
        QMessageBox::critical(nullptr, QStringLiteral("Pipfall"),
                              *fault + QStringLiteral(" Pipfall cannot start without it."));
        return 1;
    }

    auto* table = new FrmCPF(platform);
    table->setAttribute(Qt::WA_DeleteOnClose);
    messages.setParentWindow(table);
    table->show();
    return app.exec();
}
