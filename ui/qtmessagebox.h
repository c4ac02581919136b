#pragma once

#include "table/seams.h"

#include <QPointer>
#include <QWidget>

// The game's message boxes: real modal boxes with an OK button, titled "Pipfall".
class QtMessageBox final : public MessageBox {
public:
    void setParentWindow(QWidget* parent) { parent_ = parent; }
    int show(const QString& text) override;
    void showFault(const QString& text) override;

private:
    QPointer<QWidget> parent_;
};
