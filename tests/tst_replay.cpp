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

struct Replay {
    int exitCode = -1;
    QList<QJsonObject> lines;
    QStringList errors; // standard error, line by line
    QString lastError() const { return errors.isEmpty() ? QString() : errors.last(); }
    QList<int> numbers() const {
        QList<int> n;
        for (const QJsonObject& line : lines)
            n << line.value(u"n").toInt(-1);
        return n;
    }
};

QString replayProgram() {
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../pipfall-replay"));
}

// Runs the driver on script in dir (the build folder, where the die pictures lie, unless
// told otherwise). Every output line must be one complete JSON object.
Replay replay(const QByteArray& script, const QString& dir = QDir::currentPath(),
              const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    Replay result;
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir);
    process.start(replayProgram(), {});
    if (!process.waitForStarted(30000)) {
        qWarning("pipfall-replay did not start: %s", qPrintable(process.errorString()));
        return result;
    }
    process.write(script);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        qWarning("pipfall-replay did not finish normally");
        process.kill();
        return result;
    }
    result.exitCode = process.exitCode();
    const QByteArray out = process.readAllStandardOutput();
    if (!out.isEmpty() && !out.endsWith('\n'))
        qWarning("the output does not end with a newline");
    for (const QByteArray& line : out.split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
        if (!doc.isObject()) {
            qWarning("not a JSON object (%s): %s", qPrintable(error.errorString()),
                     line.left(200).constData());
            result.exitCode = -2;
        }
        result.lines << doc.object();
    }
    result.errors =
        QString::fromUtf8(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    return result;
}

// A value inside a line by its path: "state/widgets/udBet/value".
QJsonValue at(const QJsonObject& line, const QString& path) {
    QJsonValue value = line;
    for (const QString& key : path.split(u'/'))
        value = value.toObject().value(key);
    return value;
}

QByteArray repeated(const QByteArray& line, int times) {
    QByteArray script;
    for (int i = 0; i < times; ++i)
        script += line + '\n';
    return script;
}

// The keys every entry of a widget's kind has, told by the widget's name.
QStringList keysOfKind(const QString& name) {
    if (name.startsWith(u"lbl") || name.startsWith(u"Label"))
        return {"back", "caption", "font", "visible"};
    if (name.startsWith(u"cmd"))
        return {"caption", "enabled", "visible"};
    if (name.startsWith(u"txt"))
        return {"enabled", "text", "visible"};
    if (name.startsWith(u"ud"))
        return {"enabled", "value", "visible"};
    if (name.startsWith(u"pb") || name.startsWith(u"pic"))
        return {"picture", "visible"};
    if (name.startsWith(u"mnu"))
        return {"caption", "checked", "enabled"};
    return {};
}

const QByteArray kExample = "up udBet\nup udBet\ndie 4\nclick cmdRoll\ndie 3\nclick cmdRoll\n"
                            "die 4\nclick cmdRoll\n";

} // namespace

class TestReplay : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void emptyScript();
    void startState_data();
    void startState();
    void needsNoDisplay();
    void example_data();
    void example();
    void scriptForm_data();
    void scriptForm();
    void scriptErrors_data();
    void scriptErrors();
    void delivery_data();
    void delivery();
    void overBetMessageBox();
    void missingDiePicture();

private:
    Replay start_;
    Replay example_;
};

void TestReplay::initTestCase() {
    QVERIFY2(QFile::exists(replayProgram()), qPrintable(replayProgram()));
    start_ = replay({});
    example_ = replay(kExample);
}

void TestReplay::emptyScript() {
    QCOMPARE(start_.exitCode, 0);
    QCOMPARE(start_.lines.size(), 1);
    const QJsonObject& line = start_.lines.first();
    QCOMPARE(line.keys(), (QStringList{"cmd", "delivered", "msgboxes", "n", "state"}));
    QCOMPARE(line.value(u"n"), QJsonValue(0));
    QCOMPARE(line.value(u"cmd"), QJsonValue(QString()));
    QCOMPARE(line.value(u"delivered"), QJsonValue(true));
    QCOMPARE(line.value(u"msgboxes"), QJsonValue(QJsonArray()));
    const QJsonObject state = line.value(u"state").toObject();
    QCOMPARE(state.keys(), (QStringList{"vars", "widgets"}));
    QCOMPARE(state.value(u"vars").toObject(), QJsonObject({{"Bankroll", "100"},
                                                           {"Point", 0},
                                                           {"PointRolls", 0},
                                                           {"PrevBet", 0},
                                                           {"BetWon", false},
                                                           {"BetLost", false},
                                                           {"ORActive", false},
                                                           {"ORWon", false}}));
    const QJsonObject widgets = state.value(u"widgets").toObject();
    QCOMPARE(widgets.size(), 66);
    for (auto it = widgets.begin(); it != widgets.end(); ++it) {
        const QStringList keys = keysOfKind(it.key());
        QVERIFY2(!keys.isEmpty(), qPrintable(it.key()));
        QVERIFY2(it.value().toObject().keys() == keys, qPrintable(it.key()));
    }
}

