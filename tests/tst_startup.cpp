// The table as it opens: every widget, menu and up-down in its start-up state, the variables
// Form_Load sets, the tab order; the up-down's rules; the die's faces and its random source;
// the Currency text form; the die-picture loader on bad files.

#include "support/tabletest.h"
#include "table/currency.h"
#include "table/die.h"
#include "ui/widgets.h"
#include "ui/widgettable.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

constexpr QRgb kNone = 0x01000000; // no colour to check

// One widget of the table as the player finds it after start-up (Form_Load has run, so
// cmdCancelOR is hidden). Places in twips; colours 0xRRGGBB.
struct Expected {
    const char* name;
    Kind kind;
    int left, top, width, height;
    const char* text;
    const char* face;
    double size;
    bool bold;
    QRgb back;
    bool visible;
    bool enabled;
    bool border;
};

// clang-format off
const Expected kExpected[] = {
    {"cmdCancelOR", Kind::Button, 7800, 6600, 1935, 255, "Cancel One Roll Bets", "Arial", 8.25, true, 0xFFC080, false, true, false},
    {"cmdokabout", Kind::Button, 1560, 1560, 1095, 615, "O K", "Arial", 12, true, 0x8080FF, false, true, false},
    {"pblogo", Kind::PictureBox, 240, 600, 1860, 1500, "logo", nullptr, 0, false, kNone, true, true, true},
    {"txtOneRoll(6)", Kind::TextBox, 10560, 6480, 660, 450, "0", "MS Sans Serif", 13.5, true, 0x804040, false, false, false},
    {"txtOneRoll(5)", Kind::TextBox, 10560, 6000, 660, 450, "0", "MS Sans Serif", 13.5, true, 0x804040, false, false, false},
    {"cmdEnterOR", Kind::Button, 7800, 6240, 1935, 285, "Enter Bets", "Arial", 12, true, 0xFFC080, false, true, false},
    {"txtOneRoll(4)", Kind::TextBox, 10560, 5520, 660, 450, "0", "MS Sans Serif", 13.5, true, 0x804040, false, false, false},
    {"txtOneRoll(3)", Kind::TextBox, 10560, 5040, 660, 450, "0", "MS Sans Serif", 13.5, true, 0x804040, false, false, false},
    {"txtOneRoll(2)", Kind::TextBox, 10560, 4560, 660, 450, "0", "MS Sans Serif", 13.5, true, 0x804040, false, false, false},
    {"txtOneRoll(1)", Kind::TextBox, 10560, 4080, 660, 450, "0", "MS Sans Serif", 13.5, true, 0x804040, false, false, false},
    {"cmdOneRoll", Kind::Button, 8400, 3360, 3015, 495, "Make One-Roll Bet", "Arial", 14.25, true, 0xFF8000, true, true, false},
    {"cmdRoll", Kind::Button, 9000, 2160, 2175, 975, "Roll Die", "Arial", 26.25, true, 0x8080FF, true, true, false},
    {"txtBet", Kind::TextBox, 5280, 5040, 1020, 540, "0", "Arial", 20.25, true, 0x0000C0, true, false, false},
    {"udBet", Kind::UpDown, 6360, 5160, 195, 315, nullptr, nullptr, 0, false, kNone, true, true, false},
    {"picdie", Kind::PictureBox, 5640, 1680, 615, 615, "", nullptr, 0, false, kNone, false, true, true},
    {"udOneRoll(1)", Kind::UpDown, 11280, 4080, 195, 360, nullptr, nullptr, 0, false, kNone, false, true, false},
    {"udOneRoll(2)", Kind::UpDown, 11280, 4560, 195, 360, nullptr, nullptr, 0, false, kNone, false, true, false},
    {"udOneRoll(3)", Kind::UpDown, 11280, 5040, 195, 360, nullptr, nullptr, 0, false, kNone, false, true, false},
    {"udOneRoll(4)", Kind::UpDown, 11280, 5520, 195, 360, nullptr, nullptr, 0, false, kNone, false, true, false},
    {"udOneRoll(5)", Kind::UpDown, 11280, 6000, 195, 360, nullptr, nullptr, 0, false, kNone, false, true, false},
    {"udOneRoll(6)", Kind::UpDown, 11280, 6480, 195, 360, nullptr, nullptr, 0, false, kNone, false, true, false},
    {"lblabout", Kind::Label, 240, 360, 3855, 1935, nullptr /* below */, "Arial", 12, true, 0xC0C0FF, false, true, false},
    {"lblrebet", Kind::Label, 240, 4680, 1695, 975, "Your bankroll reflects the automatic re-bet feature.", "Arial", 9, true, 0x8080FF, false, true, true},
    {"lblOneRoll(1)", Kind::Label, 9960, 4080, 495, 375, "1", "MS Sans Serif", 18, true, 0x0000FF, false, true, false},
    {"lblORoll", Kind::Label, 7440, 4680, 2655, 2295, "Please select the amount you wish to bet on each number by using the up-down buttons.", "Arial", 12, true, 0xFF8000, false, true, false},
    {"lblOR(6)", Kind::Label, 7320, 2760, 495, 255, "SIX", "MS Sans Serif", 8.25, true, 0x0000FF, true, true, true},
    {"lblodds(5)", Kind::Label, 6840, 3120, 375, 735, "5", "Arial", 18, true, 0x0000FF, true, true, false},
    {"lblodds(4)", Kind::Label, 6120, 3120, 375, 735, "4", "Arial", 18, true, 0x0000FF, true, true, false},
    {"lblOR(4)", Kind::Label, 6000, 3960, 615, 255, "FOUR", "MS Sans Serif", 8.25, true, 0x0000FF, true, true, true},
    {"lblOR(3)", Kind::Label, 5160, 3960, 735, 255, "THREE", "MS Sans Serif", 8.25, true, 0x0000FF, true, true, true},
    {"lblOR(2)", Kind::Label, 4560, 3960, 495, 255, "TWO", "MS Sans Serif", 8.25, true, 0x0000FF, true, true, true},
    {"lblpoint", Kind::Label, 9480, 1440, 1815, 495, "NO POINT", "Arial", 18, false, 0xC0C0FF, true, true, false},
    {"lblbetresult", Kind::Label, 360, 5880, 4575, 1095, "Six on the come out is a winner. The amount of your bet is added to your Bankroll.", "Arial", 14.25, false, 0xFF8000, false, true, false},
    {"lblinfo", Kind::Label, 240, 2400, 2775, 1695, "Your indicated bet exceeds your bankroll.  Please lower your bet.", "Arial", 14.25, false, 0xFF8000, false, true, false},
    {"lblgameover", Kind::Label, 960, 7080, 4215, 855, "GAME OVER!!!  Bankroll is under five dollars.", "Arial", 17.25, true, 0xFF0000, false, true, false},
    {"lblORinfo", Kind::Label, 6360, 7080, 4935, 855, "All of your one-roll bets lost.", "Arial", 17.25, false, 0xFF8000, false, true, false},
    {"lblOneRoll(6)", Kind::Label, 9960, 6480, 495, 375, "6", "MS Sans Serif", 18, true, 0x0000FF, false, true, false},
    {"lblOneRoll(5)", Kind::Label, 9960, 6000, 495, 375, "5", "MS Sans Serif", 18, true, 0x0000FF, false, true, false},
    {"lblOneRoll(4)", Kind::Label, 9960, 5520, 495, 375, "4", "MS Sans Serif", 18, true, 0x0000FF, false, true, false},
    {"lblOneRoll(3)", Kind::Label, 9960, 5040, 495, 375, "3", "MS Sans Serif", 18, true, 0x0000FF, false, true, false},
    {"lblOneRoll(2)", Kind::Label, 9960, 4560, 495, 375, "2", "MS Sans Serif", 18, true, 0x0000FF, false, true, false},
    {"Label7", Kind::Label, 2160, 4920, 255, 495, "$", "MS Sans Serif", 19.5, true, 0x0000FF, true, true, false},
    {"Label6", Kind::Label, 2640, 4560, 1695, 255, "BANKROLL", "Arial", 12, true, 0x0000FF, true, true, false},
    {"lblBankroll", Kind::Label, 2400, 4920, 2175, 615, "100", "Arial", 20.25, true, 0xFFFFFF, true, true, true},
    {"lblodds(2)", Kind::Label, 4680, 3120, 375, 735, " 2    ", "Arial", 18, true, 0x0000FF, true, true, false},
    {"lblodds(3)", Kind::Label, 5400, 3120, 375, 735, "3", "Arial", 18, true, 0x0000FF, true, true, false},
    {"lblcout(4)", Kind::Label, 5400, 2640, 1095, 375, "COME OUT", "Arial", 9.75, false, 0xC0C0FF, true, true, false},
    {"Label2", Kind::Label, 4320, 2160, 255, 375, "1", "Arial", 18, true, 0x0000FF, true, true, false},
    {"Label3", Kind::Label, 7440, 2160, 255, 375, "6", "Arial", 18, true, 0x0000FF, true, true, false},
    {"lblOR(1)", Kind::Label, 4080, 2760, 615, 255, "ONE", "MS Sans Serif", 8.25, true, 0x0000FF, true, true, true},
    {"lblOR(5)", Kind::Label, 6720, 3960, 495, 255, "FIVE", "MS Sans Serif", 8.25, true, 0x0000FF, true, true, true},
    {"Label5", Kind::Label, 4680, 1080, 2535, 255, "All One-Roll Bets Pay 4-to-1", "Arial", 9.75, false, 0x0000FF, true, true, true},
};
// clang-format on

