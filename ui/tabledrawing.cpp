#include "ui/tabledrawing.h"

#include <QPainter>

namespace {

QColor outlineColour(std::int32_t rgb) {
    return rgb == kDefaultColour ? QColor(Qt::black) : QColor::fromRgb(static_cast<QRgb>(rgb));
}

QPointF toPixels(int x, int y) {
    return {x / double(kTwipsPerPixel), y / double(kTwipsPerPixel)};
}

} // namespace

TableDrawing::TableDrawing(const std::vector<const WidgetRow*>& rows, QWidget* parent)
    : QWidget(parent), rows_(rows) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void TableDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Later rows lie below earlier ones, so draw from the last row up.
    for (auto it = rows_.rbegin(); it != rows_.rend(); ++it) {
        const WidgetRow& row = **it;
        const auto& g = row.geometry;
        QPen pen(outlineColour(row.fore), row.pen);
        if (row.kind == Kind::Line) {
            pen.setCapStyle(Qt::RoundCap);
            p.setPen(pen);
            p.drawLine(toPixels(g[0], g[1]), toPixels(g[2], g[3]));
            continue;
        }
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        // The outline lies inside the shape's rectangle.
        const double inset = row.pen / 2.0;
        QRectF box(toPixels(g[0], g[1]),
                   QSizeF(g[2] / double(kTwipsPerPixel), g[3] / double(kTwipsPerPixel)));
        if (row.flags & Circle) {
            const double d = std::min(box.width(), box.height());
            const QPointF c = box.center();
            box = QRectF(c.x() - d / 2, c.y() - d / 2, d, d);
            p.drawEllipse(box.adjusted(inset, inset, -inset, -inset));
        } else {
            p.drawRect(box.adjusted(inset, inset, -inset, -inset));
        }
    }
}
