#include "ui/windows.h"

#include <QScreen>

#include <algorithm>

namespace {

void bringToFront(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

// Places a window that has not shown yet centred on another, frame on frame, and moves it as
// little as it takes to lie whole on that window's screen. Its frame will be the other's,
// which the same desktop decorates alike. The position is set before the window first shows,
// as one the program asks for, which window managers keep.
void centreOn(QWidget* window, const QWidget* over) {
    const QRect frame = over->frameGeometry();
    const QRect client = over->geometry();
    const QMargins decoration(client.left() - frame.left(), client.top() - frame.top(),
                              frame.right() - client.right(), frame.bottom() - client.bottom());
    QRect placed(QPoint(), window->size().grownBy(decoration));
    placed.moveCenter(frame.center());
    const QRect screen = over->screen()->availableGeometry();
    placed.moveRight(std::min(placed.right(), screen.right()));
    placed.moveBottom(std::min(placed.bottom(), screen.bottom()));
    placed.moveLeft(std::max(placed.left(), screen.left()));
    placed.moveTop(std::max(placed.top(), screen.top()));
    window->move(placed.topLeft());
}

} // namespace

Windows::Windows(Platform& platform, QObject* parent) : QObject(parent), platform_(platform) {}

Windows::~Windows() {
    delete computerGame_;
    delete rules_;
    delete table_;
}

void Windows::showTable() {
    showTableFrom(nullptr);
}

void Windows::showTableFrom(const QWidget* from) {
    if (table_ == nullptr) {
        table_ = new FrmCPF(platform_);
        table_->setAttribute(Qt::WA_DeleteOnClose);
        connect(table_, &FrmCPF::rulesRequested, this, &Windows::showRules);
        connect(table_, &FrmCPF::computerGameRequested, this, &Windows::showComputerGame);
        // A table rebuilt from a Help window opens where that window is; the first one where
        // the system puts new windows.
        if (from != nullptr)
            centreOn(table_, from);
        emit tableBuilt(table_);
    }
    bringToFront(table_);
}

void Windows::showRules() {
    if (rules_ == nullptr) {
        // No owner: the rules window outlives a table closed before it.
        rules_ = new FrmPFrules;
        rules_->setAttribute(Qt::WA_DeleteOnClose);
        connect(rules_, &SecondaryWindow::returnToTableRequested, this,
                [this, from = rules_.data()] { showTableFrom(from); });
        if (table_ != nullptr)
            centreOn(rules_, table_);
    }
    bringToFront(rules_);
}

void Windows::showComputerGame() {
    if (computerGame_ == nullptr) {
        computerGame_ = new FrmCG;
        computerGame_->setAttribute(Qt::WA_DeleteOnClose);
        connect(computerGame_, &SecondaryWindow::returnToTableRequested, this,
                [this, from = computerGame_.data()] { showTableFrom(from); });
        if (table_ != nullptr)
            centreOn(computerGame_, table_);
    }
    bringToFront(computerGame_);
}