// 71 blanks, the name, 8 blanks and the version: the blanks push each onto a line of its own.
QString aboutCaption() {
    return QString(71, u' ') + QStringLiteral("Pipfall") + QString(8, u' ') +
           QStringLiteral("Version  1.1");
}

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QRgb rgb(QColor colour) {
    return colour.rgb() & 0xFFFFFF;
}

// The focus cycle the Tab key walks, starting from the widget that has the focus.
QStringList tabCycle(QWidget* window) {
    QStringList names;
    QWidget* start = QApplication::focusWidget();
    if (start == nullptr)
        return names;
    names << start->objectName();
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(window, Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == nullptr || now == start)
            break;
        names << now->objectName();
    }
    return names;
}

// Shows the window and gives it the keyboard, as the desktop does when the game starts.
void showActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY(window->isActiveWindow());
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { startDir_ = QDir::currentPath(); }
    void widgets_data();
    void widgets();
    void everyWidgetIsListed();
    void menus_data();
    void menus();
    void menuBarOrder();
    void upDowns_data();
    void upDowns();
    void clientArea();
    void formLoad();
    void tabOrder_data();
    void tabOrder();

    void upDownRules_data();
    void upDownRules();
    void upDownBuddyWrittenBeforeChange();
    void upDownMouse_data();
    void upDownMouse();

    void faces_data();
    void faces();
    void everyFaceEquallyWide();
    void clockDieSpreads();

    void currencyText_data();
    void currencyText();
    void currencyToInt32_data();
    void currencyToInt32();

    void pictureLoader_data();
    void pictureLoader();
    void checkNamesMissingPicture();

