#include "ui/accessibility.h"

#include "ui/announcement.h"
#include "ui/frmcpf.h"
#include "ui/widgets.h"

#include <QAccessibleWidget>
#include <QApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

const Table* tableOf(const QWidget* widget) {
    const auto* window = qobject_cast<const FrmCPF*>(widget->window());
    return window != nullptr ? &window->table() : nullptr;
}

QString pointName(const Table& table) {
    if (table.point() == 0)
        return ActionWords::tr("No point");
    return ActionWords::tr("Point %1, %2")
        .arg(table.point())
        .arg(ActionWords::chance(table.pointChance()));
}

QString spotName(const Table& table, int number) {
    const OneRollSpot spot = table.oneRollSpot(number);
    const QString name = ActionWords::number(number);
    switch (spot.bet) {
    case OneRollSpot::Bet::Placed:
        return ActionWords::tr("One-roll bet on %1: %2")
            .arg(name, ActionWords::dollars(spot.stake));
    case OneRollSpot::Bet::Winner:
        return ActionWords::tr("One-roll bet on %1: %2, a winner; press to take it down")
            .arg(name, ActionWords::dollars(spot.stake));
    case OneRollSpot::Bet::None:
        break;
    }
    return spot.justRolled ? ActionWords::tr("One-roll spot %1: just rolled, no bet").arg(name)
                           : ActionWords::tr("One-roll spot %1: no bet").arg(name);
}

// The notice that the table has stopped, while it is a focus stop that leads on.
QString endNoticeName(const Label& label) {
    return label.caption().simplified() + u' ' +
           ActionWords::tr("Press Return to choose a new bankroll.");
}

QString labelName(const Label& label, const Table* table) {
    if (table != nullptr) {
        const TableControls& w = table->controls();
        if (&label == &w.lblBankroll)
            return ActionWords::tr("Bankroll, %1").arg(ActionWords::dollars(table->bankroll()));
        if (&label == &w.lblpoint)
            return pointName(*table);
        if (const std::optional<int> number = w.lblOR.indexOf(label))
            return spotName(*table, *number);
        if (const std::optional<int> number = w.lblodds.indexOf(label))
            return table->point() == *number ? ActionWords::tr("Point number %1, %2")
                                                   .arg(*number)
                                                   .arg(ActionWords::pays(table->pointChance()))
                                             : ActionWords::tr("Point number %1").arg(*number);
        const Table::Standing standing = table->standing();
        if ((&label == &w.lblgameover && standing == Table::Standing::GameOver) ||
            (&label == &w.lblinfo && standing == Table::Standing::BankBroken))
            return endNoticeName(label);
    }
    return label.caption().simplified();
}

// The up-down that sets the bet amount a control shows (an up-down or its text box), or
// nullptr for a control that shows none.
const UpDown* amountSetter(const Table* table, const Control& control) {
    if (table == nullptr)
        return nullptr;
    const TableControls& w = table->controls();
    if (&control == &w.udBet || &control == &w.txtBet)
        return &w.udBet;
    for (int number = 1; number <= 6; ++number) {
        if (&control == &w.udOneRoll(number) || &control == &w.txtOneRoll(number))
            return &w.udOneRoll(number);
    }
    return nullptr;
}

// What a bet amount is for: "Main bet", "One-roll amount on four".
QString amountPurpose(const Table* table, const Control& control) {
    const UpDown* setter = amountSetter(table, control);
    if (setter == nullptr)
        return {};
    if (const std::optional<int> number = table->controls().udOneRoll.indexOf(*setter))
        return ActionWords::tr("One-roll amount on %1").arg(ActionWords::number(*number));
    return ActionWords::tr("Main bet");
}

// A bet amount shown in a text box: "Main bet, 10 dollars".
QString amountName(const Table* table, const TextBox& box) {
    const UpDown* setter = amountSetter(table, box);
    if (setter == nullptr)
        return box.text();
    return amountPurpose(table, box) + QStringLiteral(", ") +
           ActionWords::dollars(Currency::fromDollars(setter->value()));
}

// The die says its face; every other picture box is the logo.
QString pictureName(const Table* table, const PictureBox& picture) {
    if (table == nullptr || &picture != &table->controls().picdie)
        return ActionWords::tr("Pipfall logo");
    if (table->face() == 0)
        return ActionWords::tr("Die, not rolled yet");
    return ActionWords::tr("Die, %1").arg(ActionWords::number(table->face()));
}

class NamedWidget : public QAccessibleWidget {
public:
    NamedWidget(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? accessibleName(widget()) : QAccessibleWidget::text(t);
    }
};

// A one-roll bet holder: pressing it is a click, which takes a winning bet down.
class HolderInterface final : public NamedWidget {
public:
    explicit HolderInterface(LabelView* label) : NamedWidget(label, QAccessible::Button) {}
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& action) override {
        Label& label = static_cast<LabelView*>(widget())->control();
        if (action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (label.reachable())
            label.Click.raise();
    }
};

