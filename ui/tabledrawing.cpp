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

TableDrawing::TableDrawing(const std::vector<const WidgetRow*>& rows,
                           const std::vector<const QWidget*>& labels, QWidget* parent)
    : QWidget(parent), rows_(rows), labels_(labels) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void TableDrawing::paintEvent(QPaintEvent*) {
    // What the shown labels above each row cover.
    std::vector<QRegion> covered(rows_.size());
    QRegion labels;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        covered[i] = labels;
        if (labels_[i] != nullptr && !labels_[i]->isHidden())
            labels += labels_[i]->geometry();
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Later rows lie below earlier ones, so draw from the last row up.
    for (std::size_t i = rows_.size(); i-- > 0;) {
        const WidgetRow& row = *rows_[i];
        if (row.widgetKind() == Kind::Label)
            continue;
        p.setClipRegion(QRegion(rect()) - covered[i]);
        const auto& g = row.geometry;
        QPen pen(outlineColour(row.fore), row.pen);
        if (row.widgetKind() == Kind::Line) {
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