private:
    QString startDir_;
};

// ---------------------------------------------------------------- the window at start

void TestStartup::widgets_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < static_cast<int>(std::size(kExpected)); ++i)
        QTest::newRow(kExpected[i].name) << i;
}

void TestStartup::widgets() {
    QFETCH(int, row);
    const Expected& e = kExpected[row];
    TableTest table;
    QWidget* widget = table.window->widget(QString::fromLatin1(e.name));
    QVERIFY(widget != nullptr);

    QCOMPARE(widget->geometry(),
             QRect(pixels(e.left), pixels(e.top), pixels(e.width), pixels(e.height)));
    QCOMPARE(!widget->isHidden(), e.visible);
    QCOMPARE(widget->isEnabled(), e.enabled);

    const QString text = e.text != nullptr ? QString::fromLatin1(e.text) : aboutCaption();
    const QImage painted = widget->grab().toImage();
    switch (e.kind) {
    case Kind::Label: {
        auto* label = qobject_cast<Label*>(widget);
        QVERIFY(label != nullptr);
        QCOMPARE(label->caption(), text);
        QCOMPARE(rgb(label->backColor()), e.back);
        QCOMPARE(label->fontSpec().name.toLower(), QString::fromLatin1(e.face).toLower());
        QCOMPARE(label->fontSpec().size, e.size);
        QCOMPARE(label->fontSpec().bold, e.bold);
        // Opaque: the corner is painted in the back colour, or black where the border runs.
        QCOMPARE(painted.pixel(0, 0) & 0xFFFFFF, e.border ? 0u : e.back);
        break;
    }
    case Kind::Button: {
        auto* button = qobject_cast<Button*>(widget);
        QVERIFY(button != nullptr);
        QCOMPARE(button->text(), text);
        QCOMPARE(rgb(button->backColor()), e.back);
        QCOMPARE(button->font().families().value(0), QString::fromLatin1(e.face));
        QCOMPARE(button->font().pixelSize(), static_cast<int>(std::lround(e.size * 4 / 3)));
        QCOMPARE(button->font().bold(), e.bold);
        QVERIFY(!button->isDefault() && !button->autoDefault());
        QCOMPARE(painted.pixel(painted.width() / 2, 3) & 0xFFFFFF, e.back);
        break;
    }
    case Kind::TextBox: {
        auto* box = qobject_cast<TextBox*>(widget);
        QVERIFY(box != nullptr);
        QCOMPARE(box->text(), text);
        QCOMPARE(box->font().families().value(0), QString::fromLatin1(e.face));
        QCOMPARE(box->font().pixelSize(), static_cast<int>(std::lround(e.size * 4 / 3)));
        QCOMPARE(box->font().bold(), e.bold);
        // Inside the sunken frame, beside the centred text.
        QCOMPARE(painted.pixel(3, painted.height() / 2) & 0xFFFFFF, e.back);
        break;
    }
    case Kind::PictureBox: {
        auto* picture = qobject_cast<PictureBox*>(widget);
        QVERIFY(picture != nullptr);
        QCOMPARE(picture->pictureName(), text);
        QCOMPARE(painted.pixel(0, 0) & 0xFFFFFF, 0u); // the one-pixel border
        break;
    }
    case Kind::UpDown:
        QVERIFY(qobject_cast<UpDown*>(widget) != nullptr);
        QCOMPARE(qobject_cast<UpDown*>(widget)->value(), 0);
        break;
    case Kind::Shape:
    case Kind::Line:
        QFAIL("shapes and lines are drawn, not widgets");
    }
}