void TestReplay::startState_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonValue>("value");
    const auto row = [](const char* path, const QJsonValue& value) {
        QTest::newRow(path) << QString::fromLatin1(path) << value;
    };
    row("lblBankroll/caption", "100");
    row("lblBankroll/back", "#FFFFFF");
    row("lblBankroll/font/size", 20.25);
    row("lblBankroll/font/bold", true);
    row("lblpoint/caption", "NO POINT");
    row("lblpoint/back", "#C0C0FF");
    row("lblpoint/font/bold", false);
    row("lblodds(2)/caption", " 2    ");
    row("lblcout(4)/font/size", 9.75);
    row("lblOR(3)/caption", "THREE");
    row("lblOR(3)/back", "#0000FF");
    row("lblOR(3)/visible", true);
    row("lblinfo/visible", false);
    row("lblgameover/caption", "GAME OVER!!!  Bankroll is under five dollars.");
    row("lblgameover/back", "#FF0000");
    row("cmdRoll/caption", "Roll Die");
    row("cmdRoll/enabled", true);
    row("cmdCancelOR/visible", false);
    row("cmdEnterOR/visible", false);
    row("txtBet/text", "0");
    row("txtBet/enabled", false);
    row("txtOneRoll(1)/visible", false);
    row("udBet/value", 0);
    row("udBet/enabled", true);
    row("udBet/visible", true);
    row("udOneRoll(6)/visible", false);
    row("picdie/picture", QJsonValue::Null);
    row("picdie/visible", false);
    row("pblogo/picture", "logo");
    row("pblogo/visible", true);
    row("mnuAuto/caption", "&Auto re-bet");
    row("mnuAuto/checked", true);
    row("mnumax/checked", false);
    row("mnubankroll/caption", "&Bankroll");
    row("mnubankroll/enabled", true);
    row("mnu1000/caption", "1,00&0");
}

void TestReplay::startState() {
    QFETCH(QString, path);
    QFETCH(QJsonValue, value);
    QVERIFY(!start_.lines.isEmpty());
    QCOMPARE(at(start_.lines.first(), QStringLiteral("state/widgets/") + path), value);
    QCOMPARE(at(start_.lines.first(), QStringLiteral("state/widgets/lblpoint/font/name"))
                 .toString()
                 .toLower(),
             QStringLiteral("arial"));
}

void TestReplay::needsNoDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const Replay run = replay("up udBet\n", QDir::currentPath(), env);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.numbers(), (QList<int>{0, 1}));
}

void TestReplay::example_data() {
    QTest::addColumn<int>("line"); // index of the output line
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonValue>("value");
    const auto row = [](const char* name, int line, const char* path, const QJsonValue& value) {
        QTest::newRow(name) << line << QString::fromLatin1(path) << value;
    };
    row("up: n", 1, "n", 1);
    row("up: cmd", 1, "cmd", "up udBet");
    row("up: bet 5", 1, "state/widgets/udBet/value", 5);
    row("up: charged", 1, "state/vars/Bankroll", "95");
    row("second up: box", 2, "state/widgets/txtBet/text", "10");
    row("second up: shown", 2, "state/widgets/lblBankroll/caption", "90");
    row("die writes nothing: n", 3, "n", 4);
    row("come-out 4: point", 3, "state/vars/Point", 4);
    row("come-out 4: picture", 3, "state/widgets/picdie/picture", "imgdie4.bmp");
    row("come-out 4: die shown", 3, "state/widgets/picdie/visible", true);
    row("come-out 4: label", 3, "state/widgets/lblpoint/caption", "Point = 4");
    row("come-out 4: bet locked", 3, "state/widgets/udBet/enabled", false);
    row("a miss: n", 4, "n", 6);
    row("a miss: picture", 4, "state/widgets/picdie/picture", "imgdie3.bmp");
    row("a miss: rolls", 4, "state/vars/PointRolls", 1);
    row("made: n", 5, "n", 8);
    row("made: no point", 5, "state/vars/Point", 0);
    row("made: won", 5, "state/vars/BetWon", true);
    row("made: paid one-to-one, bet stays", 5, "state/vars/Bankroll", "100");
    row("made: shown", 5, "state/widgets/lblBankroll/caption", "100");
    row("made: message", 5, "state/widgets/lblbetresult/caption",
        "The point has been rolled on the second opportunity, paying one-to-one.");
    row("made: bet stands", 5, "state/widgets/udBet/value", 10);
    row("made: label", 5, "state/widgets/lblpoint/caption", "NO POINT");
}

