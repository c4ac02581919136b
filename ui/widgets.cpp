#include "ui/widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

namespace {

const QColor kHighlight(255, 255, 255);
const QColor kLight(223, 223, 223);
const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(0, 0, 0);
const QColor kDisabledText(128, 128, 128);
// The classic selection colour, behind white.
const QColor kSelection(0, 0, 128);
// The amounts in the display-only text boxes: greyed as disabled text is, but light enough to
// read on their dark blue and brown (at least 4.5 to 1).
const QColor kDisabledAmount(208, 208, 208);

void announceNameChange(QObject* widget) {
    if (QAccessible::isActive()) {
        QAccessibleEvent event(widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

// The one-pixel lines of frames and bevels, from one point to another with both ends drawn.
// They are filled rather than stroked, so that they cover whole device pixels at any device
// pixel ratio: two by two on a screen of twice the density, never a smear between pixels.
void drawLine(QPainter& p, QPoint from, QPoint to, QColor colour) {
    p.fillRect(QRect(from, to).normalized(), colour);
}

// The one-pixel frame just inside r.
void drawFrame(QPainter& p, const QRect& r, QColor colour) {
    drawLine(p, r.topLeft(), r.topRight(), colour);
    drawLine(p, r.bottomLeft(), r.bottomRight(), colour);
    drawLine(p, r.topLeft(), r.bottomLeft(), colour);
    drawLine(p, r.topRight(), r.bottomRight(), colour);
}

// A dotted focus frame. On a high-density screen the pen moves by half a pixel, so that it
// covers whole device pixels as it does on a plain screen.
void drawFocusFrame(QPainter& p, const QRect& r) {
    p.save();
    if (p.device()->devicePixelRatioF() > 1.0)
        p.translate(0.5, 0.5);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    p.restore();
}

// The raised (or, when pressed, sunken) two-pixel bevel of buttons and arrows.
void drawBevel(QPainter& p, const QRect& r, bool sunken) {
    const QColor outerTopLeft = sunken ? kDarkShadow : kHighlight;
    const QColor outerBottomRight = sunken ? kHighlight : kDarkShadow;
    const QColor innerTopLeft = sunken ? kShadow : kLight;
    const QColor innerBottomRight = sunken ? kLight : kShadow;
    auto frame = [&p](const QRect& rect, QColor topLeft, QColor bottomRight) {
        drawLine(p, rect.topLeft(), rect.topRight() - QPoint(1, 0), topLeft);
        drawLine(p, rect.topLeft(), rect.bottomLeft() - QPoint(0, 1), topLeft);
        drawLine(p, rect.bottomLeft(), rect.bottomRight(), bottomRight);
        drawLine(p, rect.topRight(), rect.bottomRight(), bottomRight);
    };
    frame(r, outerTopLeft, outerBottomRight);
    frame(r.adjusted(1, 1, -1, -1), innerTopLeft, innerBottomRight);
}

void drawSunkenFrame(QPainter& p, const QRect& r) {
    drawLine(p, r.topLeft(), r.topRight(), kShadow);
    drawLine(p, r.topLeft(), r.bottomLeft(), kShadow);
    drawLine(p, r.bottomLeft(), r.bottomRight(), kHighlight);
    drawLine(p, r.topRight(), r.bottomRight(), kHighlight);
    const QRect inner = r.adjusted(1, 1, -1, -1);
    drawLine(p, inner.topLeft(), inner.topRight(), kDarkShadow);
    drawLine(p, inner.topLeft(), inner.bottomLeft(), kDarkShadow);
    drawLine(p, inner.bottomLeft(), inner.bottomRight(), kLight);
    drawLine(p, inner.topRight(), inner.bottomRight(), kLight);
}

} // namespace

QStringList wrapCaption(const QString& caption, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(caption) <= width)
        return {caption};
    // A run of three or more blanks, which a caption uses to push what follows onto a line of
    // its own, ends the line; single and double blanks are where a line may break.
    static const QRegularExpression pushed(QStringLiteral(" {3,}"));
    QStringList lines;
    for (const QString& part : caption.split(pushed)) {
        QString line;
        qsizetype at = 0;
        while (at < part.size()) {
            qsizetype end = part.indexOf(u' ', at);
            if (end < 0)
                end = part.size();
            while (end < part.size() && part.at(end) == u' ' && end + 1 < part.size() &&
                   part.at(end + 1) == u' ')
                ++end; // a double blank stays with the word before it
            // A word keeps the second blank of a double blank after it ("Version  1.1"); the
            // blank goes where the line breaks.
            const QString word = part.mid(at, end - at);
            const QString joined = line.isEmpty() ? word : line + u' ' + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(joined.trimmed()) > width) {
                lines << line.trimmed();
                line = word;
            } else {
                line = joined;
            }
            at = end + 1;
        }
        lines << line.trimmed();
    }
    return lines;
}

namespace {

// Where a caption is drawn: inside a label's border, and inside a button's bevel.
QRect labelTextRect(const QRect& rect, bool border) {
    return border ? rect.adjusted(1, 1, -1, -1) : rect;
}
QRect buttonTextRect(const QRect& rect) {
    return rect.adjusted(3, 2, -3, -2);
}
constexpr int kButtonTextFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

namespace {

// The dotted focus frame of labels and of buttons; the frame's pen runs along the rectangle's
// left and top edges and one pixel beyond its right and bottom ones.
QRect labelFocusFrame(const QRect& rect) {
    return rect.adjusted(2, 2, -3, -3);
}
QRect insideFocusFrame(const QRect& frame) {
    return frame.adjusted(1, 1, 0, 0);
}
// A button's frame lies two pixels inside its bevel, with the face showing between. On a
// button a line high, whose letters reach above or below that, the top and bottom lines run
// just inside the bevel instead and the sides stay: no letter crosses the frame.
QRect buttonFocusFrame(const QRect& rect, const QRect& letters) {
    const QRect frame = rect.adjusted(4, 4, -5, -5);
    const QRect inside = insideFocusFrame(frame);
    if (letters.isEmpty() || (letters.top() >= inside.top() && letters.bottom() <= inside.bottom()))
        return frame;
    const QRect bevel = rect.adjusted(2, 2, -3, -3);
    return QRect(QPoint(frame.left(), bevel.top()), QPoint(frame.right(), bevel.bottom()));
}

} // namespace

QRegion inkOf(QSize size, int margin, const QFont& font,
              const std::function<void(QPainter&)>& draw) {
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
            while (x + run < canvas.width() && qAlpha(line[x + run]) >= 128)
                ++run;
            if (run > 0)
                ink += QRect(x - margin, y - margin, run, 1);
            x += run;
        }
    }
    return ink;
}

