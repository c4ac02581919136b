#include "ui/qtmessagebox.h"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

std::unique_ptr<QMessageBox> QtMessageBox::messageBox(const QString& text, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral("Pipfall"), text,
                                             QMessageBox::Ok, parent);
    box->button(QMessageBox::Ok)->setIcon(QIcon()); // a plain OK, as the table's own buttons
    // Qt keeps a column for the icon even when there is none, which pushes the text to the
    // right: take the column's spacer out and let the text span both columns.
    auto* grid = qobject_cast<QGridLayout*>(box->layout());
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (grid != nullptr && label != nullptr) {
        for (int i = grid->count() - 1; i >= 0; --i) {
            if (grid->itemAt(i)->spacerItem() != nullptr)
                delete grid->takeAt(i);
        }
        int row = 0;
        int column = 0;
        int rows = 0;
        int columns = 0;
        grid->getItemPosition(grid->indexOf(label), &row, &column, &rows, &columns);
        grid->removeWidget(label);
        grid->addWidget(label, row, 0, rows, 2);
    }
    return box;
}

int QtMessageBox::show(const QString& text) {
    messageBox(text, parent_)->exec();
    return 1; // the only button is OK
}

void QtMessageBox::showFault(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Pipfall"), text, QMessageBox::Ok,
                    parent_);
    box.exec();
}
