#include "ui/accessibility.h"

#include "ui/announcement.h"
#include "ui/widgets.h"

#include <QAccessibleWidget>
#include <QApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

// A widget's voice, kept as its child so that it goes with the widget.
class Voice final : public QObject {
public:
    Voice(QWidget* widget, VoiceRole role, std::function<QString()> name)
        : QObject(widget), role(role), name(std::move(name)) {}
    const VoiceRole role;
    const std::function<QString()> name;
};

const Voice* voiceOf(const QWidget* widget) {
    for (const QObject* child : widget->children()) {
        if (const auto* voice = dynamic_cast<const Voice*>(child))
            return voice;
    }
    return nullptr;
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
    // The text: read-only, no selection; the caret stays at its end. Its name and the rest
    // are the named widget's.
    using NamedWidget::text;
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

// The interface of a widget given a voice, or of the announcer; none for any other object.
QAccessibleInterface* voicedInterface(const QString&, QObject* object) {
    if (auto* announcer = qobject_cast<Announcer*>(object))
        return new AnnouncerInterface(announcer);
    auto* widget = qobject_cast<QWidget*>(object);
    const Voice* voice = widget != nullptr ? voiceOf(widget) : nullptr;
    if (voice == nullptr)
        return nullptr;
    switch (voice->role) {
    case VoiceRole::Holder:
        if (auto* label = qobject_cast<LabelView*>(widget))
            return new HolderInterface(label);
        break;
    case VoiceRole::Amount:
        if (auto* upDown = qobject_cast<UpDownView*>(widget))
            return new UpDownInterface(upDown);
        break;
    case VoiceRole::Picture:
        return new NamedWidget(widget, QAccessible::Graphic);
    case VoiceRole::Text:
        break;
    }
    return new NamedWidget(widget, QAccessible::StaticText);
}

} // namespace

void giveVoice(QWidget* widget, VoiceRole role, std::function<QString()> name) {
    new Voice(widget, role, std::move(name));
}

QString accessibleName(const QWidget* widget) {
    // A hidden widget keeps its control's last text; a screen reader is told none of it.
    if (widget->isHidden())
        return {};
    if (const Voice* voice = voiceOf(widget))
        return voice->name();
    return widget->accessibleName();
}

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(voicedInterface);
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