void TestStartup::everyWidgetIsListed() {
    TableTest table;
    QStringList expected;
    for (const Expected& e : kExpected)
        expected << QString::fromLatin1(e.name);
    QStringList named;
    for (const NamedWidget& widget : table.window->namedWidgets())
        named << widget.name;
    // The window stores its widgets in the order of its widget table.
    QCOMPARE(named, expected);
    QCOMPARE(named.size() + static_cast<int>(table.window->menuItems().size()), 66);
}

void TestStartup::menus_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<bool>("checked");
    const auto row = [](const char* name, const char* caption, const char* menu,
                        bool checked = false) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                            << QString::fromLatin1(menu) << checked;
    };
    row("mnuOptions", "&Options", "");
    row("mnuAuto", "&Auto re-bet", "mnuOptions", true);
    row("mnumax", "Bet &max", "mnuOptions");
    row("mnuMin", "Bet mi&n", "mnuOptions");
    row("mnuexit", "E&xit", "mnuOptions");
    row("mnubankroll", "&Bankroll", "");
    row("mnu20", "&20", "mnubankroll");
    row("mnu100", "&100", "mnubankroll");
    row("mnu1000", "1,00&0", "mnubankroll");
    row("mnu5000", "&5,000", "mnubankroll");
    row("mnuhelp", "&Help", "");
    row("mnurules", "&Rules", "mnuhelp");
    row("mnuCG", "&Computer Game", "mnuhelp");
    row("mnuabout", "About &Pipfall", "mnuhelp");
}

void TestStartup::menus() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, menu);
    QFETCH(bool, checked);
    TableTest table;
    MenuItem* item = table.window->menuItem(name);
    QVERIFY(item != nullptr);
    QCOMPARE(item->caption(), caption);
    QVERIFY(item->isEnabled());
    QVERIFY(item->action()->isVisible());
    QCOMPARE(item->isChecked(), checked);
    QVERIFY(item->action()->shortcut().isEmpty());
    QVERIFY(item->isReachable());
    if (menu.isEmpty()) {
        QCOMPARE(item->menu(), nullptr);
        QVERIFY(table.window->menuBar()->actions().contains(item->action()));
    } else {
        QCOMPARE(item->menu(), table.window->menuItem(menu));
        QVERIFY(item->menu()->action()->menu()->actions().contains(item->action()));
    }
}

void TestStartup::menuBarOrder() {
    TableTest table;
    QStringList bar;
    QStringList items;
    for (QAction* top : table.window->menuBar()->actions()) {
        bar << top->text();
        for (QAction* action : top->menu()->actions())
            items << action->text();
    }
    QCOMPARE(bar, (QStringList{"&Options", "&Bankroll", "&Help"}));
    QCOMPARE(items,
             (QStringList{"&Auto re-bet", "Bet &max", "Bet mi&n", "E&xit", "&20", "&100", "1,00&0",
                          "&5,000", "&Rules", "&Computer Game", "About &Pipfall"}));
}

