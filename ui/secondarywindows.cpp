#include "ui/secondarywindows.h"

#include "ui/picturefiles.h"
#include "ui/widgetbuilder.h"

#include <QMenuBar>
#include <QPushButton>

#include <array>

namespace {

// What the Help windows' widgets are for, as a screen reader describes them.
constexpr text::Text kBackDescription = {QT_TRANSLATE_NOOP("ActionWords", "Return to the table"),
                                         "ActionWords"};
constexpr text::Text kRulesDescription = {QT_TRANSLATE_NOOP("ActionWords", "Rules of the game"),
                                          "ActionWords"};
constexpr text::Text kComputerGameDescription = {
    QT_TRANSLATE_NOOP("ActionWords", "How to play the game on the computer"), "ActionWords"};

// clang-format off
const std::array<WidgetRow, 5> kRulesWidgets = {{
    {.name = "pblogo", .kind = Kind::PictureBox, .geometry = {240, 600, 1860, 1500}, .back = 0x0000FF, .flags = Visible | Enabled | Border | AutoSize},
    {.name = "cmdBack", .kind = Kind::Button, .geometry = {120, 2760, 2655, 1215}, .caption = {QT_TRANSLATE_NOOP("Help", "BACK TO GAME"), "Help"}, .font = {"Arial", 14.25, true}, .back = 0x8080FF, .flags = Visible | Enabled | Coloured, .description = kBackDescription},
    {.name = "lblrules(1)", .kind = Kind::Label, .geometry = {3600, 3000, 7215, 3495},
     .caption = {QT_TRANSLATE_NOOP("Help", "After wagers are made, results for Roll # 1 are:  One loses, six wins one-to-one and it is still Roll # 1.  "
                "Otherwise Roll # 1 will determine the point and bets are locked in.  Results for Roll # 2 are:  One loses, "
                "the point wins two-to-one.  If Roll # 2 results in any number besides one or the point, then the die must be "
                "rolled again (Roll # 3). Results for Roll # 3 are: One loses, the point wins one-to-one.  If Roll # 3 results "
                "in any number besides one or the point, then the die must be rolled again (Roll # 4).  This is the last roll "
                "in which the player may win, the point wins two-to-one and any other number loses.  One-roll bets can be made "
                "before any roll."), "Help"},
     .font = {"Arial", 12, true}, .back = 0x00FFFF, .flags = Visible | Enabled | AlignLeft, .description = kRulesDescription},
    {.name = "Shape1", .kind = Kind::Shape, .geometry = {3120, 720, 8055, 6375}, .pen = 15},
    {.name = "lblrules(0)", .kind = Kind::Label, .geometry = {3600, 1560, 7215, 1215},
     .caption = {QT_TRANSLATE_NOOP("Help", "PIPFALL is a game of chance played with one die.  It is similar to the pass line bet of craps.  There is a "
                "come-out roll but once the point is established, the player has only three chances for the point to roll "
                "again."), "Help"},
     .font = {"Arial", 12, true}, .back = 0x00FFFF, .flags = Visible | Enabled | AlignLeft, .description = kRulesDescription},
}};

constexpr std::array<const char*, 4> kRulesTabOrder = {"lblrules(0)", "cmdBack", "lblrules(1)", "pblogo"};

const std::array<WidgetRow, 6> kComputerGameWidgets = {{
    {.name = "pblogo", .kind = Kind::PictureBox, .geometry = {240, 600, 1860, 1500}, .back = 0x0000FF, .flags = Visible | Enabled | Border | AutoSize},
    {.name = "Command1", .kind = Kind::Button, .geometry = {120, 2880, 2535, 1095}, .caption = {QT_TRANSLATE_NOOP("Help", "BACK TO GAME"), "Help"}, .font = {"Arial", 14.25, true}, .back = 0xC0C000, .flags = Visible | Enabled | Coloured, .description = kBackDescription},
    {.name = "Label1(2)", .kind = Kind::Label, .geometry = {3480, 5400, 6855, 1455},
     .caption = {QT_TRANSLATE_NOOP("Help", "Under normal circumstances the player's bet will be re-bet when he wins or loses.  However, if the bankroll "
                "is low, the automatic re-bet feature is cancelled.  You may obtain a new bankroll by clicking the desired "
                "amount."), "Help"},
     .font = {"Arial", 12, true}, .back = 0xFFFF80, .flags = Visible | Enabled, .description = kComputerGameDescription},
    {.name = "Label1(1)", .kind = Kind::Label, .geometry = {3480, 3480, 6975, 1695},
     /*: Quotes the captions of two buttons of the table: write their translations. */
     .caption = {QT_TRANSLATE_NOOP("Help", "Click the \"Make One-Roll Bet\" button and the list of numbers will appear. Once you have entered the amount "
                "of each one-roll bet, you must click the \"Enter Bets\" button to register them.  When registered, the "
                "amount of each bet will be displayed under the appropriate number."), "Help"},
     .font = {"Arial", 12, true}, .back = 0xFFFF80, .flags = Visible | Enabled, .description = kComputerGameDescription},
    {.name = "Shape1", .kind = Kind::Shape, .geometry = {3000, 960, 7935, 6375}, .pen = 11},
    {.name = "Label1(0)", .kind = Kind::Label, .geometry = {3480, 1560, 6975, 1695},
     .caption = {QT_TRANSLATE_NOOP("Help", "This computer game is easy to play.  Use the up-down buttons to make your bets.  The minimum PIPFALL bet "
                "is five dollars; the maximum is five hundred dollars.  The minimum one-roll bet is one dollar; the "
                "maximum is one hundred dollars. "), "Help"},
     .font = {"Arial", 12, true}, .back = 0xFFFF80, .flags = Visible | Enabled, .description = kComputerGameDescription},
}};

constexpr std::array<const char*, 5> kComputerGameTabOrder = {"Label1(0)", "Command1", "Label1(1)", "Label1(2)", "pblogo"};
// clang-format on

} // namespace

