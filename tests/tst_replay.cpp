// pipfall-replay as its users run it: the real program, a script on its standard input, JSON
// Lines on its standard output, its exit status and its last line on standard error.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A value inside a line by its path: "state/widgets/udBet/value", "msgboxes/0/text".
QJsonValue at(QJsonValue value, const QString& path) {
    for (const QString& key : path.split(u'/', Qt::SkipEmptyParts))
        value = value.isArray() ? value.toArray().at(key.toInt()) : value.toObject().value(key);
    return value;
}

QJsonObject golden() {
    QFile file(qEnvironmentVariable("PIPFALL_SOURCE_DIR") + "/tests/golden/startup.json");
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()
                                          : QJsonObject();
}

} // namespace

class TestReplay : public QObject {
    Q_OBJECT
private slots:
    // facts: "LINE PATH JSON" (LINE -1 is the last line), or "same"/"changed": the last line's
    // state against the one before it. where: "" the build folder, "no display", "no imgdie3".
    void run_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("error"); // the last line on standard error, a pattern
        QTest::addColumn<QStringList>("facts");
        const auto ok = [](const char* name, const char* script, QList<int> numbers,
                           QStringList facts = {}, const char* where = "") {
            QTest::newRow(name) << QByteArray(script) << QString::fromLatin1(where) << 0 << numbers
                                << QString() << facts;
        };
        const auto bad = [](const char* name, const char* script, QList<int> numbers, int line) {
            QTest::newRow(name) << QByteArray(script) << QString() << 2 << numbers
                                << QStringLiteral("^line %1: \\S").arg(line) << QStringList();
        };
        ok("empty", "", {0}, {"0 cmd \"\"", "0 delivered true", "0 msgboxes []"});
        ok("example",
           "up udBet\nup udBet\ndie 4\nclick cmdRoll\ndie 3\nclick cmdRoll\n"
           "die 4\nclick cmdRoll\n",
           {0, 1, 2, 4, 6, 8},
           {"1 cmd \"up udBet\"",
            "1 state/widgets/udBet/value 5",
            "1 state/vars/Bankroll \"95\"",
            "2 state/widgets/txtBet/text \"10\"",
            "2 state/widgets/lblBankroll/caption \"90\"",
            "3 state/vars/Point 4",
            "3 state/widgets/picdie/picture \"imgdie4.bmp\"",
            "3 state/widgets/picdie/visible true",
            "3 state/widgets/lblpoint/caption \"Point = 4\"",
            "3 state/widgets/udBet/enabled false",
            "4 state/widgets/picdie/picture \"imgdie3.bmp\"",
            "4 state/vars/PointRolls 1",
            "5 state/vars/Point 0",
            "5 state/vars/BetWon true",
            "5 state/vars/Bankroll \"100\"",
            "5 state/widgets/lblBankroll/caption \"100\"",
            "5 state/widgets/lblbetresult/caption \"The point has been rolled on the second "
            "opportunity, paying one-to-one.\"",
            "5 state/widgets/udBet/value 10",
            "5 state/widgets/lblpoint/caption \"NO POINT\"",
            "5 delivered true"});
        ok("needs no display", "up udBet\n", {0, 1}, {}, "no display");
        ok("no newline at the end", "up udBet", {0, 1}, {"1 cmd \"up udBet\""});
        ok("CRLF", "up udBet\r\ndown udBet\r\n", {0, 1, 2}, {"2 cmd \"down udBet\""});
        ok("tabs and blanks fold to one", "\t up \t\t udBet  \t\n", {0, 1}, {"1 cmd \"up udBet\""});
        ok("blank lines and comments still count",
           "\n# a comment\n   \n\t# indented\r\n\r\nclick   lblOR(4)\n", {0, 6},
           {"1 cmd \"click lblOR(4)\""});
        ok("die writes no line", "die 3\ndie 5\nup udBet\n", {0, 3});
        ok("hidden button", "click cmdEnterOR\n", {0, 1}, {"-1 delivered false", "same"});
        ok("hidden about button", "click cmdokabout\n", {0, 1}, {"-1 delivered false", "same"});
        ok("hidden up-down", "up udOneRoll(1)\n", {0, 1}, {"-1 delivered false", "same"});
        ok("disabled up-down while a point is on", "up udBet\ndie 3\nclick cmdRoll\nup udBet\n",
           {0, 1, 3, 4}, {"-1 delivered false", "same"});
        ok("item of a disabled menu", "up udBet\ndie 3\nclick cmdRoll\nclick mnu100\n",
           {0, 1, 3, 4}, {"-1 delivered false", "same"});
        ok("down at the limit changes nothing", "down udBet\n", {0, 1},
           {"1 delivered true", "same"});
        ok("visible holder", "click lblOR(2)\n", {0, 1}, {"1 delivered true", "same"});
        ok("enabled menu item", "click mnuAuto\n", {0, 1},
           {"1 delivered true", "1 cmd \"click mnuAuto\"", "changed"});
        ok("visible button", "click cmdOneRoll\n", {0, 1}, {"1 delivered true", "changed"});
        // Twenty clicks bet the whole 100; the twenty-first asks for 105: the box shows the
        // table as the player sees it behind it, and once answered the bet is what is left.
        QList<int> all;
        for (int i = 0; i <= 21; ++i)
            all << i;
        ok("over-bet message box", QByteArray("up udBet\n").repeated(21).constData(), all,
           {"0 msgboxes []", "20 msgboxes []",
            "-1 msgboxes/0/text \"Your bet cannot be over your bankroll.\"",
            "-1 msgboxes/0/title \"Pipfall\"", "-1 msgboxes/1 null",
            "-1 msgboxes/0/state/widgets/lblBankroll/caption \"\"",
            "-1 msgboxes/0/state/widgets/txtBet/text \"\"",
            "-1 msgboxes/0/state/widgets/udBet/enabled false",
            "-1 msgboxes/0/state/vars/Bankroll \"-5\"", "-1 state/widgets/udBet/value 100",
            "-1 state/vars/Bankroll \"0\"", "-1 state/widgets/lblBankroll/caption \"0\""});
        bad("unknown verb", "up udBet\nroll\n", {0, 1}, 2);
        bad("verbs are case-sensitive", "Click cmdRoll\n", {0}, 1);
        bad("unknown name", "up udBet\n\nclick cmdFoo\n", {0, 1}, 3);
        bad("names are case-sensitive", "click cmdroll\n", {0}, 1);
        bad("no such member", "click lblOR(7)\n", {0}, 1);
        bad("not a thing to click", "click udBet\n", {0}, 1);
        bad("not an up-down", "up cmdRoll\n", {0}, 1);
        bad("exit is not driven", "click mnuexit\n", {0}, 1);
        for (const char* die : {"die 7", "die 0", "die 01", "die 1 2", "die"})
            bad(die, (QByteArray(die) + '\n').constData(), {0}, 1);
        bad("click alone", "up udBet\nclick\n", {0, 1}, 2);
        bad("a comment after a command", "up udBet # more\n", {0}, 1);
        bad("a roll with no face queued", "up udBet\nclick cmdRoll\n", {0, 1}, 2);
        bad("the queue runs dry", "up udBet\ndie 4\nclick cmdRoll\nclick cmdRoll\n", {0, 1, 3}, 4);
        QTest::newRow("a die picture missing")
            << QByteArray("up udBet\n") << "no imgdie3" << 2 << QList<int>{}
            << "^line 0: .*imgdie3\\.bmp" << QStringList();
    }

    void run() {
        QFETCH(QByteArray, script);
        QFETCH(QString, where);
        QFETCH(int, exitCode);
        QFETCH(QList<int>, numbers);
        QFETCH(QString, error);
        QFETCH(QStringList, facts);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        QTemporaryDir dir;
        QString folder = QDir::currentPath(); // where the die pictures lie
        if (where == u"no display") {
            for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                env.remove(QString::fromLatin1(name));
        } else if (where == u"no imgdie3") {
            for (int face : {1, 2, 4, 5, 6}) {
                const QString name = QStringLiteral("imgdie%1.bmp").arg(face);
                QVERIFY(QFile::copy(QDir::current().filePath(name), dir.filePath(name)));
            }
            folder = dir.path();
        }
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(folder);
        process.start(QCoreApplication::applicationDirPath() + "/../pipfall-replay", {});
        QVERIFY2(process.waitForStarted(30000), qPrintable(process.errorString()));
        process.write(script);
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit);
        QCOMPARE(process.exitCode(), exitCode);
        const QStringList errors =
            QString::fromUtf8(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
        const QString lastError = errors.isEmpty() ? QString() : errors.last();
        QVERIFY2(error.isEmpty() || QRegularExpression(error).match(lastError).hasMatch(),
                 qPrintable(lastError));

        // Every line one complete JSON object of the same form, the first the table at start.
        const QByteArray out = process.readAllStandardOutput();
        QVERIFY(out.isEmpty() || out.endsWith('\n'));
        QList<QJsonObject> lines;
        QList<int> written;
        for (const QByteArray& text : out.split('\n')) {
            if (text.isEmpty())
                continue;
            const QJsonDocument doc = QJsonDocument::fromJson(text);
            QVERIFY2(doc.isObject(), text.left(200).constData());
            lines << doc.object();
            written << lines.last().value(u"n").toInt(-1);
            QCOMPARE(lines.last().keys(),
                     (QStringList{"cmd", "delivered", "msgboxes", "n", "state"}));
            QCOMPARE(at(lines.last(), "state/widgets").toObject().size(), 66);
        }
        QCOMPARE(written, numbers);
        if (!lines.isEmpty())
            for (const char* part : {"vars", "widgets"}) // the table at start
                QCOMPARE(at(lines.first(), QStringLiteral("state/") + part), golden().value(part));
        for (const QString& fact : facts) {
            if (fact == u"same" || fact == u"changed") {
                const QJsonValue before = lines.at(lines.size() - 2).value(u"state");
                QCOMPARE(lines.last().value(u"state") == before, fact == u"same");
                continue;
            }
            const QStringList parts = fact.split(u' ');
            const int index = parts.at(0).toInt();
            const QJsonValue line = lines.at(index < 0 ? lines.size() + index : index);
            const QJsonValue want =
                QJsonDocument::fromJson("[" + fact.section(u' ', 2).toUtf8() + "]").array().at(0);
            const QJsonValue got = at(line, parts.at(1));
            QVERIFY2((got.isUndefined() ? QJsonValue(QJsonValue::Null) : got) == want,
                     qPrintable(fact));
        }
    }
};

QTEST_MAIN(TestReplay)
#include "tst_replay.moc"
