#include "replay/delivery.h"

#include "ui/frmcpf.h"

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

} // namespace

Delivery deliver(FrmCPF& window, PlayerAction action, const QString& name) {
    if (action == PlayerAction::Click) {
        if (kClickButtons.contains(name)) {
            auto* button = static_cast<Button*>(window.widget(name));
            if (button->isHidden() || !button->isEnabled())
                return Delivery::NotDelivered;
            button->click();
            return Delivery::Delivered;
        }
        if (isIndexed(name, "lblOR", 1, 6)) {
            auto* label = static_cast<Label*>(window.widget(name));
            if (label->isHidden())
                return Delivery::NotDelivered;
            emit label->clicked();
            return Delivery::Delivered;
        }
        if (kClickMenuItems.contains(name)) {
            MenuItem* item = window.menuItem(name);
            if (!item->isReachable())
                return Delivery::NotDelivered;
            item->action()->trigger();
            return Delivery::Delivered;
        }
        return Delivery::UnknownName;
    }
    if (name != u"udBet" && !isIndexed(name, "udOneRoll", 1, 6))
        return Delivery::UnknownName;
    auto* upDown = static_cast<UpDown*>(window.widget(name));
    if (upDown->isHidden() || !upDown->isEnabled())
        return Delivery::NotDelivered;
    if (action == PlayerAction::Up)
        upDown->stepUp();
    else
        upDown->stepDown();
    return Delivery::Delivered;
}
