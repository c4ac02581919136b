#include "ui/windows.h"

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
    }
    bringToFront(rules_);
}

void Windows::showComputerGame() {
    if (computerGame_ == nullptr) {
        computerGame_ = new FrmCG;
        computerGame_->setAttribute(Qt::WA_DeleteOnClose);
        connect(computerGame_, &SecondaryWindow::returnToTableRequested, this, &Windows::showTable);
    }
    bringToFront(computerGame_);
}
