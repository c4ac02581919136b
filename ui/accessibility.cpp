#include "ui/accessibility.h"

#include "oneroll/holders.h"
#include "table/colours.h"
#include "table/texts.h"
#include "ui/widgets.h"

#include <QAccessibleWidget>
#include <QApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

// By object name, without a control array's index.
constexpr std::array<std::pair<const char*, const char*>, 27> kDescriptions = {{
    {"cmdRoll", "Roll the die"},
    {"cmdOneRoll", "Open the panel for one-roll bets; bets standing on the table come back to "
                   "the bankroll"},
    {"cmdEnterOR", "Register the one-roll amounts entered"},
    {"cmdCancelOR", "Close the one-roll panel without registering its amounts"},
    {"cmdokabout", "Close the about panel"},
    {"cmdBack", "Return to the table"},
    {"Command1", "Return to the table"},
    {"udBet", "The main bet, up to 500 dollars in steps of 5; the Up and Down keys change it"},
    {"udOneRoll", "A one-roll bet, up to 100 dollars; the Up and Down keys change it"},
    {"txtBet", "Amount of the main bet"},
    {"txtOneRoll", "Amount entered for a one-roll bet"},
    {"lblBankroll", "Money left to bet with"},
    {"lblpoint", "The point to roll again: the first chance pays two to one, the second one to "
                 "one, the third two to one"},
    {"lblodds", "A number that can become the point"},
    {"lblcout", "Come-out marker, lit while the next roll is a come-out roll"},
    {"lblOR", "One-roll bet spot; a bet pays four to one when its number comes up"},
    {"lblbetresult", "Outcome of the main bet"},
    {"lblinfo", "Information and instructions"},
    {"lblgameover", "End of the game"},
    {"lblORinfo", "Outcome of the one-roll bets"},
    {"lblrebet", "Notice about the automatic re-bet"},
    {"lblORoll", "Instructions for one-roll bets"},
    {"lblabout", "About Pipfall"},
    {"Label5", "Payout of one-roll bets"},
    {"picdie", "Face of the last roll"},
    {"lblrules", "Rules of the game"},
    {"Label1", "How to play the game on the computer"},
}};

// "lblOR(4)" is the member 4 of lblOR; a plain name is index 0.
std::pair<QStringView, int> splitName(const QString& name) {
    const qsizetype open = name.indexOf(u'(');
    if (open < 0 || !name.endsWith(u')'))
        return {name, 0};
    return {QStringView(name).left(open), QStringView(name).sliced(open + 1).chopped(1).toInt()};
}

// "95 dollars", "1 dollar"; a box a handler has blanked is "empty".
QString dollars(const QString& amount) {
    if (amount.isEmpty())
        return QStringLiteral("empty");
    return amount + (amount == u"1" ? QStringLiteral(" dollar") : QStringLiteral(" dollars"));
}

QString number(int index) {
    return index >= 1 && index <= 6 ? numberName(index).toLower() : QString::number(index);
}

QString pointName(const Label& label, const QString& caption) {
    if (!caption.startsWith(text::PointIs))
        return caption == text::NoPoint ? QStringLiteral("No point") : caption;
    QString name = QStringLiteral("Point ") + caption.sliced(text::PointIs.size());
    if (label.backColor() == colour::Green)
        name += QStringLiteral(", first chance");
    else if (label.backColor() == colour::Yellow)
        name += QStringLiteral(", second chance");
    else if (label.backColor() == colour::Red)
        name += QStringLiteral(", third chance");
    return name;
}

QString holderName(const Label& label, int index, const QString& caption) {
    const QString spot = QStringLiteral("One-roll spot %1: ").arg(number(index));
    const QString bet =
        QStringLiteral("One-roll bet on %1: %2").arg(number(index), dollars(caption));
    switch (holderState(label, index)) {
    case HolderState::NameOnBlue:
        return spot + QStringLiteral("no bet");
    case HolderState::StakeOnDarkOrange:
        return bet;
    case HolderState::StakeOnWhite:
        return bet + QStringLiteral(", a winner; press to take it down");
    case HolderState::NameOnWhite:
        return spot + QStringLiteral("just rolled, no bet");
    case HolderState::Illegal:
        break;
    }
    return spot + caption;
}

QString labelName(const Label& label, QStringView base, int index) {
    const QString caption = label.caption().simplified();
    if (base == u"lblBankroll")
        return QStringLiteral("Bankroll, ") + dollars(caption);
    if (base == u"lblpoint")
        return pointName(label, caption);
    if (base == u"lblOR")
        return holderName(label, index, caption);
    if (base == u"lblodds")
        return QStringLiteral("Point number %1").arg(index) +
               (caption.endsWith(u"to 1") ? QStringLiteral(", pays ") + caption : QString());
    return caption;
}

