#include "ui/widgetbuilder.h"

#include "table/startup.h"
#include "ui/accessibility.h"
#include "ui/announcement.h"
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

Qt::Alignment rowAlignment(const WidgetRow& row) {
    if (row.flags & AlignLeft)
        return Qt::AlignLeft;
    if (row.flags & AlignRight)
        return Qt::AlignRight;
    return Qt::AlignHCenter;
}

// What the widget of a row says to a screen reader: what its row says of its control, or else
// what the control shows.
void giveRowVoice(QWidget* widget, const WidgetRow& row, AnyControl control,
                  const WidgetSource& source) {
    const auto says = row.says;
    const Table* table = source.table;
    if (says != nullptr && table != nullptr && row.control) {
        const ControlId id = *row.control;
        std::function<QString()> name = [says, table, id] { return says(*table, id); };
        const Kind kind = row.widgetKind();
        giveVoice(widget,
                  kind == Kind::UpDown       ? VoiceRole::Amount
                  : kind == Kind::PictureBox ? VoiceRole::Picture
                  : (row.flags & Pressable)  ? VoiceRole::Holder
                                             : VoiceRole::Text,
                  std::move(name));
        return;
    }
    std::visit(
        Overloaded{
            [widget](Label* label) {
                giveVoice(widget, VoiceRole::Text,
                          [label] { return label->caption().simplified(); });
            },
            [widget](TextBox* box) {
                giveVoice(widget, VoiceRole::Text, [box] { return box->text(); });
            },
            [widget](PictureBox*) {
                giveVoice(widget, VoiceRole::Picture,
                          [] { return ActionWords::tr("Pipfall logo"); });
            },
            [widget](UpDown*) { giveVoice(widget, VoiceRole::Amount, [] { return QString(); }); },
            [](auto*) {},
        },
        control);
}

QWidget* makeWidget(const WidgetRow& row, AnyControl control, const WidgetSource& source,
                    QWidget* parent) {
    return std::visit(
        Overloaded{
            [&](Label* label) -> QWidget* {
                return new LabelView(*label, rowAlignment(row), row.flags & Border, parent);
            },
            [&](Button* button) -> QWidget* {
                return new ButtonView(*button, rowColour(row.back, colour::Grey), rowFont(row.font),
                                      parent);
            },
            [&](TextBox* box) -> QWidget* {
                return new TextBoxView(*box, rowColour(row.back, Qt::white),
                                       rowColour(row.fore, Qt::black), rowFont(row.font), parent);
            },
            [&](PictureBox* picture) -> QWidget* {
                return new PictureView(*picture, rowColour(row.back, colour::Grey), source.picture,
                                       parent);
            },
            [&](UpDown* upDown) -> QWidget* { return new UpDownView(*upDown, parent); },
            [](MenuItem*) -> QWidget* { return nullptr; },
        },
        control);
}

template <class C> C* own(std::vector<std::unique_ptr<Control>>& owner) {
    auto made = std::make_unique<C>();
    C* control = made.get();
    owner.push_back(std::move(made));
    return control;
}

AnyControl newControl(Kind kind, std::vector<std::unique_ptr<Control>>& owner) {
    switch (kind) {
    case Kind::Label:
        return own<Label>(owner);
    case Kind::Button:
        return own<Button>(owner);
    case Kind::TextBox:
        return own<TextBox>(owner);
    case Kind::UpDown:
        return own<UpDown>(owner);
    default:
        return own<PictureBox>(owner);
    }
}

// A label lying above a label with a border leaves that border in view: the bankroll box
// keeps its whole frame beside the "$". labels are the rows' label widgets, in row order.
void keepFramesClear(const std::vector<std::pair<const WidgetRow*, QWidget*>>& labels) {
    for (std::size_t below = 0; below < labels.size(); ++below) {
        if (!(labels[below].first->flags & Border))
            continue;
        const QRect frame = pixelRect(*labels[below].first);
        const QRegion ring = QRegion(frame) - QRegion(frame.adjusted(1, 1, -1, -1));
        for (std::size_t above = 0; above < below; ++above) {
            QWidget* label = labels[above].second;
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
    // The menus in the table's own small face rather than the desktop's, which also spares
    // loading the desktop's face for four words.
    window->menuBar()->setFont(menuFont());
    showKeyboardInMenuBar(window->menuBar());
    // The menu bar takes the height the window's layout gives it, which under some styles (the
    // Windows ones) is a pixel more than its size hint.
    const int width = twipsToPixels(widthTwips);
    window->resize(width, twipsToPixels(heightTwips) + window->menuBar()->heightForWidth(width));
    return client;
}

std::vector<QWidget*> buildWidgetRows(std::span<const WidgetRow> rows, QWidget* client,
                                      int widthTwips, int heightTwips, const WidgetSource& source) {
    installAccessibility();
    std::vector<QWidget*> widgets(rows.size(), nullptr);
    auto create = [&](std::size_t at) {
        const WidgetRow& row = rows[at];
        const AnyControl control = source.control(row);
        QWidget* widget = makeWidget(row, control, source, client);
        giveRowVoice(widget, row, control, source);
        widget->setObjectName(QString::fromLatin1(row.objectName()));
        widget->setAccessibleDescription(row.description);
        widget->setGeometry(pixelRect(row));
        if (auto* picture = qobject_cast<PictureView*>(widget); picture && (row.flags & AutoSize))
            picture->fitPicture();
        // In place first: a widget shown before it has a size would work one out for itself.
        widget->setEnabled(controlOf(control).enabled());
        widget->setVisible(controlOf(control).visible());
        widgets[at] = widget;
    };
    // Widgets created later lie above those created earlier, so create from the last row up:
    // labels first, then the drawing, then the child windows, which lie above everything drawn.
    auto isDrawn = [&rows](std::size_t at) {
        const Kind kind = rows[at].widgetKind();
        return kind == Kind::Shape || kind == Kind::Line;
    };
    auto isLabel = [&rows](std::size_t at) { return rows[at].widgetKind() == Kind::Label; };
    for (std::size_t at = rows.size(); at-- > 0;) {
        if (isLabel(at))
            create(at);
    }
    std::vector<std::pair<const WidgetRow*, QWidget*>> labels;
    std::vector<const WidgetRow*> drawn; // shapes, lines and labels, in the window's order
    std::vector<const QWidget*> drawnLabels;
    for (std::size_t at = 0; at < rows.size(); ++at) {
        if (isLabel(at))
            labels.emplace_back(&rows[at], widgets[at]);
        if (isLabel(at) || isDrawn(at)) {
            drawn.push_back(&rows[at]);
            drawnLabels.push_back(widgets[at]);
        }
    }
    keepFramesClear(labels);
    auto* shapes = new TableDrawing(drawn, drawnLabels, client);
    shapes->setGeometry(0, 0, twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    shapes->show();
    for (std::size_t at = rows.size(); at-- > 0;) {
        if (!isLabel(at) && !isDrawn(at))
            create(at);
    }
    return widgets;
}

AnyControl makeOwnControl(const WidgetRow& row, std::vector<std::unique_ptr<Control>>& owner) {
    const AnyControl control = newControl(row.kind, owner);
    loadStartUp({.caption = row.caption,
                 .shown = row.flags & (Visible | Enabled),
                 .font = row.font,
                 .back = row.back,
                 .fore = row.fore,
                 .picture = row.kind == Kind::PictureBox ? "logo" : nullptr},
                control);
    return control;
}

void chainTabOrder(std::span<QWidget* const> widgets) {
    for (std::size_t i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}