void TestStartup::upDowns_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("buddy");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("step");
    QTest::newRow("udBet") << "udBet"
                           << "txtBet" << 500 << 5;
    for (int i = 1; i <= 6; ++i) {
        const QByteArray name = "udOneRoll(" + QByteArray::number(i) + ')';
        QTest::newRow(name.constData())
            << QString::fromLatin1(name) << QStringLiteral("txtOneRoll(%1)").arg(i) << 100 << 1;
    }
}

void TestStartup::upDowns() {
    QFETCH(QString, name);
    QFETCH(QString, buddy);
    QFETCH(int, maximum);
    QFETCH(int, step);
    TableTest table;
    auto* upDown = qobject_cast<UpDown*>(table.window->widget(name));
    QVERIFY(upDown != nullptr);
    QCOMPARE(upDown->minimum(), 0);
    QCOMPARE(upDown->maximum(), maximum);
    QCOMPARE(upDown->step(), step);
    QCOMPARE(upDown->value(), 0);

    // The buddy is the box that shows the value: it, and no other box, follows a change.
    QMap<QString, QString> before;
    for (const NamedWidget& widget : table.window->namedWidgets()) {
        if (widget.kind == Kind::TextBox)
            before.insert(widget.name, static_cast<TextBox*>(widget.widget)->text());
    }
    upDown->setValue(step);
    for (const NamedWidget& widget : table.window->namedWidgets()) {
        if (widget.kind != Kind::TextBox || widget.name == buddy)
            continue;
        QCOMPARE(static_cast<TextBox*>(widget.widget)->text(), before.value(widget.name));
    }
    QCOMPARE(qobject_cast<TextBox*>(table.window->widget(buddy))->text(), QString::number(step));
}

void TestStartup::clientArea() {
    TableTest table;
    table.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(table.window.get()));
    QCOMPARE(table.window->centralWidget()->size(), QSize(792, 554));
    QCOMPARE(table.window->windowTitle(), QStringLiteral("PIPFALL"));
    QCOMPARE(table.window->objectName(), QStringLiteral("frmCPF"));
    QCOMPARE(table.window->centralWidget()->palette().color(QPalette::Window), QColor(0, 0, 255));

    // Nothing moves when the window is resized.
    const QRect bankroll = table.w().lblBankroll->geometry();
    const QRect roll = table.w().cmdRoll->geometry();
    table.window->resize(400, 300);
    QTRY_COMPARE(table.window->size(), QSize(400, 300));
    QCOMPARE(table.w().lblBankroll->geometry(), bankroll);
    QCOMPARE(table.w().cmdRoll->geometry(), roll);
}

void TestStartup::formLoad() {
    TableTest table;
    const Table& t = table.t();
    QCOMPARE(t.Bankroll, dollars(100));
    QCOMPARE(t.Point, 0);
    QCOMPARE(t.PointRolls, 0);
    QCOMPARE(t.PrevBet, 0);
    QVERIFY(!t.BetWon && !t.BetLost && !t.ORActive && !t.ORWon);
    QCOMPARE(t.Idx, 0);
    QCOMPARE(t.WholeDollars, 0);
    QCOMPARE(t.MsgAnswer, 0);
    // cmdCancelOR is created visible; Form_Load hides it.
    const auto created =
        std::find_if(kTableWidgets.begin(), kTableWidgets.end(), [](const WidgetRow& row) {
            return QLatin1String(row.name) == u"cmdCancelOR";
        });
    QVERIFY(created != kTableWidgets.end() && (created->flags & Visible));
    QVERIFY(table.w().cmdCancelOR->isHidden());
    QVERIFY(table.messages.shown.isEmpty() && table.messages.faults.isEmpty());
    QCOMPARE(table.die.draws, 0);
}

void TestStartup::tabOrder_data() {
    QTest::addColumn<QStringList>("show");
    QTest::addColumn<QStringList>("disable");
    QTest::addColumn<QStringList>("cycle");
    QTest::newRow("at start") << QStringList{} << QStringList{}
                              << QStringList{"udBet", "cmdRoll", "cmdOneRoll", "pblogo"};
    QTest::newRow("die shown") << QStringList{"picdie"} << QStringList{}
                               << QStringList{"picdie", "udBet", "cmdRoll", "cmdOneRoll", "pblogo"};
    QTest::newRow("one-roll panel open")
        << QStringList{"udOneRoll(1)", "udOneRoll(2)", "udOneRoll(3)", "udOneRoll(4)",
                       "udOneRoll(5)", "udOneRoll(6)", "cmdEnterOR",   "cmdCancelOR"}
        << QStringList{}
        << QStringList{"udBet",        "cmdRoll",      "cmdOneRoll",   "udOneRoll(1)",
                       "udOneRoll(2)", "udOneRoll(3)", "udOneRoll(4)", "udOneRoll(5)",
                       "cmdEnterOR",   "udOneRoll(6)", "pblogo",       "cmdCancelOR"};
    QTest::newRow("point on: the bet is locked")
        << QStringList{} << QStringList{"udBet"} << QStringList{"cmdRoll", "cmdOneRoll", "pblogo"};
}

