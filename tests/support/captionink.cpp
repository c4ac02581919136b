#include "support/captionink.h"

#include "ui/widgets.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <functional>

namespace {

// A pixel counts as ink once the caption covers at least half of it.
constexpr int kInked = 128;

// The pixels that painting inks, painted with draw onto a transparent canvas that reaches
// well beyond a widget of that size, in the widget's coordinates.
QRegion inkOf(QSize size, const QFont& font, const std::function<void(QPainter&)>& draw) {
    const int margin = std::max(size.width(), size.height()) + 200;
    QImage canvas(size + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.translate(margin, margin);
        p.setFont(font);
        p.setPen(Qt::black);
        draw(p);
    }
    QRegion ink;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            int run = 0;
            while (x + run < canvas.width() && qAlpha(line[x + run]) >= kInked)
                ++run;
            if (run > 0)
                ink += QRect(x - margin, y - margin, run, 1);
            x += run;
        }
    }
    return ink;
}

} // namespace

// The widgets let it see how they draw their captions.
class CaptionProbe {
public:
    static CaptionInk of(const LabelView& label) {
        return {inkOf(label.size(), label.font(),
                      [&label](QPainter& p) { label.drawCaption(p, false); }),
                label.captionRoom()};
    }
    static CaptionInk of(const ButtonView& button) {
        return {inkOf(button.size(), button.font(),
                      [&button](QPainter& p) { button.drawWholeCaption(p); }),
                button.captionRoom()};
    }
};

CaptionInk captionInkOf(const QWidget* view) {
    if (const auto* label = qobject_cast<const LabelView*>(view))
        return CaptionProbe::of(*label);
    return CaptionProbe::of(*static_cast<const ButtonView*>(view));
}
