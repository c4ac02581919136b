#include "table/startup.h"

#include "table/rules.h"

#include <QImage>

#include <algorithm>

namespace {

// The about label centres the product name and the version on lines of their own by
// the blanks around them.
constexpr text::Text kAboutCaption =
    /*: The about panel. Each run of three or more blanks starts a new line: keep the runs,
        and the product name, as they are. */
    QT_TRANSLATE_NOOP(
        "Table",
        "                                                                       Pipfall        "
        "Version  1.1");

QColor rowColour(std::int32_t rgb, QColor fallback) {
    return rgb == kDefaultColour ? fallback : QColor::fromRgb(static_cast<QRgb>(rgb));
}

void loadRow(const StartUpRow& row, AnyControl control) {
    std::visit(
        Overloaded{
            [&row](Label* label) {
                label->setCaption(row.caption);
                label->setFont({QString::fromLatin1(row.font.face), row.font.size, row.font.bold});
                label->setBackColor(rowColour(row.back, colour::Grey));
                label->setForeColor(rowColour(row.fore, Qt::black));
            },
            [&row](Button* button) { button->setCaption(row.caption); },
            [&row](TextBox* box) { box->setText(row.caption); },
            [](auto*) {},
        },
        control);
    Control& shown = controlOf(control);
    shown.setVisible(row.shown & Visible);
    shown.setEnabled(row.shown & Enabled);
}

} // namespace

