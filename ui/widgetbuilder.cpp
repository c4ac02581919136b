#include "ui/widgetbuilder.h"

#include "ui/accessibility.h"
#include "ui/tabledrawing.h"
#include "ui/widgets.h"

#include <QMainWindow>
#include <QMenuBar>

#include <vector>

namespace {

QRect pixelRect(const WidgetRow& row) {
    const auto& g = row.geometry;
    return {twipsToPixels(g[0]), twipsToPixels(g[1]), twipsToPixels(g[2]), twipsToPixels(g[3])};
}

QColor rowColour(std::int32_t rgb, QColor fallback) {
    return rgb == kDefaultColour ? fallback : QColor::fromRgb(static_cast<QRgb>(rgb));
}

Font rowFont(const WidgetRow& row) {
    return {QString::fromLatin1(row.font.face), row.font.size, row.font.bold};
}

Qt::Alignment rowAlignment(const WidgetRow& row) {
    if (row.flags & AlignLeft)
        return Qt::AlignLeft;
    if (row.flags & AlignRight)
        return Qt::AlignRight;
    return Qt::AlignHCenter;
}

QWidget* makeWidget(const WidgetRow& row, Control& control, const WidgetSource& source,
                    QWidget* parent) {
    const QColor grey(192, 192, 192);
    switch (row.kind) {
    case Kind::Label:
        return new LabelView(static_cast<Label&>(control), rowAlignment(row), row.flags & Border,
                             parent);
    case Kind::Button:
        return new ButtonView(static_cast<Button&>(control), rowColour(row.back, grey),
                              rowFont(row), parent);
    case Kind::TextBox:
        return new TextBoxView(static_cast<TextBox&>(control), rowColour(row.back, Qt::white),
                               rowColour(row.fore, Qt::black), rowFont(row), parent);
    case Kind::PictureBox:
        return new PictureView(static_cast<PictureBox&>(control), rowColour(row.back, grey),
                               source.picture, parent);
    case Kind::UpDown:
        return new UpDownView(static_cast<UpDown&>(control), parent);
    default:
        return nullptr;
    }
}

// A label lying above a label with a border leaves that border in view: the bankroll box
// keeps its whole frame beside the "$".
void keepFramesClear(const std::vector<const WidgetRow*>& labels,
                     const QHash<QString, QWidget*>& byName) {
    for (std::size_t below = 0; below < labels.size(); ++below) {
        if (!(labels[below]->flags & Border))
            continue;
        const QRect frame = pixelRect(*labels[below]);
        const QRegion ring = QRegion(frame) - QRegion(frame.adjusted(1, 1, -1, -1));
        for (std::size_t above = 0; above < below; ++above) {
            QWidget* label = byName.value(QString::fromLatin1(labels[above]->name));
            if (ring.intersects(label->geometry()))
                label->setMask(QRegion(label->rect()) - ring.translated(-label->pos()));
        }
    }
}

} // namespace

QFont menuFont() {
    return drawingFont({QStringLiteral("MS Sans Serif"), 8.25, false});
}

QWidget* makeClientArea(QMainWindow* window, QColor background, int widthTwips, int heightTwips) {
    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, background);
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    client->setMinimumSize(1, 1);
    window->setCentralWidget(client);
    // The menus in the table's own small face, as in the game's first home, which also spares
    // loading the desktop's face for four words.
    window->menuBar()->setFont(menuFont());
    // The menu bar takes the height the window's layout gives it, which under some styles (the
    // Windows ones) is a pixel more than its size hint.
    const int width = twipsToPixels(widthTwips);
    window->resize(width, twipsToPixels(heightTwips) + window->menuBar()->heightForWidth(width));
    return client;
}

QHash<QString, QWidget*> buildWidgetRows(std::span<const WidgetRow> rows, QWidget* client,
                                         int widthTwips, int heightTwips,
                                         const WidgetSource& source) {
    installAccessibility();
    // Widgets created later lie above those created earlier, so create from the last row up:
    // labels first, then the drawing, then the child windows, which lie above everything drawn.
    std::vector<const WidgetRow*> drawn; // shapes, lines and labels, in the window's order
    std::vector<const WidgetRow*> labels;
    std::vector<const WidgetRow*> children;
    for (const WidgetRow& row : rows) {
        if (row.kind == Kind::Shape || row.kind == Kind::Line || row.kind == Kind::Label)
            drawn.push_back(&row);
        if (row.kind == Kind::Label)
            labels.push_back(&row);
        else if (row.kind != Kind::Shape && row.kind != Kind::Line)
            children.push_back(&row);
    }
    QHash<QString, QWidget*> byName;
    auto create = [&](const WidgetRow& row) {
        Control& control = source.control(row);
        QWidget* widget = makeWidget(row, control, source, client);
        const QString name = QString::fromLatin1(row.name);
        widget->setObjectName(name);
        widget->setAccessibleDescription(accessibleDescription(name));
        widget->setGeometry(pixelRect(row));
        if (auto* picture = qobject_cast<PictureView*>(widget); picture && (row.flags & AutoSize))
            picture->fitPicture();
        // In place first: a widget shown before it has a size would work one out for itself.
        widget->setEnabled(control.enabled());
        widget->setVisible(control.visible());
        byName.insert(name, widget);
    };
    for (auto it = labels.rbegin(); it != labels.rend(); ++it)
        create(**it);
    keepFramesClear(labels, byName);
    std::vector<const QWidget*> drawnLabels;
    for (const WidgetRow* row : drawn)
        drawnLabels.push_back(
            row->kind == Kind::Label ? byName.value(QString::fromLatin1(row->name)) : nullptr);
    auto* shapes = new TableDrawing(drawn, drawnLabels, client);
    shapes->setGeometry(0, 0, twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    shapes->show();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        create(**it);
    return byName;
}

void setTabOrderByName(std::span<const char* const> names, const QHash<QString, QWidget*>& byName) {
    QWidget* previous = nullptr;
    for (const char* name : names) {
        QWidget* next = byName.value(QString::fromLatin1(name));
        if (previous != nullptr)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}
