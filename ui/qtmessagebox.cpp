#include "ui/qtmessagebox.h"

#include <QMessageBox>
#include <QPushButton>

int QtMessageBox::show(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Pipfall"), text, QMessageBox::Ok, parent_);
    box.button(QMessageBox::Ok)->setIcon(QIcon()); // a plain OK, as the table's own buttons
    box.exec();
    return 1; // the only button is OK
}

void QtMessageBox::showFault(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Pipfall"), text, QMessageBox::Ok,
                    parent_);
    box.exec();
}
