#pragma once

#include "table/seams.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;

// The box show() runs: a text over a plain OK button, titled "Pipfall" and modal, laid out and
// sized as the toolkit's own message box lays out one with no icon, less the column it keeps
// for the icon: the text stands as far from the left edge as from the right. OK is the
// default button and has the focus; Return and Space press it, and so does Escape.
class PlainMessageBox final : public QDialog {
    Q_OBJECT

public:
    PlainMessageBox(const QString& text, QWidget* parent);
    QString text() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitToText();

    QLabel* label_;
    QPushButton* ok_;
};

// The game's message boxes: real modal boxes with an OK button, titled "Pipfall".
class QtMessageBox final : public MessageBox {
public:
    void setParentWindow(QWidget* parent) { parent_ = parent; }
    int show(const QString& text) override;
    void showFault(const QString& text) override;

    static std::unique_ptr<PlainMessageBox> messageBox(const QString& text, QWidget* parent);

private:
    QPointer<QWidget> parent_;
};