QFont drawingFont(const Font& wanted) {
    QFont font;
    const QString face = wanted.name.toLower();
    if (face == u"arial")
        font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    else if (face == u"ms sans serif")
        font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    else
        font.setFamilies({wanted.name, QStringLiteral("Liberation Sans")});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(wanted.size * 96.0 / 72.0))));
    font.setBold(wanted.bold);
    // The captions are plain Latin text: one face draws them all, with no search of other
    // faces for missing characters.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    return font;
}

// ---------------------------------------------------------------- Menu bar

namespace {

// The desktop's style shows a menu title as selected only while its menu is open. While the
// bar holds the keyboard with no menu open (after Escape, or Alt alone), the title the keys
// are on is drawn the same way, so that the player sees where they are.
class KeyboardMenuBarStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuBarItem && item != nullptr && widget != nullptr &&
            widget->hasFocus() && (item->state & State_Selected)) {
            QStyleOptionMenuItem held = *item;
            held.state |= State_Sunken;
            QProxyStyle::drawControl(element, &held, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

namespace {

// Holds a subscription for the object it belongs to, and ends it with that object.
class SubscriptionKeeper : public QObject {
public:
    SubscriptionKeeper(Subscription subscription, QObject* owner)
        : QObject(owner), subscription_(std::move(subscription)) {}

private:
    Subscription subscription_;
};

} // namespace

void endWith(QObject* owner, Subscription subscription) {
    new SubscriptionKeeper(std::move(subscription), owner);
}

void showKeyboardInMenuBar(QMenuBar* bar) {
    auto* style = new KeyboardMenuBarStyle;
    style->setParent(bar);
    bar->setStyle(style);
}

// ---------------------------------------------------------------- Label

LabelView::LabelView(Label& label, Qt::Alignment alignment, bool border, QWidget* parent)
    : QWidget(parent), label_(label), alignment_(alignment), border_(border) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    caption_ = label_.caption();
    back_ = label_.backColor();
    font_ = label_.font();
    setFont(drawingFont(font_));
    observing_ = label_.observe([this] { sync(); });
}

void LabelView::setTakesFocus(std::function<bool()> when, std::function<void()> press) {
    takesFocus_ = std::move(when);
    press_ = std::move(press);
    sync();
}

void LabelView::updateFocusPolicy() {
    // A label that stops taking the focus keeps it until the window gives it to another.
    setFocusPolicy(takesFocus_ && takesFocus_() ? Qt::TabFocus : Qt::NoFocus);
}

void LabelView::sync() {
    setVisible(label_.visible());
    setEnabled(label_.enabled());
    updateFocusPolicy();
    if (label_.font() != font_) {
        font_ = label_.font();
        setFont(drawingFont(font_));
    }
    // A holder's or the point's colour is part of what it says.
    if (label_.caption() != caption_ || label_.backColor() != back_) {
        caption_ = label_.caption();
        back_ = label_.backColor();
        announceNameChange(this);
    }
    update();
    emit changed();
}

void LabelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), label_.backColor());
    if (border_)
        drawFrame(p, rect(), Qt::black);
    p.setPen(label_.foreColor());
    p.setFont(font());
    drawCaption(p, true);
    if (hasFocus() && focusPolicy() != Qt::NoFocus)
        drawFocusFrame(p, labelFocusFrame(rect()));
}

