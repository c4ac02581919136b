// The game's texts as drawn, in the player's language: every caption the table shows in
// English, German and French fits its widget at the widget's font; captions wrap as the
// player sees them, and the message box keeps even margins; each translation is complete and
// built into the program; and the locale chooses the language.

#include "replay/replay.h"
#include "support/rows.h"
#include "table/startup.h"
#include "table/table.h"
#include "ui/accessibility.h"
#include "ui/announcement.h"
#include "ui/frmcpf.h"
#include "ui/language.h"
#include "ui/qtmessagebox.h"
#include "ui/secondarywindows.h"
#include "ui/tabledrawing.h"
#include "ui/tablelayout.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QBitmap>
#include <QDebug>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

#define PIPFALL_TEXT_ROW(name, value) std::pair{#name, text::name},
const std::array kTexts = {PIPFALL_TEXTS(PIPFALL_TEXT_ROW)};
#undef PIPFALL_TEXT_ROW
// Texts that only message boxes show, which size themselves to their text: the two refusals,
// which the tour makes, and the ends of a fault's message (tst_replay shows those).
const QStringList kBoxTexts = {"OverBet", "OneRollsTooDear"};
const QStringList kFaultTexts = {"DieNotRolled", "CannotStart"};
const QStringList kLanguages = {"", "de", "fr"}; // English first

const WidgetRow& rowNamed(const QString& name) {
    return tableRow(controlNamed(name).value());
}

Font rowFont(const WidgetRow& row) {
    // A label of the table takes its font from the table, which changes it as it plays.
    const FontRow& font =
        row.widgetKind() == Kind::Label && row.control ? startUpRow(*row.control).font : row.font;
    return {QString::fromLatin1(font.face), font.size, font.bold};
}

// A caption as a window shows it: the window ("frmCPF", "frmPFrules" or "frmCG"), the
// widget, the text at that font, and whether the widget could take the focus meanwhile.
struct Shown {
    QString window;
    QString widget;
    QString text;
    Font font;
    bool focus;
};

// Plays the tour in a language on the table window and keeps every caption the labels and
// buttons of the three windows show after each step, with a label's font at that moment.
void tour(const QString& code, std::vector<Shown>& shown) {
    const GameLanguage spoken(code);
    QVERIFY2(spoken.language() == code, qPrintable("no translation loaded for " + code));
    QStringList boxes;
    ReplayEngine engine([&boxes](const std::string& line) {
        const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(line));
        for (const QJsonValue& box : json.object().value("msgboxes").toArray())
            boxes << box.toObject().value("text").toString();
    });
    QVERIFY2(engine.start(), qPrintable(engine.error()));
    QSet<QString> seen;
    auto keep = [&](const QString& window, const QString& widget, const QString& text,
                    const Font& font, bool focus) {
        const QString key = widget + '\n' + text + '\n' + font.name + QString::number(font.size) +
                            QString::number(font.bold) + QString::number(focus);
        if (!seen.contains(key) && !text.isEmpty())
            shown.push_back({window, widget, text, font, focus});
        seen.insert(key);
    };
    auto look = [&] {
        QCoreApplication::processEvents(); // the window settles its focus stops
        for (std::size_t i = 0; i < kTableControls.size(); ++i) {
            const QString name = QString::fromLatin1(kTableControls[i].name);
            const AnyControl control = engine.table().controls().at(controlAt(i));
            const QWidget* view = engine.window()->widget(name);
            const bool focus = view != nullptr && (view->focusPolicy() & Qt::TabFocus);
            if (Label* const* label = std::get_if<Label*>(&control))
                keep("frmCPF", name, (*label)->caption(), (*label)->font(), focus);
            else if (Button* const* button = std::get_if<Button*>(&control))
                keep("frmCPF", name, (*button)->caption(), rowFont(rowNamed(name)), focus);
        }
    };
    look();
    int number = 0;
    for (const QStringList& step : readRows("l10n/tour.txt", 1)) {
        if (step[0].startsWith(u"bankroll "))
            engine.act(step[0], [&](Table& t) { t.Bankroll = dollars(step[0].sliced(9).toInt()); });
        else
            QVERIFY2(engine.runLine(step[0], ++number), qPrintable(engine.error()));
        QVERIFY2(engine.lastDelivered() || step[0].startsWith(u"die "), qPrintable(step[0]));
        look();
    }
    const FrmPFrules rules;
    const FrmCG computer;
    for (const SecondaryWindow* help : {static_cast<const SecondaryWindow*>(&rules),
                                        static_cast<const SecondaryWindow*>(&computer)}) {
        const std::span<const WidgetRow> rows =
            help == &rules ? kRulesLayout.widgets : kComputerGameLayout.widgets;
        for (const WidgetRow& row : rows) {
            const QString name = QString::fromLatin1(row.name);
            if (row.widgetKind() == Kind::Label || row.widgetKind() == Kind::Button)
                keep(help->objectName(), name, row.caption, rowFont(row),
                     help->widget(name)->focusPolicy() & Qt::TabFocus);
        }
    }
    // The tour shows every text of the table where it belongs, so that all are measured.
    for (const auto& [name, text] : kTexts) {
        const QString wanted = text;
        auto shows = [&wanted](const Shown& s) { return s.text.contains(wanted); };
        if (!kFaultTexts.contains(name))
            QVERIFY2(kBoxTexts.contains(name) ? boxes.contains(wanted)
                                              : std::any_of(shown.begin(), shown.end(), shows),
                     qPrintable(code + ": the tour never shows " + name));
    }
}

