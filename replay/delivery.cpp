#include "replay/delivery.h"

#include "ui/frmcpf.h"

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QStringList kClickMenuItems = {
    QStringLiteral("mnuAuto"), QStringLiteral("mnumax"),   QStringLiteral("mnuMin"),
    QStringLiteral("mnu20"),   QStringLiteral("mnu100"),   QStringLiteral("mnu1000"),
    QStringLiteral("mnu5000"), QStringLiteral("mnuabout"),
};
const QStringList kClickButtons = {
    QStringLiteral("cmdRoll"),     QStringLiteral("cmdOneRoll"), QStringLiteral("cmdEnterOR"),
    QStringLiteral("cmdCancelOR"), QStringLiteral("cmdokabout"),
};

// Whether name is "array(i)" for a one-digit index i from first to last.
bool isIndexed(const QString& name, const char* array, int first, int last) {
    const QLatin1String prefix(array);
    const qsizetype length = prefix.size();
    if (name.size() != length + 3 || !name.startsWith(prefix) || name.at(length) != u'(' ||
        name.at(length + 2) != u')')
        return false;
    const int index = name.at(length + 1).unicode() - u'0';
    return index >= first && index <= last;
}

// A left click at a point of the widget: pressed and released there.
void mouseClick(QWidget* widget, QPoint at) {
    const QPointF global = widget->mapToGlobal(QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

} // namespace

Delivery deliver(Table& table, FrmCPF* window, PlayerAction action, const QString& name) {
    TableControls& w = table.controls();
    if (action == PlayerAction::Click) {
        if (kClickButtons.contains(name)) {
            auto& button = static_cast<Button&>(*w.byName(name));
            if (!button.reachable())
                return Delivery::NotDelivered;
            if (window != nullptr)
                static_cast<QPushButton*>(window->widget(name))->click();
            else
                button.Click.raise();
            return Delivery::Delivered;
        }
        if (isIndexed(name, "lblOR", 1, 6)) {
            auto& label = static_cast<Label&>(*w.byName(name));
            if (!label.visible())
                return Delivery::NotDelivered;
            if (window != nullptr)
                mouseClick(window->widget(name), QPoint(2, 2));
            else
                label.Click.raise();
            return Delivery::Delivered;
        }
        if (kClickMenuItems.contains(name)) {
            auto& item = static_cast<MenuItem&>(*w.byName(name));
            if (!item.itemReachable())
                return Delivery::NotDelivered;
            if (window != nullptr)
                window->action(name)->trigger();
            else
                item.Click.raise();
            return Delivery::Delivered;
        }
        return Delivery::UnknownName;
    }
    if (name != u"udBet" && !isIndexed(name, "udOneRoll", 1, 6))
        return Delivery::UnknownName;
    auto& upDown = static_cast<UpDown&>(*w.byName(name));
    if (!upDown.reachable())
        return Delivery::NotDelivered;
    const bool up = action == PlayerAction::Up;
    if (window != nullptr) {
        QWidget* arrows = window->widget(name);
        mouseClick(arrows, QPoint(arrows->width() / 2, up ? 1 : arrows->height() - 2));
    } else if (up) {
        upDown.stepUp();
    } else {
        upDown.stepDown();
    }
    return Delivery::Delivered;
}