void LabelView::drawCaption(QPainter& p, bool clip) const {
    const QRect textRect = labelTextRect(rect(), border_);
    const QFontMetrics metrics = fontMetrics();
    const int flags = static_cast<int>(alignment_ | Qt::AlignTop) | (clip ? 0 : Qt::TextDontClip);
    QRect line(textRect.left(), textRect.top(), textRect.width(), metrics.height());
    for (const QString& text : wrapCaption(label_.caption(), metrics, textRect.width())) {
        p.drawText(line, flags, text);
        line.translate(0, metrics.height());
    }
}

QRect LabelView::captionRoom() const {
    QRect room = labelTextRect(rect(), border_);
    if (focusPolicy() != Qt::NoFocus)
        room &= insideFocusFrame(labelFocusFrame(rect()));
    return room;
}

void LabelView::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void LabelView::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        label_.Click.raise();
}

void LabelView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (focusPolicy() != Qt::NoFocus && !event->isAutoRepeat() &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (press_)
            press_();
        else
            label_.Click.raise();
    } else {
        QWidget::keyPressEvent(event);
    }
}

// ---------------------------------------------------------------- Button

ButtonView::ButtonView(Button& button, QColor back, const Font& font, QWidget* parent)
    : QPushButton(parent), button_(button), back_(back) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    setFont(drawingFont(font));
    setText(button_.caption());
    observing_ = button_.observe([this] { sync(); });
    connect(this, &QPushButton::clicked, this, [this] { button_.Click.raise(); });
}

void ButtonView::sync() {
    setText(button_.caption());
    setVisible(button_.visible());
    setEnabled(button_.enabled());
}

void ButtonView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool sunken = isDown();
    p.fillRect(rect(), back_);
    drawBevel(p, rect(), sunken);
    QRect textRect = buttonTextRect(rect());
    if (sunken)
        textRect.translate(1, 1);
    p.setFont(font());
    const int flags = kButtonTextFlags;
    if (isEnabled()) {
        p.setPen(Qt::black);
        p.drawText(textRect, flags, text());
    } else {
        p.setPen(kHighlight);
        p.drawText(textRect.translated(1, 1), flags, text());
        p.setPen(kDisabledText);
        p.drawText(textRect, flags, text());
    }
    // A button that cannot be pressed shows no focus, even while it still holds it.
    if (hasFocus() && isEnabled())
        drawFocusFrame(p, buttonFocusFrame(rect(), letters(textRect)));
}

