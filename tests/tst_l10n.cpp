// The game's texts as drawn, in the player's language: every caption the table shows in
// English, German and French fits its widget at the widget's font; captions wrap as the
// player sees them, and the message box is drawn as the toolkit draws its own, with even
// margins; each translation is complete and built into the program; and the locale chooses
// the language. (A die picture's fault in German is tst_replay's.)

#include "replay/replay.h"
#include "support/captionink.h"
#include "support/moves.h"
#include "support/rows.h"
#include "table/startup.h"
#include "table/table.h"
#include "ui/announcement.h"
#include "ui/frmcpf.h"
#include "ui/language.h"
#include "ui/qtmessagebox.h"
#include "ui/secondarywindows.h"
#include "ui/tabledrawing.h"
#include "ui/tablelayout.h"
#include "ui/widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QBitmap>
#include <QDebug>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

#define PIPFALL_TEXT_ROW(name, value) std::pair{#name, text::name},
const std::array kTexts = {PIPFALL_TEXTS(PIPFALL_TEXT_ROW)};
#undef PIPFALL_TEXT_ROW
// Texts that no label or button of the table shows, which the tour therefore need not: the
// refusals in message boxes, which size themselves to their text; the ends of a fault's
// message (tst_replay shows those); and the re-bet's "too high", which the bet's up-down hides
// again in the same step.
const QStringList kUnmeasured = {"OverBet", "OneRollsTooDear", "DieNotRolled", "CannotStart",
                                 "ReBetTooHigh"};

QString captionOf(const QWidget* view) {
    if (auto* label = qobject_cast<const LabelView*>(view))
        return label->control().caption();
    return static_cast<const QPushButton*>(view)->text();
}

// The pixels of the felt's shapes and lines drawn over a widget, in its coordinates.
QRegion drawnOver(const QWidget* widget) {
    for (QWidget* child : widget->window()->findChildren<QWidget*>())
        if (auto* drawing = dynamic_cast<TableDrawing*>(child)) {
            QImage image(drawing->size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            drawing->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
            const QRegion drawn(
                QBitmap::fromImage(image.createAlphaMask(Qt::ThresholdAlphaDither)));
            return (drawn & widget->geometry()).translated(-widget->geometry().topLeft());
        }
    return {};
}

// What the screen loses of the caption a label or button draws now: the ink that falls
// outside the room its widget gives it (beyond the border, on or outside the focus frame
// while the widget takes the focus) or under a shape or line of the felt drawn over it.
QRegion inkLost(const QWidget* view) {
    const CaptionInk caption = captionInkOf(view);
    return caption.ink - (QRegion(caption.room) - drawnOver(view));
}

// Plays the tour on the engine's table window, in the language installed, and measures every
// caption the labels and buttons show after each step, at their font of that moment, then
// those of the Help windows. What loses ink, but for the English layout's own clips
// (tests/l10n/clipping.txt); and any text of the table the tour never shows, which would go
// unmeasured.
QStringList lostOnTour(ReplayEngine& engine, const QString& code,
                       std::initializer_list<const QWidget*> helpWindows) {
    QStringList shown, lost;
    const QList<QStringList> clips = readRows("l10n/clipping.txt", 5);
    QSet<QString> measured;
    auto look = [&](const QWidget* window) {
        QCoreApplication::processEvents(); // the window settles its focus stops
        for (const QWidget* view : window->findChildren<QWidget*>()) {
            if (!qobject_cast<const LabelView*>(view) && !qobject_cast<const ButtonView*>(view))
                continue;
            const QString name = view->objectName(), text = captionOf(view);
            const QString key =
                name + text + view->font().key() + QString::number(view->focusPolicy());
            if (text.isEmpty() || view->isHidden() || measured.contains(key))
                continue;
            measured.insert(key);
            shown << text;
            auto known = [&](const QStringList& clip) {
                return code.isEmpty() && clip[0] == u"en" &&
                       clip[4].simplified() == text.simplified() &&
                       clip[1].section(u'(', 0, 0) == name.section(u'(', 0, 0);
            };
            const QRegion ink = inkLost(view);
            if (!ink.isEmpty() && std::none_of(clips.begin(), clips.end(), known)) {
                QString where;
                QDebug(&where) << "loses ink at" << ink.boundingRect();
                lost << name + ": \"" + text.simplified() + "\" " + where;
            }
        }
    };
    look(engine.window());
    int number = 0;
    for (const QStringList& move : readRows("l10n/tour.txt", 1)) {
        if (!playLine(engine, move[0], ++number))
            return {engine.error()};
        if (!engine.lastDelivered() && !move[0].startsWith(u"die "))
            return {move[0] + " did not reach the table"};
        look(engine.window());
    }
    for (const QWidget* window : helpWindows)
        look(window);
    for (const auto& [name, text] : kTexts) {
        // A text with a number in it shows with the number: its parts around it show.
        const QStringList wanted = QString(text).split(u"%1"_s, Qt::SkipEmptyParts);
        auto shows = [&wanted](const QString& caption) {
            return std::all_of(wanted.begin(), wanted.end(),
                               [&caption](const QString& part) { return caption.contains(part); });
        };
        if (!kUnmeasured.contains(name) && std::none_of(shown.begin(), shown.end(), shows))
            lost << "the tour never shows " + QString::fromLatin1(name);
    }
    return lost;
}

// The toolkit's own box for text, with no icon and the column it keeps for one taken out.
std::unique_ptr<QMessageBox> toolkitBox(const QString& text) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, u"Pipfall"_s, text);
    box->addButton(QMessageBox::Ok)->setIcon(QIcon());
    auto* grid = static_cast<QGridLayout*>(box->layout());
    for (int i = grid->count(); i-- > 0;) {
        if (grid->itemAt(i)->spacerItem() != nullptr)
            delete grid->takeAt(i);
        else if (auto* label = qobject_cast<QLabel*>(grid->itemAt(i)->widget());
                 label != nullptr && label->text() == text)
            grid->addWidget(label, 0, 0, 1, 2);
    }
    return box;
}