void TestStartup::tabOrder() {
    QFETCH(QStringList, show);
    QFETCH(QStringList, disable);
    QFETCH(QStringList, cycle);
    TableTest table;
    for (const QString& name : show)
        table.window->widget(name)->setVisible(true);
    for (const QString& name : disable)
        table.window->widget(name)->setEnabled(false);
    showActive(table.window.get());
    // The focus starts on the first widget of the tab order that can take it.
    QTRY_COMPARE(QApplication::focusWidget(), table.window->widget(cycle.first()));
    QCOMPARE(tabCycle(table.window.get()), cycle);
}

// ---------------------------------------------------------------- the up-down

void TestStartup::upDownRules_data() {
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("action"); // up, down, or set:N
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("changes");
    QTest::newRow("up from 0 by 5") << 500 << 5 << 0 << "up" << 5 << 1;
    QTest::newRow("down by 5") << 500 << 5 << 10 << "down" << 5 << 1;
    QTest::newRow("up stops at 500") << 500 << 5 << 500 << "up" << 500 << 0;
    QTest::newRow("down stops at 0") << 500 << 5 << 0 << "down" << 0 << 0;
    QTest::newRow("498 goes to 500, not past") << 500 << 5 << 498 << "up" << 500 << 1;
    QTest::newRow("3 goes to 0, not below") << 500 << 5 << 3 << "down" << 0 << 1;
    QTest::newRow("one-roll up by 1") << 100 << 1 << 0 << "up" << 1 << 1;
    QTest::newRow("one-roll stops at 100") << 100 << 1 << 100 << "up" << 100 << 0;
    QTest::newRow("code sets a new value") << 500 << 5 << 0 << "set:120" << 120 << 1;
    QTest::newRow("code sets 0") << 500 << 5 << 45 << "set:0" << 0 << 1;
    QTest::newRow("same value raises nothing") << 500 << 5 << 45 << "set:45" << 45 << 0;
}

void TestStartup::upDownRules() {
    QFETCH(int, maximum);
    QFETCH(int, step);
    QFETCH(int, start);
    QFETCH(QString, action);
    QFETCH(int, value);
    QFETCH(int, changes);
    TextBox buddy;
    UpDown upDown;
    upDown.setRange(0, maximum, step);
    upDown.setBuddy(&buddy);
    upDown.setValue(start);
    buddy.setText(QStringLiteral("untouched"));

    QSignalSpy changed(&upDown, &UpDown::changed);
    QSignalSpy buddyChanged(&buddy, &TextBox::changed);
    if (action == u"up")
        upDown.stepUp();
    else if (action == u"down")
        upDown.stepDown();
    else
        upDown.setValue(action.mid(4).toInt());
    QCOMPARE(upDown.value(), value);
    QCOMPARE(changed.count(), changes);
    QCOMPARE(buddyChanged.count(), changes);
    QCOMPARE(buddy.text(), changes ? QString::number(value) : QStringLiteral("untouched"));
}

void TestStartup::upDownBuddyWrittenBeforeChange() {
    TextBox buddy;
    UpDown upDown;
    upDown.setRange(0, 500, 5);
    upDown.setBuddy(&buddy);
    QStringList events;
    connect(&buddy, &TextBox::changed, this, [&] { events << "buddy " + buddy.text(); });
    connect(&upDown, &UpDown::changed, this, [&] {
        // A change handler reads the amount from the buddy: it must already be there.
        events << QStringLiteral("change %1 sees %2").arg(upDown.value()).arg(buddy.text());
    });
    upDown.stepUp();
    upDown.setValue(25);
    upDown.stepDown();
    QCOMPARE(events, (QStringList{"buddy 5", "change 5 sees 5", "buddy 25", "change 25 sees 25",
                                  "buddy 20", "change 20 sees 20"}));
}

void TestStartup::upDownMouse_data() {
    QTest::addColumn<bool>("upper");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("value");
    QTest::newRow("upper arrow") << true << true << 15;
    QTest::newRow("lower arrow") << false << true << 5;
    QTest::newRow("disabled takes no click") << true << false << 10;
}