void ButtonView::drawWholeCaption(QPainter& p) const {
    p.drawText(buttonTextRect(rect()), kButtonTextFlags | Qt::TextDontClip, text());
}

QRect ButtonView::captionRoom() const {
    const QRect textRect = buttonTextRect(rect());
    return textRect & insideFocusFrame(buttonFocusFrame(rect(), letters(textRect)));
}

QRect ButtonView::letters(const QRect& textRect) const {
    const auto draw = [&](QPainter& p) {
        p.drawText(textRect, kButtonTextFlags | Qt::TextDontClip, text());
    };
    return inkOf(size(), QFontMetrics(font()).height(), font(), draw).boundingRect();
}

void ButtonView::keyPressEvent(QKeyEvent* event) {
    // Space presses the button as in every style; Return and Enter (on the keypad) too, once
    // a press, however long the key is held.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat() && isEnabled())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

// ---------------------------------------------------------------- TextBox

TextBoxView::TextBoxView(TextBox& box, QColor back, QColor fore, const Font& font, QWidget* parent)
    : QWidget(parent), box_(box), back_(back), fore_(fore), text_(box.text()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setFont(drawingFont(font));
    observing_ = box_.observe([this] { sync(); });
}

void TextBoxView::sync() {
    setVisible(box_.visible());
    setEnabled(box_.enabled());
    if (box_.text() != text_) {
        text_ = box_.text();
        announceNameChange(this);
    }
    update();
}

void TextBoxView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    drawSunkenFrame(p, rect());
    p.setFont(font());
    // The table's text boxes are for display only: grey text, as disabled text is shown.
    p.setPen(isEnabled() ? fore_ : kDisabledAmount);
    p.drawText(rect().adjusted(3, 2, -3, -2), Qt::AlignHCenter | Qt::AlignVCenter, box_.text());
}

// ---------------------------------------------------------------- UpDown

UpDownView::UpDownView(UpDown& upDown, QWidget* parent)
    : QWidget(parent), upDown_(upDown), repeat_(new QTimer(this)), value_(upDown.value()) {
    setFocusPolicy(Qt::StrongFocus);
    connect(repeat_, &QTimer::timeout, this, &UpDownView::repeat);
    observing_ = upDown_.observe([this] { sync(); });
}

void UpDownView::sync() {
    setVisible(upDown_.visible());
    setEnabled(upDown_.enabled());
    if (upDown_.value() != value_) {
        value_ = upDown_.value();
        // The name stays; a screen reader speaks the new value as the amount it is.
        if (QAccessible::isActive()) {
            QAccessibleValueChangeEvent event(this, value_);
            QAccessible::updateAccessibility(&event);
        }
    }
    update();
}

void UpDownView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int half = height() / 2;
    const QRect upper(0, 0, width(), half);
    const QRect lower(0, half, width(), height() - half);
    // The arrows are too small for a dotted frame to be seen: while the up-down has the focus,
    // their faces take the selection colour and the arrows turn white, as a selected item does.
    const bool focused = hasFocus() && isEnabled();
    for (const auto& [box, arrow] : {std::pair{upper, Arrow::Up}, std::pair{lower, Arrow::Down}}) {
        p.fillRect(box, focused ? kSelection : colour::Grey);
        drawBevel(p, box, pressed_ == arrow);
        const QPointF c = QRectF(box).center();
        const double w = std::max(2.0, box.width() / 4.0);
        const double h = w / 1.5;
        QPolygonF triangle;
        if (arrow == Arrow::Up)
            triangle << QPointF(c.x() - w, c.y() + h / 2) << QPointF(c.x() + w, c.y() + h / 2)
                     << QPointF(c.x(), c.y() - h);
        else
            triangle << QPointF(c.x() - w, c.y() - h / 2) << QPointF(c.x() + w, c.y() - h / 2)
                     << QPointF(c.x(), c.y() + h);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(!isEnabled() ? kDisabledText : focused ? kHighlight : QColor(Qt::black));
        p.drawPolygon(triangle);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
}