// What the screen shows of a caption: the ink that falls outside the room its widget gives
// it (beyond the border, on or outside the focus frame) or under a shape or line of the felt
// drawn over the widget.
struct Measured {
    QRegion lost;
    QRect room;
};

// The three windows, in English: each caption measured is put into its widget.
struct ShownWindows {
    ReplayEngine engine{[](const std::string&) {}};
    FrmPFrules rules;
    FrmCG computer;
    const bool started = engine.start();
    QWidget* widget(const QString& window, const QString& name) {
        if (window == u"frmCPF")
            return engine.window()->widget(name);
        return (window == rules.objectName() ? static_cast<SecondaryWindow&>(rules) : computer)
            .widget(name);
    }
};

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

Measured measure(ShownWindows& windows, const Shown& shown) {
    QWidget* view = windows.widget(shown.window, shown.widget);
    if (view == nullptr)
        qFatal("no widget %s", qPrintable(shown.widget));
    CaptionInk caption;
    QRegion over;
    if (auto* label = qobject_cast<LabelView*>(view)) {
        Label& control = label->control();
        const QString before = control.caption();
        const Font font = control.font();
        const bool visible = control.visible();
        const Qt::FocusPolicy policy = label->focusPolicy();
        control.setCaption(shown.text);
        control.setFont(shown.font);
        control.setVisible(true);
        label->setFocusPolicy(shown.focus ? Qt::TabFocus : Qt::NoFocus);
        caption = label->captionInk();
        over = drawnOver(view);
        label->setFocusPolicy(policy);
        control.setVisible(visible);
        control.setFont(font);
        control.setCaption(before);
    } else {
        auto* button = static_cast<ButtonView*>(view);
        const QString before = button->text();
        button->setText(shown.text);
        caption = button->captionInk();
        button->setText(before);
    }
    return {caption.ink - (QRegion(caption.room) - over), caption.room};
}

// The text of the message box that shows text, and its button's: "Text. [OK]".
QString boxShown(const QString& text) {
    QString shown;
    QTimer::singleShot(0, [&shown] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                shown = box->text() + " [" + box->button(QMessageBox::Ok)->text() + ']';
                box->accept();
            }
    });
    QtMessageBox().show(text);
    return shown;
}

} // namespace

class TestL10n : public QObject {
    Q_OBJECT

