#pragma once

#include "table/widgettable.h"

#include <QWidget>

#include <vector>

// The felt's shapes and lines (the triangle, the circles, the boxes), drawn above the labels
// and below the buttons, boxes and pictures. It takes no clicks: they fall through to the
// labels beneath.
class TableDrawing : public QWidget {
public:
    TableDrawing(const std::vector<const WidgetRow*>& rows, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<const WidgetRow*> rows_;
};