void UpDownView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = event->position().y() < height() / 2 ? Arrow::Up : Arrow::Down;
    update();
    repeat_->start(400);
    if (pressed_ == Arrow::Up)
        upDown_.stepUp();
    else
        upDown_.stepDown();
}

void UpDownView::repeat() {
    // Stop as soon as the arrow is let go, or a message box (an over-bet refusal) or a
    // handler has taken the control away from the player.
    if (pressed_ == Arrow::None || !(QGuiApplication::mouseButtons() & Qt::LeftButton) ||
        QApplication::activeModalWidget() != nullptr || !isEnabled() || isHidden()) {
        repeat_->stop();
        return;
    }
    repeat_->setInterval(60);
    if (pressed_ == Arrow::Up)
        upDown_.stepUp();
    else
        upDown_.stepDown();
}

void UpDownView::mouseReleaseEvent(QMouseEvent*) {
    repeat_->stop();
    pressed_ = Arrow::None;
    update();
}

void UpDownView::keyPressEvent(QKeyEvent* event) {
    // Only a control the player can see and use answers the arrow keys.
    if (!isEnabled() || isHidden())
        QWidget::keyPressEvent(event);
    else if (event->key() == Qt::Key_Up)
        upDown_.stepUp();
    else if (event->key() == Qt::Key_Down)
        upDown_.stepDown();
    else
        QWidget::keyPressEvent(event);
}

// ---------------------------------------------------------------- PictureBox

PictureView::PictureView(PictureBox& picture, QColor back,
                         std::function<QImage(const QString&, bool)> pictureNamed, QWidget* parent)
    : QWidget(parent), picture_(picture), back_(back), pictureNamed_(std::move(pictureNamed)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    showPicture();
    observing_ = picture_.observe([this] { sync(); });
}

void PictureView::sync() {
    setVisible(picture_.visible());
    setEnabled(picture_.enabled());
    showPicture();
}

void PictureView::showPicture() {
    if (picture_.pictureName() == name_ && pixmap_.cacheKey() != 0)
        return;
    const bool renamed = picture_.pictureName() != name_;
    name_ = picture_.pictureName();
    pixmap_ = QPixmap::fromImage(picture_.picture().isNull() && !name_.isEmpty()
                                     ? pictureNamed_(name_, false)
                                     : picture_.picture());
    sharp_ = QPixmap();
    sharpLoaded_ = false;
    fitPicture();
    update();
    if (renamed)
        announceNameChange(this);
}

void PictureView::fitPicture() {
    if (!pixmap_.isNull())
        resize(pixmap_.size() + QSize(2, 2));
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    const qreal ratio = devicePixelRatioF();
    if (ratio > 1.0 && !sharpLoaded_) {
        // The sharp copy counts only when it is exactly twice as large as the picture.
        sharpLoaded_ = true;
        const QImage sharp = pictureNamed_(name_, true);
        if (!sharp.isNull() && sharp.size() == pixmap_.size() * 2) {
            sharp_ = QPixmap::fromImage(sharp);
            sharp_.setDevicePixelRatio(2.0);
        }
    }
    if (ratio > 1.0 && !sharp_.isNull()) {
        // Drawn pixel for pixel on a screen of twice the density, smoothly on any other.
        p.setRenderHint(QPainter::SmoothPixmapTransform, ratio != 2.0);
        p.drawPixmap(QPoint(1, 1), sharp_);
    } else if (!pixmap_.isNull()) {
        p.drawPixmap(QPoint(1, 1), pixmap_);
    }
    drawFrame(p, rect(), Qt::black);
    if (hasFocus())
        drawFocusFrame(p, rect().adjusted(2, 2, -3, -3));
}
