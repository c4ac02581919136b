#include "support/captionink.h"

#include "ui/widgets.h"

#include <QPainter>

#include <algorithm>
#include <functional>

namespace {

// The ink of a caption drawn by a widget of that size, wherever it falls.
QRegion inkOf(QSize size, const QFont& font, const std::function<void(QPainter&)>& draw) {
    return ::inkOf(size, std::max(size.width(), size.height()) + 200, font, draw);
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
