// pipfall-replay as a program: its script language, output and exit status; the table it
// opens against the reviewed record of the start-up state; the real window and the table
// alone playing the same scripts to the same states; and the die pictures: where the game
// finds them, what makes one unreadable, and a bad one at start and in the middle of a game
// with money on the table, told in the player's language.

#include "replay/replay.h"
#include "replay/scripteddie.h"
#include "support/rows.h"
#include "table/die.h"
#include "table/table.h"
#include "table/texts.h"
#include "ui/frmcpf.h"
#include "ui/language.h"
#include "ui/picturefiles.h"
#include "ui/qtmessagebox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int status = -1;
    QList<QJsonObject> lines;
    QStringList errors; // the lines on standard error that come from the game
    QByteArray output;
};

// Runs pipfall-replay in the folder, in the locale of the settings ("LANG=C") if any given;
// nothing (and a warning why) when it does not start or does not end within a generous limit,
// a guard against a hung test, not a measure of speed.
std::optional<Run> replay(const QByteArray& script, const QString& folder = QDir::currentPath(),
                          const QStringList& locale = {}) {
    constexpr int kLimit = 300'000; // milliseconds
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& setting : locale)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    process.setProcessEnvironment(environment);
    process.start(qEnvironmentVariable("PIPFALL_REPLAY"), {});
    if (!process.waitForStarted(kLimit)) {
        qWarning("pipfall-replay did not start: %s", qPrintable(process.errorString()));
        return std::nullopt;
    }
    process.write(script);
    process.closeWriteChannel();
    if (!process.waitForFinished(kLimit)) {
        qWarning("pipfall-replay did not end: %s", qPrintable(process.errorString()));
        return std::nullopt;
    }
    Run run{process.exitCode(), {}, {}, process.readAllStandardOutput()};
    for (const QByteArray& line : run.output.split('\n'))
        if (!line.isEmpty())
            run.lines << QJsonDocument::fromJson(line).object();
    run.errors = QString::fromUtf8(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    // Not Qt noting the machine it runs on ("QStandardPaths: XDG_RUNTIME_DIR not set...").
    run.errors.removeIf([](const QString& line) { return line.startsWith(u"QStandardPaths: "); });
    return run;
}

QString sourceFile(const QString& path) {
    return qEnvironmentVariable("PIPFALL_SOURCE_DIR") + u'/' + path;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// Puts into folder what "holds" says of imgdie3.bmp (tests/replay/pictures.txt): the die,
// with its sharp copy or not, another picture, nothing, or the die spoilt in one of six ways;
// false when it could not.
bool fill(const QString& folder, const QString& holds) {
    const QString file = QDir(folder).filePath(u"imgdie3.bmp"_s);
    if (holds == u"-")
        return true;
    if (!QFile::copy(sourceFile(u"assets/imgdie3.bmp"_s), file))
        return false;
    QFile picture(file);
    if (holds == u"die")
        return true;
    if (holds == u"die sharp")
        return QFile::copy(sourceFile("assets/imgdie3@2x.png"),
                           QDir(folder).filePath("imgdie3@2x.png"));
    if (holds == u"huge") // the header claims 60,000 by 60,000: 0x0000EA60 each way
        return picture.open(QIODevice::ReadWrite) && picture.seek(18) &&
               picture.write(QByteArray::fromHex("60EA000060EA0000")) == 8;
    if (holds == u"empty" || holds == u"cut short")
        return picture.resize(holds == u"empty" ? 0 : 1000);
    if (!picture.remove())
        return false;
    QImage other(7, 5, QImage::Format_RGB32);
    other.fill(Qt::red);
    if (holds == u"other")
        return other.save(file, "BMP");
    if (holds == u"folder")
        return QDir().mkdir(file);
    if (holds == u"pipe")
        return ::mkfifo(QFile::encodeName(file).constData(), 0644) == 0;
    return holds == u"not a BMP" && picture.open(QIODevice::WriteOnly) &&
           picture.write("GIF89a") == 6;
}

} // namespace