const WindowLayout kRulesLayout = {
    .name = "frmPFrules",
    .caption = {QT_TRANSLATE_NOOP("Help", "PIPFALL RULES"), "Help"},
    .widthTwips = 11640,
    .heightTwips = 8055,
    .back = 0x00FFFF,
    .exitCaption = {QT_TRANSLATE_NOOP("Help", "E&xit"), "Help"},
    .widgets = kRulesWidgets,
    .tabOrder = kRulesTabOrder,
    .button = "cmdBack",
};

const WindowLayout kComputerGameLayout = {
    .name = "frmCG",
    .caption = {QT_TRANSLATE_NOOP("Help", "PIPFALL-On the computer"), "Help"},
    .widthTwips = 11550,
    .heightTwips = 7935,
    .back = 0xFFFF80,
    .exitCaption = {QT_TRANSLATE_NOOP("Help", "E&xit "), "Help"},
    .widgets = kComputerGameWidgets,
    .tabOrder = kComputerGameTabOrder,
    .button = "Command1",
};

SecondaryWindow::SecondaryWindow(const WindowLayout& layout, QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QString::fromLatin1(layout.name));
    setWindowTitle(layout.caption);

    // A single command on the menu bar itself, with no menu to drop down.
    QAction* exit = menuBar()->addAction(layout.exitCaption);
    exit->setObjectName(QStringLiteral("mnuexit"));
    connect(exit, &QAction::triggered, this, &SecondaryWindow::returnToTable);

    QWidget* client = makeClientArea(this, QColor::fromRgb(static_cast<QRgb>(layout.back)),
                                     layout.widthTwips, layout.heightTwips);
    const WidgetSource source{
        [this](const WidgetRow& row) { return makeOwnControl(row, controls_); },
        [](const QString&, bool sharp) { return logoPicture(sharp); },
    };
    const std::vector<QWidget*> widgets =
        buildWidgetRows(layout.widgets, client, layout.widthTwips, layout.heightTwips, source);
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        if (widgets[i] != nullptr)
            byName_.insert(QString::fromLatin1(layout.widgets[i].name), widgets[i]);
    }
    std::vector<QWidget*> tabOrder;
    for (const char* name : layout.tabOrder)
        tabOrder.push_back(widget(QString::fromLatin1(name)));
    chainTabOrder(tabOrder);
    widget(QString::fromLatin1(layout.button))->setFocus();
}

void SecondaryWindow::returnToTable() {
    // The table first: closing this window first could end the program when it is the last.
    emit returnToTableRequested();
    close();
}

FrmPFrules::FrmPFrules(QWidget* parent) : SecondaryWindow(kRulesLayout, parent) {
    connect(static_cast<QPushButton*>(widget(QStringLiteral("cmdBack"))), &QPushButton::clicked,
            this, [this] { returnToTable(); });
}

FrmCG::FrmCG(QWidget* parent) : SecondaryWindow(kComputerGameLayout, parent) {
    connect(static_cast<QPushButton*>(widget(QStringLiteral("Command1"))), &QPushButton::clicked,
            this, [this] { returnToTable(); });
}