// An up-down: a spin box whose value moves only by its steps, as its arrows move it. Its text
// is the amount with its unit ("10 dollars"), which screen readers speak for its value.
class UpDownInterface final : public NamedWidget,
                              public QAccessibleValueInterface,
                              public QAccessibleTextInterface {
public:
    explicit UpDownInterface(UpDownView* upDown) : NamedWidget(upDown, QAccessible::SpinBox) {}
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return NamedWidget::interface_cast(t);
    }
    // The text: read-only, no selection; the caret stays at its end.
    QString text(int startOffset, int endOffset) const override {
        return amount().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(amount().size()); }
    int cursorPosition() const override { return characterCount(); }
    void setCursorPosition(int) override {}
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

    QVariant currentValue() const override { return upDown().value(); }
    QVariant maximumValue() const override { return upDown().maximum(); }
    QVariant minimumValue() const override { return upDown().minimum(); }
    QVariant minimumStepSize() const override { return upDown().step(); }
    // Steps towards the step nearest the value asked for, one arrow click at a time, and
    // stops as soon as a step does not bring the value closer (a limit, or a handler that
    // refused the bet).
    void setCurrentValue(const QVariant& value) override {
        UpDown& u = upDown();
        const double steps = (value.toDouble() - u.minimum()) / u.step();
        const int target = std::clamp(u.minimum() + static_cast<int>(std::lround(steps)) * u.step(),
                                      u.minimum(), u.maximum());
        while (u.reachable() && u.value() != target) {
            const int before = u.value();
            target > before ? u.stepUp() : u.stepDown();
            if (std::abs(target - u.value()) >= std::abs(target - before) ||
                (target - u.value() > 0) != (target - before > 0))
                break;
        }
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << increaseAction() << decreaseAction();
    }
    void doAction(const QString& action) override {
        UpDown& u = upDown();
        if (action == increaseAction() || action == decreaseAction()) {
            if (u.reachable())
                action == increaseAction() ? u.stepUp() : u.stepDown();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    UpDown& upDown() const { return static_cast<UpDownView*>(widget())->control(); }
    QString amount() const {
        return widget()->isHidden() ? QString()
                                    : ActionWords::dollars(Currency::fromDollars(upDown().value()));
    }
};

// The announcer: a notification named by its last announcement.
class AnnouncerInterface final : public QAccessibleWidget {
public:
    explicit AnnouncerInterface(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Announcer*>(widget())->text()
                                      : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* windowWidgetInterface(const QString& className, QObject* object) {
    if (className == u"LabelView") {
        auto* label = qobject_cast<LabelView*>(object);
        const Table* table = label != nullptr ? tableOf(label) : nullptr;
        if (table != nullptr && table->controls().lblOR.indexOf(label->control()))
            return new HolderInterface(label);
        if (label != nullptr)
            return new NamedWidget(label, QAccessible::StaticText);
    } else if (className == u"UpDownView") {
        if (auto* upDown = qobject_cast<UpDownView*>(object))
            return new UpDownInterface(upDown);
    } else if (className == u"TextBoxView") {
        if (auto* box = qobject_cast<TextBoxView*>(object))
            return new NamedWidget(box, QAccessible::StaticText);
    } else if (className == u"PictureView") {
        if (auto* picture = qobject_cast<PictureView*>(object))
            return new NamedWidget(picture, QAccessible::Graphic);
    } else if (className == u"Announcer") {
        if (auto* announcer = qobject_cast<Announcer*>(object))
            return new AnnouncerInterface(announcer);
    }
    return nullptr;
}

} // namespace

QString accessibleName(const QWidget* widget) {
    // A hidden widget keeps its control's last text; a screen reader is told none of it.
    if (widget->isHidden())
        return {};
    const Table* table = tableOf(widget);
    if (const auto* label = qobject_cast<const LabelView*>(widget))
        return labelName(label->control(), table);
    if (const auto* upDown = qobject_cast<const UpDownView*>(widget))
        return amountPurpose(table, upDown->control());
    if (const auto* box = qobject_cast<const TextBoxView*>(widget))
        return amountName(table, box->control());
    if (const auto* picture = qobject_cast<const PictureView*>(widget))
        return pictureName(table, picture->control());
    return widget->accessibleName();
}

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(windowWidgetInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

Announcer::Announcer(Table& table, QWidget* parent)
    : QWidget(parent), table_(table), bankroll_(table.bankroll()) {
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
    listening_ = table.listen([this](const TableEvent& happened) { events_.push_back(happened); });
}

void Announcer::announce() {
    // A message box in front says what it has to say; the table speaks once it has gone.
    if (QApplication::activeModalWidget() != nullptr || events_.empty())
        return;
    const std::vector<TableEvent> events = std::move(events_);
    events_.clear();
    // A bet set with its up-down is said by the up-down, and the bankroll follows the bet; any
    // other change of the bankroll is said with its reason.
    const bool settingAmount = qobject_cast<UpDownView*>(QApplication::focusWidget()) != nullptr;
    const bool onlyBet =
        settingAmount && std::all_of(events.begin(), events.end(), [](const TableEvent& e) {
            return std::holds_alternative<event::BetChanged>(e) ||
                   std::holds_alternative<event::Refused>(e);
        });
    const bool sayBankroll =
        ActionWords::rollPressed(events) || (table_.bankroll() != bankroll_ && !onlyBet);
    bankroll_ = table_.bankroll();
    const QString said = ActionWords::text(
        events, settingAmount, sayBankroll ? std::optional(table_.bankroll()) : std::nullopt);
    if (said.isEmpty())
        return;
    // Shown anew, as a notification appears, so that a screen reader speaks it.
    hide();
    text_ = said;
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    show();
    emit announced(text_);
}
