#include "ui/frmcpf.h"

#include "ui/accessibility.h"
#include "ui/picturefiles.h"
#include "ui/tablelayout.h"
#include "ui/widgetbuilder.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

// The rows of the controls that have a place in the order, by that place.
std::vector<const WidgetRow*> rowsInOrder(std::span<const WidgetRow> rows, int WidgetRow::*place) {
    std::vector<const WidgetRow*> ordered;
    for (const WidgetRow& row : rows) {
        if (row.control && row.*place != 0)
            ordered.push_back(&row);
    }
    std::sort(ordered.begin(), ordered.end(),
              [place](const WidgetRow* a, const WidgetRow* b) { return a->*place < b->*place; });
    return ordered;
}

bool takesFocusNow(const QWidget* widget, const QWidget* window) {
    return widget != nullptr && widget->isEnabled() && widget->isVisibleTo(window) &&
           (widget->focusPolicy() & Qt::TabFocus);
}

} // namespace

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

Announcer* FrmCPF::announcer() const {
    return announcer_;
}

QWidget* FrmCPF::widget(const QString& name) const {
    const std::optional<ControlId> control = controlNamed(name);
    return control ? widget(*control) : nullptr;
}

QAction* FrmCPF::action(const QString& name) const {
    const std::optional<ControlId> control = controlNamed(name);
    return control ? action(*control) : nullptr;
}

std::vector<QWidget*> FrmCPF::widgetsOf(const std::vector<const WidgetRow*>& rows) const {
    std::vector<QWidget*> widgets;
    for (const WidgetRow* row : rows)
        widgets.push_back(widget(*row->control));
    return widgets;
}

// Each menu command shows its menu item: caption, enabled state and check mark. Choosing it
// is the item's click; the check mark stays as the item holds it, for the handler to change.
void FrmCPF::buildMenus() {
    QHash<const MenuItem*, QMenu*> menus;
    for (std::size_t i = 0; i < kTableControls.size(); ++i) {
        if (kTableControls[i].kind != Kind::Menu)
            continue;
        MenuItem& item = *std::get<MenuItem*>(table_.controls().at(controlAt(i)));
        const QString name = QString::fromLatin1(kTableControls[i].name);
        QAction* action = nullptr;
        if (item.menu() == nullptr) {
            QMenu* menu = menuBar()->addMenu(item.caption());
            menu->setObjectName(name);
            menu->setFont(menuFont());
            menus.insert(&item, menu);
            action = menu->menuAction();
        } else {
            action = menus.value(item.menu())->addAction(item.caption());
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
        endWith(action, item.observe(sync));
        actions_.insert(&item, action);
    }
}

// The tab order and where the focus goes next, as the looks rows of the controls give them.
void FrmCPF::chainKeyboard(std::span<const WidgetRow> rows) {
    // A picture is a focus stop where it has a place in the tab order: the die, which says
    // the face, and not the logo, which only decorates the table. Qt chains only widgets that
    // take the focus: so do the labels until they are told when.
    const std::vector<const WidgetRow*> tabOrder = rowsInOrder(rows, &WidgetRow::tab);
    for (const WidgetRow& row : rows) {
        if (auto* picture =
                qobject_cast<PictureView*>(row.control ? widget(*row.control) : nullptr))
            picture->setFocusPolicy(row.tab != 0 ? Qt::TabFocus : Qt::NoFocus);
    }
    for (QWidget* view : widgetsOf(tabOrder)) {
        if (auto* label = qobject_cast<LabelView*>(view))
            label->setFocusPolicy(Qt::TabFocus);
    }
    chainTabOrder(widgetsOf(tabOrder));
    const std::vector<QWidget*> next = widgetsOf(rowsInOrder(rows, &WidgetRow::focusNext));
    focusNext_.assign(next.begin(), next.end());
}

void FrmCPF::buildWidgets() {
    auto* client = makeClientArea(this, QColor(0, 0, 255), kTableWidthTwips, kTableHeightTwips);
    TableControls& w = table_.controls();
    Platform& platform = table_.platform();
    const WidgetSource source{
        [&w](const WidgetRow& row) { return w.at(*row.control); },
        [&platform](const QString& name, bool sharp) {
            if (name == u"logo")
                return logoPicture(sharp);
            return sharp ? platform.pictures.loadSharp(name) : QImage();
        },
        &table_,
    };
    const std::span<const WidgetRow> rows = tableWidgets();
    const std::vector<QWidget*> widgets =
        buildWidgetRows(rows, client, kTableWidthTwips, kTableHeightTwips, source);
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        if (const std::optional<ControlId> control = rows[i].control)
            widgets_.insert(&controlOf(w.at(*control)), widgets[i]);
    }
    chainKeyboard(rows);
    auto label = [this](const Label& control) { return qobject_cast<LabelView*>(widget(control)); };
    for (int number = 1; number <= 6; ++number) {
        label(w.lblOR(number))->setTakesFocus([this, number] {
            return table_.oneRollSpot(number).bet == OneRollSpot::Bet::Winner;
        });
    }
    // The notice that the table has stopped opens the Bankroll menu from the keyboard.
    const auto openBankroll = [this] { openBankrollMenu(); };
    label(w.lblgameover)
        ->setTakesFocus([this] { return table_.standing() == Table::Standing::GameOver; },
                        openBankroll);
    label(w.lblinfo)->setTakesFocus(
        [this] { return table_.standing() == Table::Standing::BankBroken; }, openBankroll);
    announcer_ = new Announcer(table_, client);
    listening_ = table_.listen([this](const TableEvent&) { settleLater(); });
    for (QWidget* widget : std::as_const(widgets_)) {
        if (auto* view = qobject_cast<LabelView*>(widget))
            connect(view, &LabelView::changed, this, &FrmCPF::settleLater);
    }
}

void FrmCPF::openBankrollMenu() {
    QAction* bankroll = action(ControlId::mnubankroll);
    if (bankroll == nullptr || !bankroll->isEnabled() || !isVisible())
        return;
    menuBar()->setActiveAction(bankroll);
    bankroll->menu()->setActiveAction(action(ControlId::mnu20));
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
    for (QWidget* widget : std::as_const(widgets_)) {
        if (auto* view = qobject_cast<LabelView*>(widget))
            view->updateFocusPolicy();
    }
    keepFocusUseful();
    if (announcer_ != nullptr)
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
    for (QWidget* widget : focusNext_) {
        if (takesFocusNow(widget, this)) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    // Nothing on the table takes the focus: it shows nowhere, and the menus still answer.
    focused->clearFocus();
}