void TestStartup::upDownMouse() {
    QFETCH(bool, upper);
    QFETCH(bool, enabled);
    QFETCH(int, value);
    TableTest table;
    table.w().udBet->setValue(10);
    table.w().udBet->setEnabled(enabled);
    table.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(table.window.get()));
    UpDown* upDown = table.w().udBet;
    QSignalSpy changed(upDown, &UpDown::changed);
    const QPoint arrow(upDown->width() / 2,
                       upper ? upDown->height() / 4 : upDown->height() * 3 / 4);
    QTest::mouseClick(upDown, Qt::LeftButton, {}, arrow);
    QCOMPARE(upDown->value(), value);
    QCOMPARE(table.w().txtBet->text(), QString::number(value));
    QCOMPARE(changed.count(), value == 10 ? 0 : 1);
}

// ---------------------------------------------------------------- the die

void TestStartup::faces_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("face");
    QTest::newRow("0 gives 1") << 0.0f << 1;
    QTest::newRow("just below a sixth") << 0.1666f << 1;
    QTest::newRow("just above a sixth") << 0.1667f << 2;
    QTest::newRow("a half") << 0.5f << 4;
    QTest::newRow("just below five sixths") << 0.8333f << 5;
    QTest::newRow("just above five sixths") << 0.8334f << 6;
    QTest::newRow("largest single below 1 gives 6") << std::nextafter(1.0f, 0.0f) << 6;
}

void TestStartup::faces() {
    QFETCH(float, r);
    QFETCH(int, face);
    QCOMPARE(faceFromR(r), face);
    QCOMPARE(dieFileName(face), QStringLiteral("imgdie%1.bmp").arg(face));
}

void TestStartup::everyFaceEquallyWide() {
    // Every value the die source can give (k / 2^24): each face takes a sixth of them.
    int counts[8] = {};
    constexpr int kValues = 1 << 24;
    for (int k = 0; k < kValues; ++k) {
        const int face = faceFromR(static_cast<float>(k) / static_cast<float>(kValues));
        QVERIFY(face >= 1 && face <= 6);
        ++counts[face];
    }
    for (int face = 1; face <= 6; ++face)
        QVERIFY2(std::abs(counts[face] - kValues / 6) <= 8,
                 qPrintable(QStringLiteral("face %1: %2").arg(face).arg(counts[face])));
}

void TestStartup::clockDieSpreads() {
    // Rolls made back to back, many within one millisecond, each reseeded from the clock.
    ClockDieSource die;
    constexpr int kRolls = 60000;
    int counts[7] = {};
    int repeats = 0;
    int previous = 0;
    for (int i = 0; i < kRolls; ++i) {
        die.randomize();
        const std::optional<float> r = die.next();
        QVERIFY(r && *r >= 0.0f && *r < 1.0f);
        const int face = faceFromR(*r);
        ++counts[face];
        repeats += face == previous;
        previous = face;
    }
    double chiSquare = 0;
    for (int face = 1; face <= 6; ++face) {
        const double expected = kRolls / 6.0;
        chiSquare += (counts[face] - expected) * (counts[face] - expected) / expected;
    }
    // 5 degrees of freedom: above 25 happens by chance once in ten thousand runs.
    QVERIFY2(chiSquare < 25, qPrintable(QStringLiteral("chi-square %1").arg(chiSquare)));
    // The same face twice in a row about one time in six (10,000 of 60,000; sd about 91).
    QVERIFY2(std::abs(repeats - (kRolls - 1) / 6) < 500,
             qPrintable(QStringLiteral("%1 repeats").arg(repeats)));
}

// ---------------------------------------------------------------- money

void TestStartup::currencyText_data() {
    QTest::addColumn<qint64>("units");
    QTest::addColumn<QString>("text");
    QTest::newRow("100") << qint64(1000000) << "100";
    QTest::newRow("5000") << qint64(50000000) << "5000";
    QTest::newRow("a debt of 8") << qint64(-80000) << "-8";
    QTest::newRow("12.5") << qint64(125000) << "12.5";
    QTest::newRow("0.5") << qint64(5000) << "0.5";
    QTest::newRow("-0.5") << qint64(-5000) << "-0.5";
    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("a ten-thousandth") << qint64(1) << "0.0001";
    QTest::newRow("no thousands separator") << qint64(1000010000) << "100001";
    QTest::newRow("trailing zeros go") << qint64(12345600) << "1234.56";
}

