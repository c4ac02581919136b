#pragma once

#include "ui/layout.h"

#include <QWidget>

#include <vector>

// The felt's shapes and lines (the triangle, the circles, the boxes), below the buttons,
// boxes and pictures. Among the labels they stack in the order of the rows, the first on
// top: a shown label that comes before a shape covers it (the about panel covers the
// triangle). It takes no clicks: they fall through to the labels beneath.
class TableDrawing : public QWidget {
public:
    // rows are the shapes, lines and labels in the window's order; labels gives the label
    // widget of each label row.
    TableDrawing(const std::vector<const WidgetRow*>& rows,
                 const std::vector<const QWidget*>& labels, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<const WidgetRow*> rows_;
    std::vector<const QWidget*> labels_; // beside rows_: the label of a label row, or nullptr
};
