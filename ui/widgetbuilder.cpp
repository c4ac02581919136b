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

FontSpec rowFont(const WidgetRow& row) {
    return {QString::fromLatin1(row.font.face), row.font.size, row.font.bold};
}

Qt::Alignment rowAlignment(const WidgetRow& row) {
    if (row.flags & AlignLeft)
        return Qt::AlignLeft;
    if (row.flags & AlignRight)
        return Qt::AlignRight;
    return Qt::AlignHCenter;
}

QString rowCaption(const WidgetRow& row) {
    return row.caption != nullptr ? QString::fromLatin1(row.caption) : QString();
}

QWidget* makeLabel(const WidgetRow& row, QWidget* parent) {
    auto* label = new Label(parent);
    label->setCaption(rowCaption(row));
    label->setFontSpec(rowFont(row));
    label->setBackColor(rowColour(row.back, QColor(192, 192, 192)));
    label->setForeColor(rowColour(row.fore, Qt::black));
    label->setAlignment(rowAlignment(row));
    label->setBorder(row.flags & Border);
    return label;
}

QWidget* makeChild(const WidgetRow& row, QWidget* parent) {
    switch (row.kind) {
    case Kind::Button: {
        auto* button = new Button(parent);
        button->setText(rowCaption(row));
        button->setFontSpec(rowFont(row));
        button->setBackColor(rowColour(row.back, QColor(192, 192, 192)));
        return button;
    }
    case Kind::TextBox: {
        auto* box = new TextBox(parent);
        box->setText(rowCaption(row));
        box->setFontSpec(rowFont(row));
        box->setBackColor(rowColour(row.back, Qt::white));
        box->setForeColor(rowColour(row.fore, Qt::black));
        return box;
    }
    case Kind::PictureBox: {
        auto* picture = new PictureBox(parent);
        picture->setBackColor(rowColour(row.back, QColor(192, 192, 192)));
        return picture;
    }
    case Kind::UpDown:
        return new UpDown(parent);
    default:
        return nullptr;
    }
}

} // namespace

QWidget* makeClientArea(QMainWindow* window, QColor background, int widthTwips, int heightTwips) {
    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, background);
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    client->setMinimumSize(1, 1);
    window->setCentralWidget(client);
    window->resize(twipsToPixels(widthTwips),
                   twipsToPixels(heightTwips) + window->menuBar()->sizeHint().height());
    return client;
}

QHash<QString, QWidget*> buildWidgetRows(std::span<const WidgetRow> rows, QWidget* client,
                                         int widthTwips, int heightTwips, TableDrawing** drawing) {
    installAccessibility();
    // Widgets created later lie above those created earlier, so create from the last row up:
    // labels first, then the drawing, then the child windows, which lie above everything drawn.
    std::vector<const WidgetRow*> drawn;
    std::vector<const WidgetRow*> labels;
    std::vector<const WidgetRow*> children;
    for (const WidgetRow& row : rows) {
        if (row.kind == Kind::Shape || row.kind == Kind::Line)
            drawn.push_back(&row);
        else if (row.kind == Kind::Label)
            labels.push_back(&row);
        else
            children.push_back(&row);
    }
    QHash<QString, QWidget*> byName;
    auto create = [&byName](const WidgetRow& row, QWidget* widget) {
        const QString name = QString::fromLatin1(row.name);
        widget->setObjectName(name);
        widget->setAccessibleDescription(accessibleDescription(name));
        widget->setGeometry(pixelRect(row));
        widget->setEnabled(row.flags & Enabled);
        widget->setVisible(row.flags & Visible);
        byName.insert(name, widget);
    };
    for (auto it = labels.rbegin(); it != labels.rend(); ++it)
        create(**it, makeLabel(**it, client));
    auto* shapes = new TableDrawing(drawn, client);
    shapes->setGeometry(0, 0, twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    shapes->show();
    if (drawing != nullptr)
        *drawing = shapes;
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        create(**it, makeChild(**it, client));
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