void TestStartup::currencyText() {
    QFETCH(qint64, units);
    QFETCH(QString, text);
    QCOMPARE(Currency::fromUnits(units).toText(), text);
    Currency back;
    QVERIFY(Currency::fromText(text, &back));
    QCOMPARE(back.units(), units);
}

void TestStartup::currencyToInt32_data() {
    QTest::addColumn<qint64>("units");
    QTest::addColumn<int>("whole");
    QTest::newRow("0.5 to 0") << qint64(5000) << 0;
    QTest::newRow("1.5 to 2") << qint64(15000) << 2;
    QTest::newRow("2.5 to 2") << qint64(25000) << 2;
    QTest::newRow("12.5 to 12") << qint64(125000) << 12;
    QTest::newRow("12.5001 to 13") << qint64(125001) << 13;
    QTest::newRow("12.4999 to 12") << qint64(124999) << 12;
    QTest::newRow("-0.5 to 0") << qint64(-5000) << 0;
    QTest::newRow("-1.5 to -2") << qint64(-15000) << -2;
    QTest::newRow("-8 stays") << qint64(-80000) << -8;
    QTest::newRow("123 stays") << qint64(1230000) << 123;
}

void TestStartup::currencyToInt32() {
    QFETCH(qint64, units);
    QFETCH(int, whole);
    QCOMPARE(Currency::fromUnits(units).toInt32(), whole);
}

// ---------------------------------------------------------------- die pictures

void TestStartup::pictureLoader_data() {
    QTest::addColumn<QString>("what"); // what lies at imgdie1.bmp
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the real picture") << "real" << true << "";
    QTest::newRow("missing") << "missing" << false << "missing";
    QTest::newRow("empty") << "empty" << false << "not a readable BMP";
    QTest::newRow("garbage") << "garbage" << false << "not a readable BMP";
    QTest::newRow("a folder") << "folder" << false << "not a file";
    QTest::newRow("header claims 60000 by 60000") << "huge" << false << "picture";
}

void TestStartup::pictureLoader() {
    QFETCH(QString, what);
    QFETCH(bool, readable);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("imgdie1.bmp"));
    const QString real =
        qEnvironmentVariable("PIPFALL_SOURCE_DIR") + QStringLiteral("/assets/imgdie1.bmp");
    if (what == u"real" || what == u"huge") {
        QVERIFY(QFile::copy(real, path));
    } else if (what == u"folder") {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("imgdie1.bmp")));
    } else if (what != u"missing") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (what == u"garbage")
            file.write(QByteArray(200, '\x5a'));
    }
    if (what == u"huge") {
        // The BMP info header's width and height, at offsets 18 and 22.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const char size[4] = {'\x60', '\xea', 0, 0}; // 60000
        QVERIFY(file.seek(18));
        file.write(size, 4);
        file.write(size, 4);
    }

    QVERIFY(QDir::setCurrent(dir.path()));
    FilePictureLoader loader;
    QString error;
    const QImage image = loader.load(QStringLiteral("imgdie1.bmp"), &error);
    QVERIFY(QDir::setCurrent(startDir_));
    QCOMPARE(!image.isNull(), readable);
    if (readable)
        QCOMPARE(image.size(), QSize(39, 39)); // with its border, picdie stays 615 by 615 twips
    else
        QVERIFY2(error.contains(reason), qPrintable(error));
}

void TestStartup::checkNamesMissingPicture() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString assets = qEnvironmentVariable("PIPFALL_SOURCE_DIR") + QStringLiteral("/assets/");
    for (int face : {1, 2, 4, 5, 6})
        QVERIFY(QFile::copy(assets + dieFileName(face), dir.filePath(dieFileName(face))));
    QVERIFY(QDir::setCurrent(dir.path()));
    FilePictureLoader loader;
    const std::optional<QString> fault = checkDiePictures(loader);
    const QString folder = QDir::toNativeSeparators(QDir::currentPath());
    QVERIFY(QDir::setCurrent(startDir_));
    QVERIFY(fault.has_value());
    QVERIFY2(fault->contains(QStringLiteral("\"imgdie3.bmp\"")), qPrintable(*fault));
    QVERIFY2(fault->contains(folder), qPrintable(*fault));
    QVERIFY(QFile::copy(assets + dieFileName(3), dir.filePath(dieFileName(3))));
    QVERIFY(QDir::setCurrent(dir.path()));
    const bool allThere = !checkDiePictures(loader).has_value();
    QVERIFY(QDir::setCurrent(startDir_));
    QVERIFY(allThere);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