class TestReplay : public QObject {
    Q_OBJECT
    const QString home_ = QDir::currentPath(); // the build folder, with the die pictures

private slots:
    void cleanup() { QDir::setCurrent(home_); }

    void protocol_data() {
        addRows(u"replay/protocol.txt"_s,
                {"", "script", "status", "error", "delivered", "bankroll"});
    }
    void protocol() {
        QFETCH(QString, script);
        const auto run = replay(script.toUtf8());
        QVERIFY(run);
        QTEST(QString::number(run->status), "status");
        QTEST(run->errors.join(u'\n'), "error"); // the game's one line, or none
        QVERIFY(!run->lines.isEmpty());
        QCOMPARE(run->lines.first()[u"n"].toInt(), 0);
        QString delivered;
        for (const QJsonObject& line : run->lines.mid(1))
            delivered += line[u"delivered"].toBool() ? u'1' : u'0';
        QTEST(delivered, "delivered");
        QTEST(run->lines.last()[u"state"][u"vars"][u"Bankroll"].toString(), "bankroll");
    }

    // The table as it opens, against the reviewed record of its whole state.
    void startUpState() {
        const auto run = replay({});
        QVERIFY(run);
        QCOMPARE(run->status, 0);
        QCOMPARE(run->lines.size(), 1);
        const QJsonObject golden =
            QJsonDocument::fromJson(contents(sourceFile(u"tests/golden/startup.json"_s))).object();
        QCOMPARE(run->lines.first()[u"state"].toObject(), golden);
        QCOMPARE(golden[u"widgets"].toObject().size(), 66);
    }

    // pipfall-replay plays and writes the English game whatever the locale asks for
    // (tests/replay/locales.txt), as it does in the C locale.
    void staysEnglish_data() { addRows(u"replay/locales.txt"_s, {"", "locale"}); }
    void staysEnglish() {
        QFETCH(QString, locale);
        const QByteArray commands =
            contents(sourceFile(u"fuzz/corpus/over-bet-and-game-over.txt"_s));
        const auto english = replay(commands, {}, {"LC_ALL=C", "LANGUAGE="});
        const auto run = replay(commands, {}, locale.split(u' '));
        QVERIFY(english && run);
        QVERIFY(english->output.contains(QString(text::OverBet).toUtf8()));
        QCOMPARE(run->output, english->output);
    }

    // Through the window's widgets or straight to the table: the same states, byte for byte,
    // for the fuzzer's seed scripts, which click, press and choose everything there is.
    void windowAndTableAgree() {
        for (const QFileInfo& seed :
             QDir(sourceFile(u"fuzz/corpus"_s)).entryInfoList(QDir::Files)) {
            const QString script = QString::fromUtf8(contents(seed.filePath()));
            std::string window, table;
            QString errors;
            const int inWindow = runReplay(
                script, [&window](const std::string& line) { window += line; }, &errors);
            const int alone = runReplay(
                script, [&table](const std::string& line) { table += line; }, &errors,
                ReplayEngine::Mode::TableOnly);
            QVERIFY2(inWindow == 0 && alone == 0, qPrintable(seed.fileName() + u": "_s + errors));
            QVERIFY2(window == table, qPrintable(seed.fileName()));
        }
    }