void TestReplay::example() {
    QFETCH(int, line);
    QFETCH(QString, path);
    QFETCH(QJsonValue, value);
    QCOMPARE(example_.exitCode, 0);
    QCOMPARE(example_.numbers(), (QList<int>{0, 1, 2, 4, 6, 8}));
    QCOMPARE(at(example_.lines.at(line), path), value);
    QCOMPARE(at(example_.lines.at(line), QStringLiteral("delivered")), QJsonValue(true));
}

void TestReplay::scriptForm_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QStringList>("commands");
    QTest::newRow("no newline at the end")
        << QByteArray("up udBet") << QList<int>{0, 1} << QStringList{"", "up udBet"};
    QTest::newRow("CRLF") << QByteArray("up udBet\r\ndown udBet\r\n") << QList<int>{0, 1, 2}
                          << QStringList{"", "up udBet", "down udBet"};
    QTest::newRow("tabs and blanks fold to one")
        << QByteArray("\t up \t\t udBet  \t\n") << QList<int>{0, 1} << QStringList{"", "up udBet"};
    QTest::newRow("blank lines and comments still count")
        << QByteArray("\n# a comment\n   \n\t# indented\r\n\r\nclick   lblOR(4)\n")
        << QList<int>{0, 6} << QStringList{"", "click lblOR(4)"};
    QTest::newRow("die writes no line") << QByteArray("die 3\ndie 5\nup udBet\n")
                                        << QList<int>{0, 3} << QStringList{"", "up udBet"};
    QTest::newRow("menu item") << QByteArray("click mnuAuto\n") << QList<int>{0, 1}
                               << QStringList{"", "click mnuAuto"};
}

void TestReplay::scriptForm() {
    QFETCH(QByteArray, script);
    QFETCH(QList<int>, numbers);
    QFETCH(QStringList, commands);
    const Replay run = replay(script);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.numbers(), numbers);
    QStringList written;
    for (const QJsonObject& line : run.lines)
        written << line.value(u"cmd").toString();
    QCOMPARE(written, commands);
}

void TestReplay::scriptErrors_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QList<int>>("numbers"); // the lines written before the error
    QTest::addColumn<int>("errorLine");
    const auto row = [](const char* name, const char* script, QList<int> numbers, int line) {
        QTest::newRow(name) << QByteArray(script) << numbers << line;
    };
    row("unknown verb", "up udBet\nroll\n", {0, 1}, 2);
    row("verbs are case-sensitive", "Click cmdRoll\n", {0}, 1);
    row("unknown name", "up udBet\n\nclick cmdFoo\n", {0, 1}, 3);
    row("names are case-sensitive", "click cmdroll\n", {0}, 1);
    row("no such member", "click lblOR(7)\n", {0}, 1);
    row("not a thing to click", "click udBet\n", {0}, 1);
    row("not an up-down", "up cmdRoll\n", {0}, 1);
    row("exit is not driven", "click mnuexit\n", {0}, 1);
    row("die 7", "die 7\n", {0}, 1);
    row("die 0", "die 0\n", {0}, 1);
    row("die 01", "die 01\n", {0}, 1);
    row("die 1 2", "die 1 2\n", {0}, 1);
    row("die alone", "die\n", {0}, 1);
    row("click alone", "up udBet\nclick\n", {0, 1}, 2);
    row("a comment after a command", "up udBet # more\n", {0}, 1);
    row("a roll with no face queued", "up udBet\nclick cmdRoll\n", {0, 1}, 2);
    row("the queue runs dry", "up udBet\ndie 4\nclick cmdRoll\nclick cmdRoll\n", {0, 1, 3}, 4);
}

void TestReplay::scriptErrors() {
    QFETCH(QByteArray, script);
    QFETCH(QList<int>, numbers);
    QFETCH(int, errorLine);
    const Replay run = replay(script);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.numbers(), numbers);
    const QRegularExpression form(QStringLiteral("^line %1: \\S.*$").arg(errorLine));
    QVERIFY2(form.match(run.lastError()).hasMatch(), qPrintable(run.lastError()));
}

