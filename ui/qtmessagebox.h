#pragma once

#include "table/seams.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QMessageBox;

// The game's message boxes: real modal boxes with an OK button, titled "Pipfall".
class QtMessageBox final : public MessageBox {
public:
    void setParentWindow(QWidget* parent) { parent_ = parent; }
    int show(const QString& text) override;
    void showFault(const QString& text) override;

    // The box show() runs: the text alone, as far from the left edge as from the right, over a
    // plain OK button.
    static std::unique_ptr<QMessageBox> messageBox(const QString& text, QWidget* parent);

private:
    QPointer<QWidget> parent_;
};