    // Where the real picture loader finds a die picture: the working directory first, then the
    // game's installed data folder, with the sharp copy beside the picture read; what makes a
    // picture unreadable; and what the player is told when neither folder gives a picture.
    void load_data() {
        addRows(u"replay/pictures.txt"_s, {"", "here", "data", "read", "sharp", "reason"});
    }
    void load() {
        QFETCH(QString, here);
        QFETCH(QString, data);
        QFETCH(QString, read);
        QFETCH(QString, reason);
        const QSize size = read == u"die"   ? QImage(sourceFile(u"assets/imgdie3.bmp"_s)).size()
                           : read == u"7x5" ? QSize(7, 5)
                                            : QSize(0, 0);
        QTemporaryDir working, installed;
        QVERIFY(fill(working.path(), here));
        QVERIFY(fill(installed.path(), data));
        for (int face : {1, 2, 4, 5, 6}) // the game checks all six faces
            QVERIFY(
                QFile::copy(dieFileName(face), QDir(working.path()).filePath(dieFileName(face))));
        QVERIFY(QDir::setCurrent(working.path()));
        FilePictureLoader loader(installed.path());

        QString error;
        QCOMPARE(loader.load(u"imgdie3.bmp"_s, &error).size(), size);
        QTEST(QString(loader.loadSharp(u"imgdie3.bmp"_s).isNull() ? "no" : "yes"), "sharp");
        if (!size.isEmpty())
            return;
        reason.replace(u"DATA"_s, QDir::toNativeSeparators(installed.path()));
        QVERIFY2(error.startsWith(reason), qPrintable(error));
        // The player's message names the picture and the working directory, then why.
        const QString fault = diePictureFault(u"imgdie3.bmp"_s, error);
        QCOMPARE(checkDiePictures(loader), fault);
        QVERIFY(fault.contains(QDir::toNativeSeparators(working.path())));
        // A spoilt picture in the working directory stops the driver before its first line.
        if (here == u"-")
            return;
        const auto run = replay("up udBet\n", working.path());
        QVERIFY(run);
        QCOMPARE(run->status, 2);
        QVERIFY(run->lines.isEmpty());
        QCOMPARE(run->errors, QStringList{u"line 0: "_s + fault});
    }

    // A picture spoilt during play: the roll stops with the fault, told in the player's
    // language with its reason, whether the data folder has no copy or a spoilt one; nothing is
    // settled, and the table goes on when the picture is back.
    void badPictureInPlay_data() {
        addRows(u"replay/in-play.txt"_s, {"", "language", "data", "fault"});
    }
    void badPictureInPlay() {
        QFETCH(QString, language);
        QFETCH(QString, data);
        QFETCH(QString, fault);
        QTemporaryDir working, installed;
        for (int face = 1; face <= 6; ++face) // the six pictures, as the game's folder holds
            QVERIFY(QFile::copy(dieFileName(face), working.filePath(dieFileName(face))));
        QVERIFY(fill(installed.path(), data));
        QVERIFY(QDir::setCurrent(working.path()));
        const GameLanguage spoken(language == u"en" ? QString() : language);
        ScriptedDie die;
        die.faces = {2, 3, 2};
        FilePictureLoader pictures(installed.path());
        QtMessageBox messages;
        Platform platform{die, pictures, messages};
        FrmCPF window(platform);
        messages.setParentWindow(&window);
        const Table& t = window.table();
        TableControls& w = window.table().controls();
        w.udBet.stepUp();
        w.cmdRoll.Click.raise();
        w.cmdOneRoll.Click.raise();
        w.udOneRoll(3).stepUp();
        w.cmdEnterOR.Click.raise();
        QCOMPARE(t.bankroll(), dollars(94));
        QVERIFY(QFile::rename(dieFileName(3), u"away.bmp"_s));
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        w.cmdRoll.Click.raise();
        fault.replace(u"HERE"_s, QDir::toNativeSeparators(working.path()));
        QCOMPARE(shown, fault.replace(u"DATA"_s, QDir::toNativeSeparators(installed.path())));
        QCOMPARE(t.bankroll(), dollars(94));
        QCOMPARE(t.point(), 2);
        QCOMPARE(t.pointRolls(), 0);
        QCOMPARE(t.oneRollSpot(3), (OneRollSpot{OneRollSpot::Bet::Placed, dollars(1), false}));
        QCOMPARE(t.face(), 2);
        QVERIFY(QFile::rename(u"away.bmp"_s, dieFileName(3)));
        w.cmdRoll.Click.raise();
        QCOMPARE(t.bankroll(), dollars(104)); // the point made on the first chance, the one lost
    }
};

QTEST_MAIN(TestReplay)
#include "tst_replay.moc"
