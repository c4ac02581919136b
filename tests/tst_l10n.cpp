// The game in the player's language: every caption the table shows in English, German and
// French fits its widget at the widget's font; each translation is complete and built into
// the program; the locale chooses the language; and English stays exactly the game's own,
// also in pipfall-replay whatever the locale.

#include "replay/replay.h"
#include "support/rows.h"
#include "table/table.h"
#include "ui/frmcpf.h"
#include "ui/language.h"
#include "ui/qtmessagebox.h"
#include "ui/secondarywindows.h"
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
#include <QXmlStreamReader>

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

std::vector<const WidgetRow*> allRows() {
    std::vector<const WidgetRow*> rows;
    for (std::span<const WidgetRow> table : {std::span<const WidgetRow>(kTableWidgets),
                                             kRulesLayout.widgets, kComputerGameLayout.widgets})
        for (const WidgetRow& row : table)
            rows.push_back(&row);
    return rows;
}

const WidgetRow& rowNamed(const QString& name) {
    for (const WidgetRow* row : allRows())
        if (name == QLatin1String(row->name))
            return *row;
    qFatal("no widget %s", qPrintable(name));
}

Font rowFont(const WidgetRow& row) {
    return {QString::fromLatin1(row.font.face), row.font.size, row.font.bold};
}

// A caption in its widget, drawn as the widget draws it: the lines it takes and may take, and
// the pixels left beside its widest line, negative where it sticks out.
struct Fit {
    int lines;
    int maxLines;
    int room;
    bool fits() const { return room >= 0 && lines <= maxLines; }
};

Fit measure(const WidgetRow& row, const QString& text, const Font& font) {
    const QFontMetrics m(drawingFont(font));
    QRect box(0, 0, twipsToPixels(row.geometry[2]), twipsToPixels(row.geometry[3]));
    if (row.kind == Kind::Button) {
        box.adjust(3, 2, -3, -2);
        const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
        const QRect used = m.boundingRect(box, flags, text);
        const int step = m.lineSpacing();
        return {qRound(double(used.height()) / step), std::max(1, box.height() / step),
                box.width() - used.width()};
    }
    if (row.flags & Border)
        box.adjust(1, 1, -1, -1);
    QStringList lines = wrapCaption(text, m, box.width());
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast(); // blanks that push nothing onto a line of its own draw nothing
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, m.horizontalAdvance(line));
    return {int(lines.size()), std::max(1, box.height() / m.height()), box.width() - widest};
}

struct Shown {
    QString widget;
    QString text;
    Font font;
};

// What one language shows: every caption of the three windows' labels and buttons, as the
// tour leaves them after each step (with a label's font at that moment); and the texts of the
// table that the tour never showed where they belong.
struct Language {
    std::vector<Shown> shown;
    QStringList unseen;
};

