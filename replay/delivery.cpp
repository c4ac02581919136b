#include "replay/delivery.h"

#include "ui/frmcpf.h"

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace {

// The menu commands a script may choose: the others open a window or end the program.
constexpr std::array<ControlId, 8> kPlayersCommands = {
    ControlId::mnuAuto, ControlId::mnumax,  ControlId::mnuMin,  ControlId::mnu20,
    ControlId::mnu100,  ControlId::mnu1000, ControlId::mnu5000, ControlId::mnuabout,
};

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

Delivery clickButton(Button& button, FrmCPF* window) {
    if (!button.reachable())
        return Delivery::NotDelivered;
    if (window != nullptr)
        static_cast<QPushButton*>(window->widget(button))->click();
    else
        button.Click.raise();
    return Delivery::Delivered;
}

// A one-roll spot takes clicks while it is shown, enabled or not.
Delivery clickSpot(Label& spot, FrmCPF* window) {
    if (!spot.visible())
        return Delivery::NotDelivered;
    if (window != nullptr)
        mouseClick(window->widget(spot), QPoint(2, 2));
    else
        spot.Click.raise();
    return Delivery::Delivered;
}

Delivery chooseCommand(MenuItem& item, ControlId control, FrmCPF* window) {
    if (!item.itemReachable())
        return Delivery::NotDelivered;
    if (window != nullptr)
        window->action(control)->trigger();
    else
        item.Click.raise();
    return Delivery::Delivered;
}

Delivery pressArrow(UpDown& upDown, bool up, FrmCPF* window) {
    if (!upDown.reachable())
        return Delivery::NotDelivered;
    if (window != nullptr) {
        QWidget* arrows = window->widget(upDown);
        mouseClick(arrows, QPoint(arrows->width() / 2, up ? 1 : arrows->height() - 2));
    } else if (up) {
        upDown.stepUp();
    } else {
        upDown.stepDown();
    }
    return Delivery::Delivered;
}

} // namespace

Delivery deliver(Table& table, FrmCPF* window, PlayerAction action, const QString& name) {
    const std::optional<ControlId> control = controlNamed(name);
    if (!control)
        return Delivery::UnknownName;
    TableControls& w = table.controls();
    const AnyControl target = w.at(*control);
    if (action != PlayerAction::Click) {
        UpDown* const* upDown = std::get_if<UpDown*>(&target);
        return upDown != nullptr ? pressArrow(**upDown, action == PlayerAction::Up, window)
                                 : Delivery::UnknownName;
    }
    if (Button* const* button = std::get_if<Button*>(&target))
        return clickButton(**button, window);
    if (Label* const* label = std::get_if<Label*>(&target); label && w.lblOR.indexOf(**label))
        return clickSpot(**label, window);
    if (MenuItem* const* item = std::get_if<MenuItem*>(&target);
        item && std::find(kPlayersCommands.begin(), kPlayersCommands.end(), *control) !=
                    kPlayersCommands.end())
        return chooseCommand(**item, *control, window);
    return Delivery::UnknownName;
}
