#include "ui/windows.h"

#include <QScreen>

namespace {

void bringToFront(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

Windows::Windows(Platform& platform, QObject* parent) : QObject(parent), platform_(platform) {}

Windows::~Windows() {
    delete computerGame_;
    delete rules_;
    delete table_;
}

void Windows::showTable() {
    if (table_ == nullptr) {
        table_ = new FrmCPF(platform_);
        table_->setAttribute(Qt::WA_DeleteOnClose);
        connect(table_, &FrmCPF::rulesRequested, this, &Windows::showRules);
        connect(table_, &FrmCPF::computerGameRequested, this, &Windows::showComputerGame);
        emit tableBuilt(table_);
    }
    bringToFront(table_);
}

void Windows::showRules() {
    if (rules_ == nullptr) {
        rules_ = new FrmPFrules;
        rules_->setAttribute(Qt::WA_DeleteOnClose);
        connect(rules_, &SecondaryWindow::returnToTableRequested, this, &Windows::showTable);
        placeBesideTable(rules_, 0);
    }
    bringToFront(rules_);
}

void Windows::showComputerGame() {
    if (computerGame_ == nullptr) {
        computerGame_ = new FrmCG;
        computerGame_->setAttribute(Qt::WA_DeleteOnClose);
        connect(computerGame_, &SecondaryWindow::returnToTableRequested, this, &Windows::showTable);
        placeBesideTable(computerGame_, 1);
    }
    bringToFront(computerGame_);
}

// Puts a new window to the right of the table, or else to its left, so that the table stays
// in view; where the screen has no room beside it, the window steps down and right from the
// table's corner, keeping the table's edge uncovered. The two Help windows step apart by
// cascade so that one does not hide the other.
void Windows::placeBesideTable(QWidget* window, int cascade) const {
    if (table_ == nullptr || !table_->isVisible())
        return;
    const QRect table = table_->frameGeometry();
    const QSize frame = table.size() - table_->size(); // the window manager's frame, if any
    const QSize size = window->size() + frame;
    const QRect room = table_->screen()->availableGeometry();
    const int step = 40 * cascade;

    QRect place(QPoint(table.right() + 1 + step, table.top() + step), size);
    if (!room.contains(place))
        place.moveTopRight(QPoint(table.left() - 1 - step, table.top() + step));
    if (!room.contains(place)) {
        place.moveTopLeft(table.topLeft() + QPoint(48, 48) * (cascade + 1));
        place.moveLeft(std::max(room.left(), std::min(place.left(), room.right() - size.width())));
        place.moveTop(std::max(room.top(), std::min(place.top(), room.bottom() - size.height())));
    }
    window->move(place.topLeft());
}