void tour(const QString& code, Language& language) {
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
        const QString key = QStringList{widget, text, font.name, QString::number(font.size),
                                        QString::number(font.bold)}
                                .join(u'\n');
        if (!seen.contains(key) && !text.isEmpty())
            language.shown.push_back({widget, text, font});
        seen.insert(key);
    };
    auto look = [&] {
        for (const NamedControl& c : engine.table().controls().named()) {
            if (c.kind == Kind::Label)
                keep(c.name, static_cast<Label*>(c.control)->caption(),
                     static_cast<Label*>(c.control)->font());
            else if (c.kind == Kind::Button)
                keep(c.name, static_cast<Button*>(c.control)->caption(), rowFont(rowNamed(c.name)));
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
            if (row.kind == Kind::Label || row.kind == Kind::Button)
                keep(QString::fromLatin1(row.name), row.caption, rowFont(row));
    for (const auto& [name, text] : kTexts) {
        const QString key = QString::fromLatin1(name);
        const QString wanted = text;
        auto shows = [&wanted](const Shown& s) { return s.text.contains(wanted); };
        const bool seen = kFaultTexts.contains(key) ||
                          (kBoxTexts.contains(key)
                               ? boxes.contains(wanted)
                               : std::any_of(language.shown.begin(), language.shown.end(), shows));
        if (!seen)
            language.unseen << key;
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

    std::map<QString, Language> languages_;

private slots:
    void initTestCase() {
        const QFontInfo face(drawingFont({QStringLiteral("Arial"), 12, true}));
        QVERIFY2(face.family() == u"Liberation Sans", "fonts-liberation stands in for Arial");
        QCOMPARE(shippedLanguages(), QStringList({"de", "fr"}));
        for (const QString& code : kLanguages) {
            tour(code, languages_[code]);
            if (QTest::currentTestFailed())
                return;
            // The three captions with the least room, for the record.
            std::vector<std::pair<Fit, const Shown*>> fits;
            for (const Shown& s : languages_[code].shown)
                fits.push_back({measure(rowNamed(s.widget), s.text, s.font), &s});
            std::sort(fits.begin(), fits.end(), [](const auto& a, const auto& b) {
                return std::pair(a.first.maxLines - a.first.lines, a.first.room) <
                       std::pair(b.first.maxLines - b.first.lines, b.first.room);
            });
            for (std::size_t i = 0; i < 3 && i < fits.size(); ++i)
                qInfo("%s: %s \"%s\": %d px left on its widest line, %d of %d lines",
                      code.isEmpty() ? "en" : qPrintable(code), qPrintable(fits[i].second->widget),
                      qPrintable(fits[i].second->text), fits[i].first.room, fits[i].first.lines,
                      fits[i].first.maxLines);
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
        for (const QString& code : kLanguages)
            for (const Shown& s : languages_[code].shown)
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
        const Fit fit = measure(rowNamed(widget), text, {face, size, bold});
        QVERIFY2(fit.fits() == fitting, qPrintable(QStringLiteral("%1 lines of %2, %3 px left")
                                                       .arg(fit.lines)
                                                       .arg(fit.maxLines)
                                                       .arg(fit.room)));
    }

    // The tour shows every message of the table, so that the fit check measures them all.
    void tourShowsEveryText_data() {
        QTest::addColumn<QString>("code");
        for (const QString& code : kLanguages)
            QTest::newRow(code.isEmpty() ? "en" : qPrintable(code)) << code;
    }
    void tourShowsEveryText() {
        QFETCH(QString, code);
        QVERIFY2(languages_[code].unseen.isEmpty(), qPrintable(languages_[code].unseen.join(' ')));
    }

    // Every entry of the translation's source is finished and built into the program as it
    // is written, and every text the code marks for translation has its entry.
    void translationComplete_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("de") << "de";
        QTest::newRow("fr") << "fr";
    }
    void translationComplete() {
        QFETCH(QString, code);
        QTranslator built;
        QVERIFY(built.load("pipfall_" + code, ":/i18n"));
        QFile source(qEnvironmentVariable("PIPFALL_SOURCE_DIR") + "/translations/pipfall_" + code +
                     ".ts");
        QVERIFY(source.open(QIODevice::ReadOnly));
        QXmlStreamReader ts(&source);
        QString context;
        QString english;
        int messages = 0;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (ts.name() == u"name")
                context = ts.readElementText();
            else if (ts.name() == u"source")
                english = ts.readElementText();
            else if (ts.name() == u"translation") {
                const QString kind = ts.attributes().value("type").toString();
                const QString translation = ts.readElementText();
                QVERIFY2(kind.isEmpty() && !translation.isEmpty(),
                         qPrintable(kind + ": " + english));
                QCOMPARE(built.translate(qPrintable(context), qPrintable(english)), translation);
                ++messages;
            }
        }
        QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
        qInfo("pipfall_%s.ts: %d messages, all finished", qPrintable(code), messages);
        std::vector<text::Text> marked(text::NumberNames.begin(), text::NumberNames.end());
        for (const auto& [name, text] : kTexts)
            marked.push_back(text);
        for (const WidgetRow* row : allRows())
            marked.push_back(row->caption);
        for (const MenuRow& row : kTableMenus)
            marked.push_back(row.caption);
        for (const WindowLayout* window : {&kRulesLayout, &kComputerGameLayout})
            marked.insert(marked.end(), {window->caption, window->exitCaption});
        for (const text::Text& text : marked) {
            const QString english = QString::fromUtf8(text.source);
            if (text.source != nullptr && english.contains(QRegularExpression("[A-Za-z]")))
                QVERIFY2(!built.translate(text.context, text.source).isEmpty(), text.source);
        }
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
            if (row[0] != code)
                continue;
            const QString what = row[1];
            const QString shown = what == u"box"      ? boxShown(text::OverBet)
                                  : what == u"Cancel" ? qApp->translate("QPlatformTheme", "Cancel")
                                  : what == u"frmPFrules" ? rules.windowTitle()
                                  : table.action(what)    ? table.action(what)->text()
                                                          : caption(table.widget(what));
            QCOMPARE(shown, row[2]);
        }
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