// The text of the message box the game shows, and its button's: "Text. [OK]", then what is
// wrong with the box. It shows no icon and keeps no room for one: the text stands as far from
// the left edge as from the right. It is drawn to the pixel as the toolkit's own box drawn so,
// and a screen reader hears what it hears of that one. It is the modal "Pipfall" box with one
// button, the default, which has the focus, and which the key given presses.
QString boxShown(const QString& text, Qt::Key key = Qt::Key_Escape) {
    const std::unique_ptr<PlainMessageBox> box = QtMessageBox::messageBox(text, nullptr);
    const std::unique_ptr<QMessageBox> toolkit = toolkitBox(text);
    box->show();
    toolkit->show();
    const QList<QPushButton*> buttons = box->findChildren<QPushButton*>();
    QString shown = box->text() + " [" + buttons.value(0)->text() + ']';
    const QRect r = box->findChild<QLabel*>()->geometry();
    if (r.left() != box->width() - 1 - r.right())
        shown += " (uneven margins)";
    if (box->grab().toImage() != toolkit->grab().toImage())
        shown += " (drawn otherwise)";
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(box.get());
    QAccessibleInterface* toolkitHeard = QAccessible::queryAccessibleInterface(toolkit.get());
    for (auto t : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
        shown += heard->role() == toolkitHeard->role() && heard->text(t) == toolkitHeard->text(t)
                     ? ""
                     : " (heard otherwise)";
    if (box->windowTitle() != u"Pipfall" || !box->isModal() || buttons.size() != 1 ||
        !buttons[0]->isDefault() || box->focusWidget() != buttons[0])
        return shown + " (not the modal box with OK)";
    QSignalSpy pressed(buttons[0], &QPushButton::clicked);
    QTest::keyClick(buttons[0], key);
    return shown + (pressed.size() == 1 && box->isHidden() ? "" : " (the key does not press OK)");
}

} // namespace

