#include "table/controls.h"

#include <algorithm>

void Control::setVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    changed();
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    changed();
}

void Label::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    changed();
}

void Label::setBackColor(QColor colour) {
    if (colour == back_)
        return;
    back_ = colour;
    changed();
}

void Label::setForeColor(QColor colour) {
    if (colour == fore_)
        return;
    fore_ = colour;
    changed();
}

void Label::setFont(const Font& font) {
    if (font == font_)
        return;
    font_ = font;
    changed();
}

void Label::setFontName(const QString& name) {
    Font font = font_;
    font.name = name;
    setFont(font);
}

void Label::setFontSize(double points) {
    Font font = font_;
    font.size = points;
    setFont(font);
}

void Label::setFontBold(bool bold) {
    Font font = font_;
    font.bold = bold;
    setFont(font);
}

void Button::setCaption(const QString& caption) {
    caption_ = caption;
    changed();
}

void TextBox::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    changed();
    Change.raise();
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
    changed();
    Change.raise();
}

void PictureBox::setPicture(const QImage& picture, const QString& name) {
    picture_ = picture;
    name_ = name;
    changed();
}

void MenuItem::setCaption(const QString& caption) {
    caption_ = caption;
    changed();
}

void MenuItem::setChecked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    changed();
}