// clang-format off
constexpr std::array<StartUpRow, 52> kTableStartUp = {{
    {.control = ControlId::cmdCancelOR, .caption = QT_TRANSLATE_NOOP("Table", "Cancel One Roll Bets"), .shown = Visible | Enabled},
    {.control = ControlId::cmdokabout, .caption = QT_TRANSLATE_NOOP("Table", "O K"), .shown = Enabled},
    {.control = ControlId::pblogo, .shown = Visible | Enabled},
    {.control = ControlId::txtOneRoll_6, .caption = "0", .shown = Hidden},
    {.control = ControlId::txtOneRoll_5, .caption = "0", .shown = Hidden},
    {.control = ControlId::cmdEnterOR, .caption = QT_TRANSLATE_NOOP("Table", "Enter Bets"), .shown = Enabled},
    {.control = ControlId::txtOneRoll_4, .caption = "0", .shown = Hidden},
    {.control = ControlId::txtOneRoll_3, .caption = "0", .shown = Hidden},
    {.control = ControlId::txtOneRoll_2, .caption = "0", .shown = Hidden},
    {.control = ControlId::txtOneRoll_1, .caption = "0", .shown = Hidden},
    {.control = ControlId::cmdOneRoll, .caption = QT_TRANSLATE_NOOP("Table", "Make One-Roll Bet"), .shown = Visible | Enabled},
    {.control = ControlId::cmdRoll, .caption = QT_TRANSLATE_NOOP("Table", "Roll Die"), .shown = Visible | Enabled},
    {.control = ControlId::txtBet, .caption = "0", .shown = Visible},
    {.control = ControlId::udBet, .shown = Visible | Enabled},
    {.control = ControlId::picdie, .shown = Enabled},
    {.control = ControlId::udOneRoll_1, .shown = Enabled},
    {.control = ControlId::udOneRoll_2, .shown = Enabled},
    {.control = ControlId::udOneRoll_3, .shown = Enabled},
    {.control = ControlId::udOneRoll_4, .shown = Enabled},
    {.control = ControlId::udOneRoll_5, .shown = Enabled},
    {.control = ControlId::udOneRoll_6, .shown = Enabled},
    {.control = ControlId::lblabout, .caption = kAboutCaption, .shown = Enabled, .font = {"Arial", 12, true}, .back = 0xC0C0FF},
    {.control = ControlId::lblrebet, .caption = text::ReBetStands, .shown = Enabled, .font = {"Arial", 9, true}, .back = 0x8080FF},
    {.control = ControlId::lblOneRoll_1, .caption = "1", .shown = Enabled, .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF},
    {.control = ControlId::lblORoll, .caption = QT_TRANSLATE_NOOP("Table", "Please select the amount you wish to bet on each number by using the up-down buttons."), .shown = Enabled, .font = {"Arial", 12, true}, .back = 0xFF8000},
    {.control = ControlId::lblOR_6, .caption = text::NumberNames[5], .shown = Visible | Enabled, .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF},
    {.control = ControlId::lblodds_5, .caption = "5", .shown = Visible | Enabled, .font = {"Arial", 18, true}, .back = 0x0000FF},
    {.control = ControlId::lblodds_4, .caption = "4", .shown = Visible | Enabled, .font = {"Arial", 18, true}, .back = 0x0000FF},
    {.control = ControlId::lblOR_4, .caption = text::NumberNames[3], .shown = Visible | Enabled, .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF},
    {.control = ControlId::lblOR_3, .caption = text::NumberNames[2], .shown = Visible | Enabled, .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF},
    {.control = ControlId::lblOR_2, .caption = text::NumberNames[1], .shown = Visible | Enabled, .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF},
    {.control = ControlId::lblpoint, .caption = text::NoPoint, .shown = Visible | Enabled, .font = {"Arial", 18, false}, .back = 0xC0C0FF},
    {.control = ControlId::lblbetresult, .caption = QT_TRANSLATE_NOOP("Table", "Six on the come out is a winner. The amount of your bet is added to your Bankroll."), .shown = Enabled, .font = {"Arial", 14.25, false}, .back = 0xFF8000},
    {.control = ControlId::lblinfo, .caption = QT_TRANSLATE_NOOP("Table", "Your indicated bet exceeds your bankroll.  Please lower your bet."), .shown = Enabled, .font = {"Arial", 14.25, false}, .back = 0xFF8000},
    {.control = ControlId::lblgameover, .caption = text::GameOver, .shown = Enabled, .font = {"Arial", 17.25, true}, .back = 0xFF0000},
    {.control = ControlId::lblORinfo, .caption = text::AllOneRollsLost, .shown = Enabled, .font = {"Arial", 17.25, false}, .back = 0xFF8000},
    {.control = ControlId::lblOneRoll_6, .caption = "6", .shown = Enabled, .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF},
    {.control = ControlId::lblOneRoll_5, .caption = "5", .shown = Enabled, .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF},
    {.control = ControlId::lblOneRoll_4, .caption = "4", .shown = Enabled, .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF},
    {.control = ControlId::lblOneRoll_3, .caption = "3", .shown = Enabled, .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF},
    {.control = ControlId::lblOneRoll_2, .caption = "2", .shown = Enabled, .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF},
    {.control = ControlId::Label7, .caption = "$", .shown = Visible | Enabled, .font = {"MS Sans Serif", 19.5, true}, .back = 0x0000FF},
    {.control = ControlId::Label6, .caption = QT_TRANSLATE_NOOP("Table", "BANKROLL"), .shown = Visible | Enabled, .font = {"Arial", 12, true}, .back = 0x0000FF},
    {.control = ControlId::lblBankroll, .caption = "100", .shown = Visible | Enabled, .font = {"Arial", 20.25, true}, .back = 0xFFFFFF, .fore = 0x0000C0},
    {.control = ControlId::lblodds_2, .caption = " 2    ", .shown = Visible | Enabled, .font = {"Arial", 18, true}, .back = 0x0000FF},
    {.control = ControlId::lblodds_3, .caption = "3", .shown = Visible | Enabled, .font = {"Arial", 18, true}, .back = 0x0000FF},
    {.control = ControlId::lblcout_4, .caption = QT_TRANSLATE_NOOP("Table", "COME OUT"), .shown = Visible | Enabled, .font = {"Arial", 9.75, false}, .back = 0xC0C0FF, .fore = 0x000000},
    {.control = ControlId::Label2, .caption = "1", .shown = Visible | Enabled, .font = {"Arial", 18, true}, .back = 0x0000FF},
    {.control = ControlId::Label3, .caption = "6", .shown = Visible | Enabled, .font = {"Arial", 18, true}, .back = 0x0000FF},
    {.control = ControlId::lblOR_1, .caption = text::NumberNames[0], .shown = Visible | Enabled, .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF},
    {.control = ControlId::lblOR_5, .caption = text::NumberNames[4], .shown = Visible | Enabled, .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF},
    {.control = ControlId::Label5, .caption = QT_TRANSLATE_NOOP("Table", "All One-Roll Bets Pay 4-to-1"), .shown = Visible | Enabled, .font = {"Arial", 9.75, false}, .back = 0x0000FF},
}};
// clang-format on

