#include "ui/widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

namespace {

const QColor kHighlight(255, 255, 255);
const QColor kLight(223, 223, 223);
const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(0, 0, 0);
const QColor kDisabledText(128, 128, 128);

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

QFont drawingFont(const FontSpec& wanted) {
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
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// ---------------------------------------------------------------- Label

Label::Label(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void Label::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
    announceNameChange(this);
}

void Label::setBackColor(QColor colour) {
    if (colour == back_)
        return;
    back_ = colour;
    update();
    announceNameChange(this); // a holder's or the point's colour is part of what it says
}

void Label::setForeColor(QColor colour) {
    fore_ = colour;
    update();
}

void Label::setFontName(const QString& name) {
    font_.name = name;
    fontChanged();
}

void Label::setFontSize(double points) {
    font_.size = points;
    fontChanged();
}

void Label::setFontBold(bool bold) {
    font_.bold = bold;
    fontChanged();
}

void Label::setFontSpec(const FontSpec& wanted) {
    font_ = wanted;
    fontChanged();
}

void Label::fontChanged() {
    setFont(drawingFont(font_));
    update();
}

void Label::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void Label::setBorder(bool border) {
    border_ = border;
    update();
}

void Label::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    QRect textRect = rect();
    if (border_) {
        drawFrame(p, rect(), Qt::black);
        textRect.adjust(1, 1, -1, -1);
    }
    p.setPen(fore_);
    p.setFont(font());
    p.drawText(textRect, static_cast<int>(alignment_ | Qt::AlignTop | Qt::TextWordWrap), caption_);
}

void Label::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

// ---------------------------------------------------------------- Button

Button::Button(QWidget* parent) : QPushButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
}

void Button::setBackColor(QColor colour) {
    back_ = colour;
    update();
}

void Button::setFontSpec(const FontSpec& wanted) {
    setFont(drawingFont(wanted));
}

void Button::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool sunken = isDown();
    p.fillRect(rect(), back_);
    drawBevel(p, rect(), sunken);
    QRect textRect = rect().adjusted(3, 2, -3, -2);
    if (sunken)
        textRect.translate(1, 1);
    p.setFont(font());
    const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (isEnabled()) {
        p.setPen(Qt::black);
        p.drawText(textRect, flags, text());
    } else {
        p.setPen(kHighlight);
        p.drawText(textRect.translated(1, 1), flags, text());
        p.setPen(kDisabledText);
        p.drawText(textRect, flags, text());
    }
    if (hasFocus())
        drawFocusFrame(p, rect().adjusted(4, 4, -5, -5));
}

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TextBox::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    update();
    announceNameChange(this);
    emit changed();
}

void TextBox::setBackColor(QColor colour) {
    back_ = colour;
    update();
}

void TextBox::setForeColor(QColor colour) {
    fore_ = colour;
    update();
}

void TextBox::setFontSpec(const FontSpec& wanted) {
    setFont(drawingFont(wanted));
}

void TextBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    drawSunkenFrame(p, rect().adjusted(0, 0, -1, -1));
    p.setFont(font());
    // The table's text boxes are for display only: the usual disabled style, grey text.
    p.setPen(isEnabled() ? fore_ : kDisabledText);
    p.drawText(rect().adjusted(3, 2, -3, -2), Qt::AlignHCenter | Qt::AlignVCenter, text_);
}

// ---------------------------------------------------------------- UpDown

UpDown::UpDown(QWidget* parent) : QWidget(parent), repeat_(new QTimer(this)) {
    setFocusPolicy(Qt::StrongFocus);
    connect(repeat_, &QTimer::timeout, this, &UpDown::repeat);
}

void UpDown::setRange(int minimum, int maximum, int step) {
    minimum_ = minimum;
    maximum_ = maximum;
    step_ = step;
}

void UpDown::setValue(int value) {
    value = std::clamp(value, minimum_, maximum_);
    if (value == value_)
        return;
    value_ = value;
    if (buddy_ != nullptr)
        buddy_->setText(QString::number(value_));
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, value_);
        QAccessible::updateAccessibility(&event);
        announceNameChange(this);
    }
    emit changed();
}

