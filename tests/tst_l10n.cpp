// The game in the player's language: every caption the table shows in English, German and
// French fits its widget at the widget's font; each translation is complete and built into
// the program; the locale chooses the language; and English stays exactly the game's own,
// also in pipfall-replay whatever the locale.

#include "replay/replay.h"
#include "support/rows.h"
#include "table/table.h"
#include "ui/accessibility.h"
#include "ui/announcement.h"
#include "ui/frmcpf.h"
#include "ui/language.h"
#include "ui/qtmessagebox.h"
#include "ui/secondarywindows.h"
#include "ui/tablelayout.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <map>

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
    if (const std::optional<ControlId> control = controlNamed(name))
        return tableRow(*control);
    for (std::span<const WidgetRow> rows : {kRulesLayout.widgets, kComputerGameLayout.widgets})
        for (const WidgetRow& row : rows)
            if (row.name != nullptr && name == QLatin1String(row.name))
                return row;
    qFatal("no widget %s", qPrintable(name));
}

Font rowFont(const WidgetRow& row) {
    // A label of the table takes its font from the table, which changes it as it plays.
    const FontRow& font =
        row.widgetKind() == Kind::Label && row.control ? startUpRow(*row.control).font : row.font;
    return {QString::fromLatin1(font.face), font.size, font.bold};
}

struct Shown {
    QString widget;
    QString text;
    Font font;
};

CaptionFit fitOf(const Shown& shown) {
    const WidgetRow& row = rowNamed(shown.widget);
    const QSize size(twipsToPixels(row.geometry[2]), twipsToPixels(row.geometry[3]));
    const QFont font = drawingFont(shown.font);
    return row.widgetKind() == Kind::Button
               ? buttonCaptionFit(shown.text, font, size)
               : labelCaptionFit(shown.text, font, size, row.flags & Border);
}