    struct Case {
        QString code; // "en", "de", "fr", or "clips" for a text tried that must not fit
        Shown shown;
    };
    std::vector<Case> cases_;
    std::unique_ptr<ShownWindows> windows_;

private slots:
    void initTestCase() {
        const QFontInfo face(drawingFont({QStringLiteral("Arial"), 12, true}));
        QVERIFY2(face.family() == u"Liberation Sans", "fonts-liberation stands in for Arial");
        QCOMPARE(shippedLanguages(), QStringList({"de", "fr"}));
        windows_ = std::make_unique<ShownWindows>();
        QVERIFY2(windows_->started, qPrintable(windows_->engine.error()));
        for (const QString& code : kLanguages) {
            std::vector<Shown> shown;
            tour(code, shown);
            if (QTest::currentTestFailed())
                return;
            for (const Shown& s : shown)
                cases_.push_back({code.isEmpty() ? QStringLiteral("en") : code, s});
        }
        for (const QStringList& row : readRows("l10n/clipping.txt", 5)) {
            Font font = rowFont(rowNamed(row[1]));
            if (row[2] != u"-")
                font.size = row[2].toDouble();
            const Shown clips{"frmCPF", row[1], row[4], font, row[3] == u"focus"};
            cases_.push_back({QStringLiteral("clips"), clips});
            // The English layout keeps its own: in any widget of the array, at any place.
            for (Case& c : cases_)
                if (row[0] == u"en" && c.code == u"en" &&
                    c.shown.text.simplified() == row[4].simplified() &&
                    c.shown.widget.section(u'(', 0, 0) == row[1].section(u'(', 0, 0))
                    c.code = QStringLiteral("clips");
        }
    }