void TestReplay::delivery_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("delivered");
    QTest::addColumn<bool>("unchanged"); // the state is the one of the line before
    QTest::newRow("hidden button") << QByteArray("click cmdEnterOR\n") << false << true;
    QTest::newRow("hidden about button") << QByteArray("click cmdokabout\n") << false << true;
    QTest::newRow("hidden up-down") << QByteArray("up udOneRoll(1)\n") << false << true;
    QTest::newRow("disabled up-down while a point is on")
        << QByteArray("up udBet\ndie 3\nclick cmdRoll\nup udBet\n") << false << true;
    QTest::newRow("item of a disabled menu")
        << QByteArray("up udBet\ndie 3\nclick cmdRoll\nclick mnu100\n") << false << true;
    QTest::newRow("down at the limit is delivered, changes nothing")
        << QByteArray("down udBet\n") << true << true;
    QTest::newRow("visible holder") << QByteArray("click lblOR(2)\n") << true << true;
    QTest::newRow("enabled menu item") << QByteArray("click mnuAuto\n") << true << false;
    QTest::newRow("visible button") << QByteArray("click cmdOneRoll\n") << true << false;
}

void TestReplay::delivery() {
    QFETCH(QByteArray, script);
    QFETCH(bool, delivered);
    QFETCH(bool, unchanged);
    const Replay run = replay(script);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.lines.size() >= 2);
    const QJsonObject& last = run.lines.last();
    QCOMPARE(last.value(u"delivered"), QJsonValue(delivered));
    QCOMPARE(last.value(u"msgboxes"), QJsonValue(QJsonArray()));
    const QJsonValue before = run.lines.at(run.lines.size() - 2).value(u"state");
    QCOMPARE(last.value(u"state") == before, unchanged);
}

void TestReplay::overBetMessageBox() {
    // Twenty clicks bet the whole 100; the twenty-first asks for 105.
    const Replay run = replay(repeated("up udBet", 21));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines.size(), 22);
    for (int i = 0; i < 21; ++i)
        QCOMPARE(run.lines.at(i).value(u"msgboxes").toArray().size(), 0);
    const QJsonObject& last = run.lines.last();
    const QJsonArray boxes = last.value(u"msgboxes").toArray();
    QCOMPARE(boxes.size(), 1);
    const QJsonObject box = boxes.first().toObject();
    QCOMPARE(box.keys(), (QStringList{"state", "text", "title"}));
    QCOMPARE(box.value(u"text"), QJsonValue("Your bet cannot be over your bankroll."));
    QCOMPARE(box.value(u"title"), QJsonValue("Pipfall"));
    // The table as the player sees it behind the box, before OK.
    QCOMPARE(at(box, QStringLiteral("state/widgets/lblBankroll/caption")), QJsonValue(""));
    QCOMPARE(at(box, QStringLiteral("state/widgets/txtBet/text")), QJsonValue(""));
    QCOMPARE(at(box, QStringLiteral("state/widgets/udBet/enabled")), QJsonValue(false));
    QCOMPARE(at(box, QStringLiteral("state/vars/Bankroll")), QJsonValue("-5"));
    QCOMPARE(at(box, QStringLiteral("state/widgets")).toObject().size(), 66);
    // And once answered: the bet is back at what the bankroll allows.
    QCOMPARE(at(last, QStringLiteral("state/widgets/udBet/value")), QJsonValue(100));
    QCOMPARE(at(last, QStringLiteral("state/vars/Bankroll")), QJsonValue("0"));
    QCOMPARE(at(last, QStringLiteral("state/widgets/lblBankroll/caption")), QJsonValue("0"));
}

void TestReplay::missingDiePicture() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (int face : {1, 2, 4, 5, 6}) {
        const QString name = QStringLiteral("imgdie%1.bmp").arg(face);
        QVERIFY(QFile::copy(QDir::current().filePath(name), dir.filePath(name)));
    }
    const Replay run = replay("up udBet\n", dir.path());
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.lines.size(), 0);
    QVERIFY2(run.lastError().startsWith(QStringLiteral("line 0: ")), qPrintable(run.lastError()));
    QVERIFY2(run.lastError().contains(QStringLiteral("imgdie3.bmp")), qPrintable(run.lastError()));
}

QTEST_MAIN(TestReplay)
#include "tst_replay.moc"