class TestL10n : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const QFontInfo face(drawingFont({u"Arial"_s, 12, true}));
        QVERIFY2(face.family() == u"Liberation Sans", "fonts-liberation stands in for Arial");
        QCOMPARE(shippedLanguages(), QStringList({"de", "fr"}));
    }

    // The check finds a caption that does not fit: each of the clips listed, put into its
    // widget of the table window, loses ink.
    void findsClips_data() {
        addRows("l10n/clipping.txt", {"language", "widget", "size", "focus", "text"});
    }
    void findsClips() {
        QFETCH(QString, widget);
        QFETCH(QString, size);
        QFETCH(QString, focus);
        QFETCH(QString, text);
        ReplayEngine engine([](const std::string&) {});
        QVERIFY(engine.start());
        QWidget* view = engine.window()->widget(widget);
        if (auto* label = qobject_cast<LabelView*>(view)) {
            Font font = label->control().font();
            font.size = size == u"-" ? font.size : size.toDouble();
            label->control().setFont(font);
            label->control().setCaption(text);
            label->setFocusPolicy(focus == u"focus" ? Qt::TabFocus : Qt::NoFocus);
        } else {
            static_cast<ButtonView*>(view)->setText(text);
        }
        QVERIFY(!inkLost(view).isEmpty());
    }

    // Each language as the player meets it, and English when none is installed, also after
    // another language was installed and removed. The table window, the Help windows and a
    // message box speak it; every menu keeps a mnemonic on each entry, none twice; the help
    // text names the buttons as they read. And each caption shows whole where its window
    // draws it: every pixel of its ink inside the widget's border and, where the widget takes
    // the focus, inside the focus frame, and none under the felt's shapes.
    void language_data() {
        QTest::addColumn<QString>("code");
        for (const char* code : {"", "de", "fr"})
            QTest::newRow(*code ? code : "en") << QString::fromLatin1(code);
    }
    void language() {
        QFETCH(QString, code);
        // Every text the tables of the code hold has its translation: a caption written as a
        // plain literal, which lupdate cannot find, would stay English. (That the translations
        // match the marked texts and are finished is the "translations" test's.)
        if (!code.isEmpty()) {
            QTranslator built;
            QVERIFY(built.load("pipfall_" + code, ":/i18n"));
            std::vector<text::Text> marked(text::NumberNames.begin(), text::NumberNames.end());
            for (const auto& [name, text] : kTexts)
                marked.push_back(text);
            for (const ControlDescription& control : kTableControls)
                marked.push_back(control.startUp.caption);
            for (const WindowLayout* window : {&kRulesLayout, &kComputerGameLayout}) {
                marked.insert(marked.end(), {window->caption, window->exitCaption});
                for (const WidgetRow& row : window->widgets)
                    marked.push_back(row.caption);
            }
            for (const text::Text& text : marked)
                if (QString::fromUtf8(text.source).contains(QRegularExpression("[A-Za-z]")))
                    QVERIFY2(!built.translate(text.context, text.source).isEmpty(), text.source);
        }
        { const GameLanguage earlier(u"de"_s); }
        const GameLanguage spoken(code);
        QCOMPARE(spoken.language(), code);
        ReplayEngine engine([](const std::string&) {});
        QVERIFY2(engine.start(), qPrintable(engine.error()));
        const FrmCPF& table = *engine.window();
        const FrmPFrules rules;
        const FrmCG computer;
        for (const QStringList& row : readRows("l10n/speaks.txt", 3)) {
            const QString what = row[1];
            const std::vector<TableEvent> fourRolled = {event::Rolled{4}, event::PointSet{4}};
            if (row[0] == (code.isEmpty() ? u"en"_s : code))
                QCOMPARE(what == u"box"      ? boxShown(text::OverBet)
                         : what == u"Cancel" ? qApp->translate("QPlatformTheme", "Cancel")
                         : what == u"heard"  ? ActionWords::text(fourRolled, false, dollars(95))
                         : what.startsWith(u"described ")
                             ? table.widget(what.sliced(10))->accessibleDescription()
                         : what == u"frmPFrules" ? rules.windowTitle()
                         : table.action(what)    ? table.action(what)->text()
                                                 : captionOf(table.widget(what)),
                         row[2]);
        }
        // A player who cannot go on is told the key of the Bankroll menu as it reads.
        const QKeySequence bankroll = QKeySequence::mnemonic(table.action("mnubankroll")->text());
        QVERIFY(ActionWords::text({event::GameOver{}}, false, {}).contains(bankroll.toString()));
        QList<QList<QAction*>> menus = {table.menuBar()->actions()};
        for (QAction* menu : table.menuBar()->actions())
            menus << menu->menu()->actions();
        for (const QList<QAction*>& menu : menus) {
            QSet<int> keys;
            for (const QAction* item : menu) {
                const QKeySequence key = QKeySequence::mnemonic(item->text());
                QVERIFY2(!key.isEmpty() && !keys.contains(key[0].toCombined()),
                         qPrintable(item->text()));
                keys.insert(key[0].toCombined());
            }
        }
        const QString help = captionOf(computer.widget("Label1(1)"));
        for (const char* button : {"cmdOneRoll", "cmdEnterOR"})
            QVERIFY2(help.contains(captionOf(table.widget(button))), button);
        const QStringList lost = lostOnTour(engine, code, {&rules, &computer});
        QVERIFY2(lost.isEmpty(), qPrintable(lost.join(u'\n')));
    }

    // The message box as the toolkit draws it for a long text, which wraps, and for one of two
    // lines; each key that answers it presses OK (tests/l10n/boxes.txt). (The box blocks the
    // game until then: the end-to-end keyboard test answers it in play.)
    void messageBoxKeys_data() { addRows("l10n/boxes.txt", {"", "key", "text"}); }
    void messageBoxKeys() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QCOMPARE(boxShown(text, QKeySequence::fromString(key)[0].key()), text + " [OK]");
    }

    // Captions wrap into the lines the player sees, blanks as the captions set them.
    void wrapping_data() {
        addRows("l10n/wrapping.txt", {"", "caption", "width", "lines"});
        // The about panel: runs of blanks push the name and the version onto lines of their
        // own, and the version keeps its double blank.
        QTest::newRow("about panel")
            << QString(descriptionOf(ControlId::lblabout).startUp.caption)
            << QString::number(tableRow(ControlId::lblabout)->geometry[2] / 15)
            << " / Pipfall / Version  1.1";
    }
    void wrapping() {
        QFETCH(QString, caption);
        QFETCH(QString, width);
        QFETCH(QString, lines);
        const QFontMetrics metrics(drawingFont({u"Arial"_s, 12, true}));
        const QStringList wrapped = lines.split(u" / "_s);
        const int room = width == u"0" ? metrics.horizontalAdvance(wrapped.first()) : width.toInt();
        QCOMPARE(wrapCaption(caption, metrics, room), wrapped);
    }

    // The locale of messages and the UI languages choose; English when they ask for it first,
    // for none that the game speaks, or in the C locale.
    void chooseLanguage_data() {
        addRows("l10n/languages.txt", {"messages", "uiLanguages", "chosen"});
    }
    void chooseLanguage() {
        QFETCH(QString, messages);
        QFETCH(QString, uiLanguages);
        QFETCH(QString, chosen);
        QCOMPARE(::chooseLanguage(messages, uiLanguages.split(u',')),
                 chosen == u"-" ? QString() : chosen);
    }
};

QTEST_MAIN(TestL10n)
#include "tst_l10n.moc"
