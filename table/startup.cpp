#include "table/startup.h"

#include <QImage>

QColor rowColour(std::int32_t rgb, QColor fallback) {
    return rgb == kDefaultColour ? fallback : QColor::fromRgb(static_cast<QRgb>(rgb));
}

Font rowFont(const FontRow& font) {
    return {QString::fromLatin1(font.face), font.size, font.bold};
}

void loadStartUp(const StartUp& row, AnyControl control) {
    std::visit(
        Overloaded{
            [&row](Label* label) {
                label->setCaption(row.caption);
                label->setFont(rowFont(row.font));
                label->setBackColor(rowColour(row.back, colour::Grey));
                label->setForeColor(rowColour(row.fore, Qt::black));
            },
            [&row](Button* button) { button->setCaption(row.caption); },
            [&row](TextBox* box) { box->setText(row.caption); },
            [&row](UpDown* upDown) { upDown->setRange(row.range[0], row.range[1], row.range[2]); },
            [&row](PictureBox* picture) {
                if (row.picture != nullptr)
                    picture->setPicture(QImage(), QString::fromLatin1(row.picture));
            },
            [&row](MenuItem* item) {
                item->setCaption(row.caption);
                item->setChecked(row.checked);
            },
        },
        control);
    Control& shown = controlOf(control);
    shown.setVisible(row.shown & Visible);
    shown.setEnabled(row.shown & Enabled);
}

void loadStartUpState(TableControls& w) {
    for (std::size_t i = 0; i < kTableControls.size(); ++i) {
        const StartUp& row = kTableControls[i].startUp;
        const AnyControl control = w.at(controlAt(i));
        loadStartUp(row, control);
        if (row.buddy)
            std::get<UpDown*>(control)->setBuddy(std::get<TextBox*>(w.at(*row.buddy)));
        if (row.menu)
            std::get<MenuItem*>(control)->setMenu(std::get<MenuItem*>(w.at(*row.menu)));
    }
}