namespace {

// Each control but the menus has its row, in the order of the control list.
consteval bool everyControlStartsUp() {
    std::size_t row = 0;
    for (std::size_t i = 0; i < kTableControls.size(); ++i) {
        if (kTableControls[i].kind == Kind::Menu)
            continue;
        if (row == kTableStartUp.size() || kTableStartUp[row].control != controlAt(i))
            return false;
        ++row;
    }
    return row == kTableStartUp.size();
}
static_assert(everyControlStartsUp(), "kTableStartUp leaves out a control or misplaces one");

} // namespace

constexpr std::array<MenuRow, 14> kTableMenus = {{
    /*: The menu bar and its menus. In each menu, and on the menu bar itself, no two entries
        share a mnemonic (the letter after "&"). */
    {ControlId::mnuOptions, QT_TRANSLATE_NOOP("Table", "&Options"), {}},
    {ControlId::mnuAuto, QT_TRANSLATE_NOOP("Table", "&Auto re-bet"), ControlId::mnuOptions, true},
    {ControlId::mnumax, QT_TRANSLATE_NOOP("Table", "Bet &max"), ControlId::mnuOptions},
    {ControlId::mnuMin, QT_TRANSLATE_NOOP("Table", "Bet mi&n"), ControlId::mnuOptions},
    {ControlId::mnuexit, QT_TRANSLATE_NOOP("Table", "E&xit"), ControlId::mnuOptions},
    {ControlId::mnubankroll, QT_TRANSLATE_NOOP("Table", "&Bankroll"), {}},
    {ControlId::mnu20, "&20", ControlId::mnubankroll},
    {ControlId::mnu100, "&100", ControlId::mnubankroll},
    /*: A new bankroll of 1000 dollars. Where a comma or a point would read as a decimal sign,
        write the amount as the table does, without a separator. The mnemonics of a menu differ:
        20, 100, 1000 and 5000 are chosen by 2, 1, 0 and 5. */
    {ControlId::mnu1000, QT_TRANSLATE_NOOP("Table", "1,00&0"), ControlId::mnubankroll},
    {ControlId::mnu5000, QT_TRANSLATE_NOOP("Table", "&5,000"), ControlId::mnubankroll},
    {ControlId::mnuhelp, QT_TRANSLATE_NOOP("Table", "&Help"), {}},
    {ControlId::mnurules, QT_TRANSLATE_NOOP("Table", "&Rules"), ControlId::mnuhelp},
    {ControlId::mnuCG, QT_TRANSLATE_NOOP("Table", "&Computer Game"), ControlId::mnuhelp},
    {ControlId::mnuabout, QT_TRANSLATE_NOOP("Table", "About &Pipfall"), ControlId::mnuhelp},
}};

const StartUpRow& startUpRow(ControlId control) {
    return *std::find_if(kTableStartUp.begin(), kTableStartUp.end(),
                         [control](const StartUpRow& row) { return row.control == control; });
}

void loadStartUpState(TableControls& w) {
    for (const StartUpRow& row : kTableStartUp)
        loadRow(row, w.at(row.control));
    // The logo is the window's own picture, which it draws itself.
    w.pblogo.setPicture(QImage(), QStringLiteral("logo"));
    w.udBet.setRange(0, rules::MaximumBet, rules::BetStep);
    w.udBet.setBuddy(&w.txtBet);
    for (int number = 1; number <= 6; ++number) {
        w.udOneRoll(number).setRange(0, rules::MaximumOneRollBet, 1);
        w.udOneRoll(number).setBuddy(&w.txtOneRoll(number));
    }
    for (const MenuRow& row : kTableMenus) {
        MenuItem& item = *std::get<MenuItem*>(w.at(row.item));
        item.setCaption(row.caption);
        item.setVisible(true);
        item.setEnabled(true);
        item.setChecked(row.checked);
        if (row.menu)
            item.setMenu(std::get<MenuItem*>(w.at(*row.menu)));
    }
}
