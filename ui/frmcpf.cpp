#include "ui/frmcpf.h"

#include "ui/accessibility.h"
#include "ui/widgetbuilder.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QImageReader>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <array>

namespace {

// The notices that the table has stopped join the tab order after "Roll Die" while they lead
// to a new bankroll; the one-roll spots join it after "Make One-Roll Bet" while they hold a
// winner.
constexpr std::array<const char*, 11> kExtraTabOrder = {
    "cmdRoll",  "lblgameover", "lblinfo",  "cmdOneRoll", "lblOR(1)",     "lblOR(2)",
    "lblOR(3)", "lblOR(4)",    "lblOR(5)", "lblOR(6)",   "udOneRoll(1)",
};

// Where the focus goes when the focused widget can no longer be used, the first of these
// that can take it: the one-roll panel, the roll, a winner to take down, the notice that
// leads to a new bankroll.
constexpr std::array<const char*, 10> kFocusNext = {
    "udOneRoll(1)", "cmdRoll",  "lblOR(1)", "lblOR(2)",    "lblOR(3)",
    "lblOR(4)",     "lblOR(5)", "lblOR(6)", "lblgameover", "lblinfo",
};

bool takesFocusNow(const QWidget* widget, const QWidget* window) {
    return widget->isEnabled() && widget->isVisibleTo(window) &&
           (widget->focusPolicy() & Qt::TabFocus);
}

} // namespace