void UpDown::stepUp() {
    setValue(std::min(value_ + step_, maximum_));
}

void UpDown::stepDown() {
    setValue(std::max(value_ - step_, minimum_));
}

void UpDown::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int half = height() / 2;
    const QRect upper(0, 0, width(), half);
    const QRect lower(0, half, width(), height() - half);
    for (const auto& [box, arrow] : {std::pair{upper, Arrow::Up}, std::pair{lower, Arrow::Down}}) {
        p.fillRect(box, QColor(192, 192, 192));
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
        p.setBrush(isEnabled() ? QColor(Qt::black) : kDisabledText);
        p.drawPolygon(triangle);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    if (hasFocus())
        drawFocusFrame(p, rect().adjusted(2, 2, -3, -3));
}

void UpDown::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = event->position().y() < height() / 2 ? Arrow::Up : Arrow::Down;
    update();
    repeat_->start(400);
    if (pressed_ == Arrow::Up)
        stepUp();
    else
        stepDown();
}

void UpDown::repeat() {
    // Stop as soon as the arrow is let go, or a message box (an over-bet refusal) or a
    // handler has taken the control away from the player.
    if (pressed_ == Arrow::None || !(QGuiApplication::mouseButtons() & Qt::LeftButton) ||
        QApplication::activeModalWidget() != nullptr || !isEnabled() || isHidden()) {
        repeat_->stop();
        return;
    }
    repeat_->setInterval(60);
    if (pressed_ == Arrow::Up)
        stepUp();
    else
        stepDown();
}

void UpDown::mouseReleaseEvent(QMouseEvent*) {
    repeat_->stop();
    pressed_ = Arrow::None;
    update();
}

void UpDown::keyPressEvent(QKeyEvent* event) {
    // Only a control the player can see and use answers the arrow keys.
    if (!isEnabled() || isHidden())
        QWidget::keyPressEvent(event);
    else if (event->key() == Qt::Key_Up)
        stepUp();
    else if (event->key() == Qt::Key_Down)
        stepDown();
    else
        QWidget::keyPressEvent(event);
}

// ---------------------------------------------------------------- PictureBox

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const QPixmap& picture, const QString& name, const QPixmap& sharp) {
    picture_ = picture;
    sharp_ = !sharp.isNull() && sharp.size() == picture.size() * 2 ? sharp : QPixmap();
    sharp_.setDevicePixelRatio(2.0);
    const bool renamed = name != name_;
    name_ = name;
    if (!picture_.isNull())
        resize(picture_.deviceIndependentSize().toSize() + QSize(2, 2));
    update();
    if (renamed)
        announceNameChange(this);
}

void PictureBox::setBackColor(QColor colour) {
    back_ = colour;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    const qreal ratio = devicePixelRatioF();
    if (ratio > 1.0 && !sharp_.isNull()) {
        // Drawn pixel for pixel on a screen of twice the density, smoothly on any other.
        p.setRenderHint(QPainter::SmoothPixmapTransform, ratio != 2.0);
        p.drawPixmap(QPoint(1, 1), sharp_);
    } else if (!picture_.isNull()) {
        p.drawPixmap(QPoint(1, 1), picture_);
    }
    drawFrame(p, rect(), Qt::black);
}

// ---------------------------------------------------------------- MenuItem

MenuItem::MenuItem(QAction* action, MenuItem* menu, QObject* parent)
    : QObject(parent), action_(action), menu_(menu) {
    connect(action_, &QAction::triggered, this, [this] {
        // A checkable action turns its own check mark over before it reports the click;
        // the handler owns the check mark, so turn it back first.
        if (action_->isCheckable()) {
            const QSignalBlocker block(action_);
            action_->setChecked(!action_->isChecked());
        }
        emit clicked();
    });
}

void MenuItem::setChecked(bool checked) {
    action_->setCheckable(true);
    action_->setChecked(checked);
}

bool MenuItem::isReachable() const {
    return action_->isEnabled() && (menu_ == nullptr || menu_->isEnabled());
}