// Plays the tour in a language and keeps every caption the labels and buttons of the three
// windows show after each step, with a label's font at that moment.
void tour(const QString& code, std::vector<Shown>& shown) {
    const GameLanguage spoken(code);
    QVERIFY2(spoken.language() == code, qPrintable("no translation loaded for " + code));
    QStringList boxes;
    ReplayEngine engine(
        [&boxes](const std::string& line) {
            const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(line));
            for (const QJsonValue& box : json.object().value("msgboxes").toArray())
                boxes << box.toObject().value("text").toString();
        },
        ReplayEngine::Mode::TableOnly);
    QVERIFY2(engine.start(), qPrintable(engine.error()));
    QSet<QString> seen;
    auto keep = [&](const QString& widget, const QString& text, const Font& font) {
        const QString key = widget + '\n' + text + '\n' + font.name + QString::number(font.size) +
                            QString::number(font.bold);
        if (!seen.contains(key) && !text.isEmpty())
            shown.push_back({widget, text, font});
        seen.insert(key);
    };
    auto look = [&] {
        for (std::size_t i = 0; i < kTableControls.size(); ++i) {
            const QString name = QString::fromLatin1(kTableControls[i].name);
            const AnyControl control = engine.table().controls().at(controlAt(i));
            if (Label* const* label = std::get_if<Label*>(&control))
                keep(name, (*label)->caption(), (*label)->font());
            else if (Button* const* button = std::get_if<Button*>(&control))
                keep(name, (*button)->caption(), rowFont(rowNamed(name)));
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
    for (std::span<const WidgetRow> help : {kRulesLayout.widgets, kComputerGameLayout.widgets})
        for (const WidgetRow& row : help)
            if (row.widgetKind() == Kind::Label || row.widgetKind() == Kind::Button)
                keep(QString::fromLatin1(row.name), row.caption, rowFont(row));
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

    std::map<QString, std::vector<Shown>> shown_;

private slots:
    void initTestCase() {
        const QFontInfo face(drawingFont({QStringLiteral("Arial"), 12, true}));
        QVERIFY2(face.family() == u"Liberation Sans", "fonts-liberation stands in for Arial");
        QCOMPARE(shippedLanguages(), QStringList({"de", "fr"}));
        for (const QString& code : kLanguages) {
            tour(code, shown_[code]);
            if (QTest::currentTestFailed())
                return;
            // For the record: the caption with the least room, among those using every line.
            std::vector<std::pair<CaptionFit, const Shown*>> fits;
            for (const Shown& s : shown_[code])
                fits.push_back({fitOf(s), &s});
            const auto [fit, tightest] =
                *std::min_element(fits.begin(), fits.end(), [](const auto& a, const auto& b) {
                    return std::pair(a.first.maxLines - a.first.lines, a.first.room) <
                           std::pair(b.first.maxLines - b.first.lines, b.first.room);
                });
            qInfo("%s: %zu captions; tightest %s \"%s\", %d px left, %d of %d lines",
                  code.isEmpty() ? "en" : qPrintable(code), fits.size(),
                  qPrintable(tightest->widget), qPrintable(tightest->text), fit.room, fit.lines,
                  fit.maxLines);
        }
    }

    // Each caption of each language fits its widget at the widget's font; and the check
    // refuses translations that were tried and clip.
    void fits_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("face");
        QTest::addColumn<double>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("fitting");
        for (const auto& [code, shown] : shown_)
            for (const Shown& s : shown)
                QTest::addRow("%s %s: %s", code.isEmpty() ? "en" : qPrintable(code),
                              qPrintable(s.widget), qPrintable(s.text.simplified().left(40)))
                    << s.widget << s.text << s.font.name << s.font.size << s.font.bold << true;
        for (const QStringList& row : readRows("l10n/clipping.txt", 2)) {
            const Font font = rowFont(rowNamed(row[0]));
            QTest::addRow("clips %s: %s", qPrintable(row[0]), qPrintable(row[1]))
                << row[0] << row[1] << font.name << font.size << font.bold << false;
        }
    }
    void fits() {
        QFETCH(QString, widget);
        QFETCH(QString, text);
        QFETCH(QString, face);
        QFETCH(double, size);
        QFETCH(bool, bold);
        QFETCH(bool, fitting);
        const CaptionFit fit = fitOf({widget, text, {face, size, bold}});
        QVERIFY2(fit.fits() == fitting, qPrintable(QStringLiteral("%1 lines of %2, %3 px left")
                                                       .arg(fit.lines)
                                                       .arg(fit.maxLines)
                                                       .arg(fit.room)));
    }

    // Every text the tables of the code hold has its translation: a caption written as a
    // plain literal, which lupdate cannot find, would stay English. (That the translations
    // match the marked texts and are finished is the "translations" test's, an lupdate run.)
    void everyTextTranslated_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("de") << "de";
        QTest::newRow("fr") << "fr";
    }
    void everyTextTranslated() {
        QFETCH(QString, code);
        QTranslator built;
        QVERIFY(built.load("pipfall_" + code, ":/i18n"));
        std::vector<text::Text> marked(text::NumberNames.begin(), text::NumberNames.end());
        for (const auto& [name, text] : kTexts)
            marked.push_back(text);
        for (const StartUpRow& row : kTableStartUp)
            marked.push_back(row.caption);
        for (std::span<const WidgetRow> rows : {kRulesLayout.widgets, kComputerGameLayout.widgets})
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

    // pipfall-replay plays and writes the English game whatever the locale asks for.
    void replayStaysEnglish() {
        QFile script(qEnvironmentVariable("PIPFALL_SOURCE_DIR") +
                     "/fuzz/corpus/over-bet-and-game-over.txt");
        QVERIFY(script.open(QIODevice::ReadOnly));
        const QByteArray commands = script.readAll();
        auto replay = [&commands](const QString& lang, const QString& language) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.remove("LC_ALL");
            environment.remove("LC_MESSAGES");
            environment.insert("LANG", lang);
            environment.insert("LANGUAGE", language);
            QProcess process;
            process.setProcessEnvironment(environment);
            process.start(qEnvironmentVariable("PIPFALL_REPLAY"), {});
            process.write(commands);
            process.closeWriteChannel();
            process.waitForFinished(-1);
            return process.readAllStandardOutput();
        };
        const QByteArray english = replay("C", "");
        QVERIFY(english.contains(QString(text::OverBet).toUtf8()));
        QCOMPARE(replay("de_DE.UTF-8", "de"), english);
        QCOMPARE(replay("fr_FR.UTF-8", "fr:de"), english);
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