// What a bet amount is for: "Main bet", "One-roll amount on four".
QString amountPurpose(QStringView base, int index) {
    if (base == u"udBet" || base == u"txtBet")
        return QStringLiteral("Main bet");
    if (base == u"udOneRoll" || base == u"txtOneRoll")
        return QStringLiteral("One-roll amount on %1").arg(number(index));
    return {};
}

// A bet amount shown in a text box: "Main bet, 10 dollars".
QString amountName(QStringView base, int index, const QString& amount) {
    const QString purpose = amountPurpose(base, index);
    return purpose.isEmpty() ? amount : purpose + QStringLiteral(", ") + dollars(amount);
}

QString pictureName(const PictureBox& picture, QStringView base) {
    if (base == u"pblogo")
        return QStringLiteral("Pipfall logo");
    const QString file = picture.pictureName(); // "imgdie4.bmp"
    if (base != u"picdie")
        return file;
    if (file.isEmpty())
        return QStringLiteral("Die, not rolled yet");
    return QStringLiteral("Die, ") + number(QStringView(file).sliced(6, 1).toInt());
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
        return widget()->isHidden() ? QString() : dollars(QString::number(upDown().value()));
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

// What the announcer watches, in the order it speaks them.
constexpr std::array<const char*, 8> kAnnounced = {
    "lblORinfo", "lblpoint",    "lblbetresult", "lblrebet",
    "lblinfo",   "lblgameover", "txtBet",       "lblBankroll",
};

// What the announcer says of a watched widget; the end of a point goes unsaid, for the bet's
// outcome tells it.
QString spoken(const QWidget* widget) {
    const QString name = accessibleName(widget);
    return name == u"No point" ? QString() : name;
}

// Said only while the player is not setting an amount with an up-down, which speaks itself.
bool followsAmounts(const QString& name) {
    return name == u"txtBet" || name == u"lblBankroll";
}

QAccessibleInterface* windowWidgetInterface(const QString& className, QObject* object) {
    if (className == u"LabelView") {
        auto* label = qobject_cast<LabelView*>(object);
        if (label != nullptr && splitName(label->objectName()).first == u"lblOR")
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

QString accessibleDescription(const QString& objectName) {
    const QStringView base = splitName(objectName).first;
    for (const auto& [name, description] : kDescriptions) {
        if (base == QLatin1String(name))
            return QString::fromLatin1(description);
    }
    return {};
}

QString accessibleName(const QWidget* widget) {
    // A hidden widget keeps its control's last text; a screen reader is told none of it.
    if (widget->isHidden())
        return {};
    const QString objectName = widget->objectName();
    const auto [base, index] = splitName(objectName);
    if (const auto* label = qobject_cast<const LabelView*>(widget))
        return labelName(label->control(), base, index);
    if (qobject_cast<const UpDownView*>(widget) != nullptr)
        return amountPurpose(base, index);
    if (const auto* box = qobject_cast<const TextBoxView*>(widget))
        return amountName(base, index, box->control().text());
    if (const auto* picture = qobject_cast<const PictureView*>(widget))
        return pictureName(picture->control(), base);
    return widget->accessibleName();
}

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(windowWidgetInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

Announcer::Announcer(const QHash<QString, QWidget*>& byName, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
    for (const char* name : kAnnounced) {
        QWidget* widget = byName.value(QString::fromLatin1(name));
        Q_ASSERT_X(widget != nullptr, "Announcer", name);
        watched_.push_back({widget, spoken(widget)});
    }
}

void Announcer::sayAgain(const QString& objectName) {
    for (Watched& watched : watched_) {
        if (watched.widget->objectName() == objectName)
            watched.said.clear();
    }
}

void Announcer::announce() {
    // A message box in front says what it has to say; the table speaks once it has gone.
    if (QApplication::activeModalWidget() != nullptr)
        return;
    const bool settingAmount = qobject_cast<UpDownView*>(QApplication::focusWidget()) != nullptr;
    QStringList parts;
    for (Watched& watched : watched_) {
        const QString now = spoken(watched.widget);
        if (now == watched.said || (settingAmount && followsAmounts(watched.widget->objectName())))
            continue;
        watched.said = now;
        if (!now.isEmpty())
            parts << (now.back().isPunct() ? now : now + u'.');
    }
    if (parts.isEmpty())
        return;
    // Shown anew, as a notification appears, so that a screen reader speaks it.
    hide();
    text_ = parts.join(u' ');
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    show();
    emit announced(text_);
}