QImage logoPicture(bool sharp) {
    // The built-in readers, named: looking for a plugin would load every one there is.
    QImageReader reader(sharp ? QStringLiteral(":/pictures/logo@2x.png")
                              : QStringLiteral(":/pictures/logo.bmp"),
                        sharp ? "png" : "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

FrmCPF::FrmCPF(Platform& platform, QWidget* parent) : QMainWindow(parent), table_(platform) {
    setObjectName(QStringLiteral("frmCPF"));
    setWindowTitle(QStringLiteral("PIPFALL"));
    buildMenus();
    buildWidgets();
    TableControls& w = table_.controls();
    w.mnurules.Click.bind([this] { emit rulesRequested(); });
    w.mnuCG.Click.bind([this] { emit computerGameRequested(); });
    w.mnuexit.Click.bind([this] { close(); });
}

FrmCPF::~FrmCPF() {
    // The widgets show the table's controls: they go before the table does.
    delete centralWidget();
}

// Each menu command shows its menu item: caption, enabled state and check mark. Choosing it
// is the item's click; the check mark stays as the item holds it, for the handler to change.
void FrmCPF::buildMenus() {
    QHash<QString, QMenu*> menus;
    for (const MenuRow& row : kTableMenus) {
        const QString name = QString::fromLatin1(row.name);
        auto& item = static_cast<MenuItem&>(*table_.controls().byName(name));
        QAction* action = nullptr;
        if (row.menu == nullptr) {
            QMenu* menu = menuBar()->addMenu(item.caption());
            menu->setObjectName(name);
            menu->setFont(menuFont());
            menus.insert(name, menu);
            action = menu->menuAction();
        } else {
            action = menus.value(QString::fromLatin1(row.menu))->addAction(item.caption());
            connect(action, &QAction::triggered, this, [action, &item] {
                action->setChecked(item.checked());
                item.Click.raise();
            });
        }
        action->setObjectName(name);
        auto sync = [action, &item] {
            action->setEnabled(item.enabled());
            action->setCheckable(item.checked()); // an unchecked item shows no box
            action->setChecked(item.checked());
        };
        sync();
        item.observe(sync);
        actions_.insert(name, action);
    }
}

void FrmCPF::buildWidgets() {
    auto* client = makeClientArea(this, QColor(0, 0, 255), kTableWidthTwips, kTableHeightTwips);
    TableControls& controls = table_.controls();
    Platform& platform = table_.platform();
    const WidgetSource source{
        [&controls](const WidgetRow& row) -> Control& {
            return *controls.byName(QString::fromLatin1(row.name));
        },
        [&platform](const QString& name, bool sharp) {
            if (name == u"logo")
                return logoPicture(sharp);
            return sharp ? platform.pictures.loadSharp(name) : QImage();
        },
    };
    byName_ = buildWidgetRows(kTableWidgets, client, kTableWidthTwips, kTableHeightTwips, source);
    // The logo only decorates the table: no focus stop. The die says the face.
    byName_.value(QStringLiteral("pblogo"))->setFocusPolicy(Qt::NoFocus);
    byName_.value(QStringLiteral("picdie"))->setFocusPolicy(Qt::TabFocus);
    setTabOrderByName(kTableTabOrder, byName_);
    // Qt chains only widgets that take the focus: so do the labels until they are told when.
    auto label = [this](const QString& name) {
        return static_cast<LabelView*>(byName_.value(name));
    };
    for (const char* name : kExtraTabOrder) {
        if (auto* view = qobject_cast<LabelView*>(byName_.value(QString::fromLatin1(name))))
            view->setFocusPolicy(Qt::TabFocus);
    }
    setTabOrderByName(kExtraTabOrder, byName_);
    for (int number = 1; number <= 6; ++number) {
        label(QStringLiteral("lblOR(%1)").arg(number))->setTakesFocus([this, number] {
            return table_.oneRollSpot(number).bet == OneRollSpot::Bet::Winner;
        });
    }
    // The notice that the table has stopped opens the Bankroll menu from the keyboard.
    const auto openBankroll = [this] { openBankrollMenu(); };
    label(QStringLiteral("lblgameover"))
        ->setTakesFocus([this] { return table_.standing() == Table::Standing::GameOver; },
                        openBankroll);
    label(QStringLiteral("lblinfo"))
        ->setTakesFocus([this] { return table_.standing() == Table::Standing::BankBroken; },
                        openBankroll);
    announcer_ = new Announcer(table_, client);
    table_.listen([this](const TableEvent&) { settleLater(); });
    for (QWidget* widget : std::as_const(byName_)) {
        if (auto* view = qobject_cast<LabelView*>(widget))
            connect(view, &LabelView::changed, this, &FrmCPF::settleLater);
    }
}

void FrmCPF::openBankrollMenu() {
    QAction* bankroll = actions_.value(QStringLiteral("mnubankroll"));
    if (!bankroll->isEnabled() || !isVisible())
        return;
    menuBar()->setActiveAction(bankroll);
    bankroll->menu()->setActiveAction(actions_.value(QStringLiteral("mnu20")));
}

bool FrmCPF::focusNextPrevChild(bool next) {
    // Qt hands the focus of a widget hidden or disabled on along the tab order, which may
    // end on the logo; the window chooses instead, once the action is over. Until then the
    // focus stays where it was, and a message box shown meanwhile gives it back there.
    QWidget* focused = focusWidget();
    if (focused != nullptr && !takesFocusNow(focused, this)) {
        settleLater();
        return true;
    }
    return QMainWindow::focusNextPrevChild(next);
}

void FrmCPF::settleLater() {
    if (settling_)
        return;
    settling_ = true;
    QTimer::singleShot(0, this, &FrmCPF::settle);
}

void FrmCPF::settle() {
    settling_ = false;
    // Whether a label is a focus stop can depend on other controls (the roll, for the notice
    // that the table has stopped): ask again now that the action is over.
    for (QWidget* widget : std::as_const(byName_)) {
        if (auto* view = qobject_cast<LabelView*>(widget))
            view->updateFocusPolicy();
    }
    keepFocusUseful();
    announcer_->announce();
}

void FrmCPF::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        settleLater();
}

void FrmCPF::messageBoxClosed() {
    // The player closed the box in this program, so the keyboard belongs here: when the window
    // manager gives it to no window of ours, the table takes it back.
    if (QApplication::activeWindow() == nullptr && isVisible())
        activateWindow();
    settleLater();
}

void FrmCPF::keepFocusUseful() {
    if (QWidget* box = QApplication::activeModalWidget()) {
        // Settle again once the message box has gone.
        connect(box, &QObject::destroyed, this, &FrmCPF::messageBoxClosed, Qt::UniqueConnection);
        return;
    }
    QWidget* focused = focusWidget();
    if (focused == nullptr)
        return;
    if (takesFocusNow(focused, this)) {
        // A window activated while its focused widget was disabled (a message box closing
        // before the handler enabled the bet again) leaves that widget the keys but not the
        // focus, and screen readers lost: give it the focus again.
        if (isActiveWindow() && QApplication::focusWidget() == nullptr)
            focused->setFocus(Qt::ActiveWindowFocusReason);
        return;
    }
    for (const char* name : kFocusNext) {
        QWidget* widget = byName_.value(QString::fromLatin1(name));
        if (takesFocusNow(widget, this)) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    // Nothing on the table takes the focus: it shows nowhere, and the menus still answer.
    focused->clearFocus();
}