    // Each caption of each language shows whole where its window draws it: every pixel of
    // its ink inside the widget's border and, where the widget takes the focus, inside the
    // focus frame, and none under the felt's shapes; and the check refuses translations that
    // were tried and clip.
    void fits_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < cases_.size(); ++i)
            QTest::addRow("%s %s: %s", qPrintable(cases_[i].code),
                          qPrintable(cases_[i].shown.widget),
                          qPrintable(cases_[i].shown.text.simplified().left(40)))
                << static_cast<int>(i);
    }
    void fits() {
        QFETCH(int, index);
        const Case& c = cases_.at(static_cast<std::size_t>(index));
        const Measured m = measure(*windows_, c.shown);
        QString lost;
        QDebug(&lost) << "ink lost at" << m.lost.boundingRect() << "in a room of" << m.room;
        QVERIFY2(m.lost.isEmpty() == (c.code != u"clips"), qPrintable(lost));
    }

    // The table window, the Help windows and a message box speak the language installed, and
    // English when none is, also after another language was installed and removed. Every menu
    // keeps a mnemonic on each entry, none twice; the help text names the buttons as they read.
    void speaksItsLanguage_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("C") << "C";
        QTest::newRow("de") << "de";
        QTest::newRow("fr") << "fr";
    }
    void speaksItsLanguage() {
        QFETCH(QString, code);
        // Every text the tables of the code hold has its translation: a caption written as a
        // plain literal, which lupdate cannot find, would stay English. (That the translations
        // match the marked texts and are finished is the "translations" test's.)
        if (code != u"C") {
            QTranslator built;
            QVERIFY(built.load("pipfall_" + code, ":/i18n"));
            std::vector<text::Text> marked(text::NumberNames.begin(), text::NumberNames.end());
            for (const auto& [name, text] : kTexts)
                marked.push_back(text);
            for (const StartUpRow& row : kTableStartUp)
                marked.push_back(row.caption);
            for (std::span<const WidgetRow> rows :
                 {kRulesLayout.widgets, kComputerGameLayout.widgets})
                for (const WidgetRow& row : rows)
                    marked.push_back(row.caption);
            for (const MenuRow& row : kTableMenus)
                marked.push_back(row.caption);
            for (const WindowLayout* window : {&kRulesLayout, &kComputerGameLayout})
                marked.insert(marked.end(), {window->caption, window->exitCaption});
            for (const text::Text& text : marked)
                if (QString::fromUtf8(text.source).contains(QRegularExpression("[A-Za-z]")))
                    QVERIFY2(!built.translate(text.context, text.source).isEmpty(), text.source);
        }
        { const GameLanguage earlier(QStringLiteral("de")); }
        const GameLanguage spoken(code == u"C" ? QString() : code);
        ReplayEngine engine([](const std::string&) {}, ReplayEngine::Mode::Window);
        QVERIFY2(engine.start(), qPrintable(engine.error()));
        const FrmCPF& table = *engine.window();
        const FrmPFrules rules;
        const FrmCG computer;
        auto caption = [](QWidget* widget) {
            if (auto* button = qobject_cast<QPushButton*>(widget))
                return button->text();
            return static_cast<LabelView*>(widget)->control().caption();
        };
        for (const QStringList& row : readRows("l10n/speaks.txt", 3)) {
            const QString what = row[1];
            const std::vector<TableEvent> fourRolled = {event::Rolled{4}, event::PointSet{4}};
            if (row[0] == code)
                QCOMPARE(what == u"box"      ? boxShown(text::OverBet)
                         : what == u"Cancel" ? qApp->translate("QPlatformTheme", "Cancel")
                         : what == u"heard"  ? ActionWords::text(fourRolled, false, dollars(95))
                         : what.startsWith(u"described ")
                             ? table.widget(what.sliced(10))->accessibleDescription()
                         : what == u"frmPFrules" ? rules.windowTitle()
                         : table.action(what)    ? table.action(what)->text()
                                                 : caption(table.widget(what)),
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
        const QString help = caption(computer.widget("Label1(1)"));
        for (const char* button : {"cmdOneRoll", "cmdEnterOR"})
            QVERIFY2(help.contains(caption(table.widget(button))), button);
    }

    // Captions wrap into the lines the player sees, blanks as the captions set them.
    void wrapping_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width"); // 0: just the width of the first line
        QTest::addColumn<QStringList>("lines");
        // The about panel: runs of blanks push the name and the version onto lines of their
        // own, and the version keeps its double blank.
        QTest::newRow("about panel") << QString(startUpRow(ControlId::lblabout).caption)
                                     << tableRow(ControlId::lblabout).geometry[2] / 15
                                     << QStringList{{}, "Pipfall", "Version  1.1"};
        for (const QStringList& row : readRows("l10n/wrapping.txt", 4))
            QTest::newRow(qPrintable(row[0]))
                << row[1] << row[2].toInt() << row[3].split(QStringLiteral(" / "));
    }
    void wrapping() {
        QFETCH(QString, caption);
        QFETCH(int, width);
        QFETCH(QStringList, lines);
        const QFontMetrics metrics(drawingFont({QStringLiteral("Arial"), 12, true}));
        if (width == 0)
            width = metrics.horizontalAdvance(lines.first());
        QTEST(wrapCaption(caption, metrics, width), "lines");
    }

    // The box shows no icon, and keeps no room for one: the text stands as far from the left
    // edge as from the right.
    void messageBoxMargins_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("short") << QStringLiteral("Your bet cannot be over your bankroll.");
        QTest::newRow("long")
            << QStringLiteral("Lower your bet. Bankroll insufficient. ").repeated(8);
    }
    void messageBoxMargins() {
        QFETCH(QString, text);
        const std::unique_ptr<QMessageBox> box = QtMessageBox::messageBox(text, nullptr);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label != nullptr);
        QCOMPARE(label->text(), text);
        const QRect r = label->geometry();
        QCOMPARE(r.left(), box->width() - 1 - r.right());
        box->close();
    }

    // The locale of messages and the UI languages choose; English when they ask for it first,
    // for none that the game speaks, or in the C locale.
    void chooseLanguage_data() {
        QTest::addColumn<QString>("messages");
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        for (const QStringList& row : readRows("l10n/languages.txt", 3))
            QTest::addRow("%s %s", qPrintable(row[0]), qPrintable(row[1]))
                << row[0] << row[1].split(u',') << (row[2] == u"-" ? QString() : row[2]);
    }
    void chooseLanguage() {
        QFETCH(QString, messages);
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, chosen);
        QCOMPARE(::chooseLanguage(messages, uiLanguages), chosen);
    }
};

QTEST_MAIN(TestL10n)
#include "tst_l10n.moc"
