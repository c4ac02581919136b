// Bad die pictures in the working directory: the start-up check, a roll that hits one at a
// table with money on it, and pipfall-replay, all through the real picture loader.

#include "abuse/invariants.h"
#include "support/tabletest.h"

#include "replay/delivery.h"
#include "replay/replay.h"
#include "table/die.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

enum Damage { Missing, Empty, Truncated, WrongHeader, Huge, Folder, Unreadable, Fifo };

// A BMP header that claims a picture of the given size, followed by a few bytes of pixels.
QByteArray bmpHeader(int width, int height) {
    QByteArray header(54, '\0');
    auto put = [&](int at, quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            header[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    header[0] = 'B';
    header[1] = 'M';
    put(2, 54 + 16, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<quint32>(width), 4);
    put(22, static_cast<quint32>(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    return header + QByteArray(16, '\x7f');
}

bool damage(const QString& file, Damage how) {
    QFile picture(file);
    switch (how) {
    case Missing:
        return picture.remove();
    case Empty:
        return picture.resize(0);
    case Truncated:
        return picture.resize(1000);
    case WrongHeader:
        if (!picture.open(QIODevice::ReadWrite))
            return false;
        return picture.write("MB", 2) == 2;
    case Huge:
        if (!picture.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        return picture.write(bmpHeader(60000, 60000)) > 0;
    case Folder:
        return picture.remove() && QDir().mkdir(file);
    case Unreadable:
        return picture.setPermissions({});
    case Fifo:
        return picture.remove() && ::mkfifo(QFile::encodeName(file).constData(), 0644) == 0;
    }
    return false;
}

// The real table reading its die pictures from the working directory, with the auditor.
struct FileTable {
    ScriptedDie die;
    FilePictureLoader pictures;
    RecordingMessages messages;
    Platform platform{die, pictures, messages};
    FrmCPF window{platform};
    TableAuditor auditor{window};

    // Delivers the action and returns the rules the table broke. A roll is given its face;
    // fault says that the face's picture is bad, so that the roll must draw nothing.
    QStringList act(PlayerAction action, const QString& name, int face = 0, bool fault = false) {
        auditor.before();
        if (face != 0)
            die.faces.push_back(face);
        const int draws = die.draws;
        const bool delivered = deliver(window, action, name) == Delivery::Delivered;
        const bool drew = die.draws > draws;
        die.faces.clear();
        return auditor.after(action, name, delivered,
                             drew && !fault ? std::optional<int>(face) : std::nullopt, fault);
    }
    QStringList click(const QString& name, int face = 0, bool fault = false) {
        return act(PlayerAction::Click, name, face, fault);
    }
    QStringList up(const QString& name, int times) {
        QStringList broken;
        for (int i = 0; i < times; ++i)
            broken << act(PlayerAction::Up, name);
        return broken;
    }
};

// What a roll that could not draw the die must leave exactly as it was.
struct Standing {
    Currency money;
    Currency bankroll;
    std::int32_t prevBet = 0;
    int bet = 0;
    int point = 0;
    int pointRolls = 0;
    QStringList holders;

    explicit Standing(FrmCPF& window) {
        const Table& t = window.table();
        const TableWidgets& w = window.widgets();
        money = playersMoney(window);
        bankroll = t.Bankroll;
        prevBet = t.PrevBet;
        bet = w.udBet->value();
        point = t.Point;
        pointRolls = t.PointRolls;
        for (int i = 1; i <= 6; ++i)
            holders << w.lblOR(i)->caption() + u'/' + w.lblOR(i)->backColor().name();
    }
    bool operator==(const Standing&) const = default;
};

} // namespace

class TestAbusePictures : public QObject {
    Q_OBJECT
private:
    QString home_;   // the build folder, with the good pictures and pipfall-replay
    QString replay_; // pipfall-replay
    std::unique_ptr<QTemporaryDir> dir_;

    // A fresh working directory with the six good pictures.
    void enterFreshFolder() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        for (int face = 1; face <= 6; ++face)
            QVERIFY(
                QFile::copy(home_ + u'/' + dieFileName(face), dir_->filePath(dieFileName(face))));
        QVERIFY(QDir::setCurrent(dir_->path()));
    }

private slots:
    void initTestCase() {
        home_ = QDir::currentPath();
        replay_ = qEnvironmentVariable("PIPFALL_REPLAY", home_ + QStringLiteral("/pipfall-replay"));
        QVERIFY2(QFile::exists(replay_), qPrintable(replay_));
        for (int face = 1; face <= 6; ++face)
            QVERIFY(QFile::exists(dieFileName(face)));
    }
    void cleanup() {
        QDir::setCurrent(home_);
        dir_.reset();
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void badPicture_data() {
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << 3 << int(Missing) << "the file is missing";
        QTest::newRow("empty") << 2 << int(Empty) << "it is not a readable BMP picture";
        QTest::newRow("truncated")
            << 4 << int(Truncated) << "the file is cut short: it holds 1000 of the 4734 bytes";
        QTest::newRow("wrong header")
            << 1 << int(WrongHeader) << "it is not a readable BMP picture";
        QTest::newRow("60000 by 60000")
            << 6 << int(Huge) << "the picture claims an impossible size of 60000 by 60000 pixels";
        QTest::newRow("a folder") << 5 << int(Folder) << "it is not a file";
        QTest::newRow("no read permission") << 4 << int(Unreadable) << "the file cannot be opened";
        // A named pipe would block a reader for ever.
        QTest::newRow("a named pipe") << 2 << int(Fifo) << "it is not a file";
    }
    void badPicture() {
        QFETCH(int, face);
        QFETCH(int, how);
        QFETCH(QString, reason);
        if (how == Unreadable && ::geteuid() == 0)
            QSKIP("running as root, who reads every file whatever its permissions");
        enterFreshFolder();
        const QString file = dieFileName(face);
        const QString folder = QDir::toNativeSeparators(QDir::currentPath());
        const QString names = QStringLiteral("The die picture \"%1\" cannot be read from the "
                                             "folder \"%2\": ")
                                  .arg(file, folder);

        // pipfall-replay, started while the pictures were good, meets the bad one on a roll.
        ReplayEngine engine([](const std::string&) {});
        QVERIFY(engine.start());
        QVERIFY(damage(file, static_cast<Damage>(how)));
        QVERIFY(engine.runLine(QStringLiteral("up udBet"), 1));
        QVERIFY(engine.runLine(QStringLiteral("die %1").arg(face), 2));
        QVERIFY(!engine.runLine(QStringLiteral("click cmdRoll"), 3));
        QVERIFY2(engine.error().startsWith(QStringLiteral("line 3: ") + names + reason),
                 qPrintable(engine.error()));

        // The start-up check names the file, the folder and what is wrong.
        FilePictureLoader loader;
        const std::optional<QString> startFault = checkDiePictures(loader);
        QVERIFY(startFault.has_value());
        QVERIFY2(startFault->startsWith(names + reason), qPrintable(*startFault));

        // A table with a point on and one-roll bets on it, one of them on the bad face.
        FileTable table;
        const int point = face == 4 ? 5 : 4;
        const int other = face == 6 ? 1 : 6;
        QStringList broken = table.up(QStringLiteral("udBet"), 2);
        broken << table.click(QStringLiteral("cmdRoll"), point);
        broken << table.click(QStringLiteral("cmdOneRoll"));
        broken << table.up(QStringLiteral("udOneRoll(%1)").arg(face), 3);
        broken << table.up(QStringLiteral("udOneRoll(%1)").arg(other), 2);
        broken << table.click(QStringLiteral("cmdEnterOR"));
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));
        const Standing before(table.window);
        QCOMPARE(before.bankroll, dollars(85));

        QElapsedTimer clock;
        clock.start();
        broken = table.click(QStringLiteral("cmdRoll"), face, true);
        QVERIFY2(clock.elapsed() < 2000, "the roll took too long over the bad picture");
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));
        QCOMPARE(table.messages.faults.size(), 1);
        QVERIFY2(table.messages.faults.first().startsWith(names + reason),
                 qPrintable(table.messages.faults.first()));
        QVERIFY(table.messages.shown.isEmpty());
        QVERIFY(Standing(table.window) == before);

        // The table plays on: the point made on the first chance pays two-to-one.
        broken = table.click(QStringLiteral("cmdRoll"), point);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));
        QCOMPARE(table.window.table().Point, std::int16_t(0));
        QCOMPARE(table.window.table().Bankroll, dollars(85 + 20));
    }

    // pipfall-replay itself, started in a folder with the bad picture: the error line and
    // the exit status of a script error.
    void replayRefusesToStart_data() { badPicture_data(); }
    void replayRefusesToStart() {
        QFETCH(int, face);
        QFETCH(int, how);
        QFETCH(QString, reason);
        if (how == Unreadable && ::geteuid() == 0)
            QSKIP("running as root, who reads every file whatever its permissions");
        enterFreshFolder();
        QVERIFY(damage(dieFileName(face), static_cast<Damage>(how)));
        QProcess replay;
        replay.setWorkingDirectory(QDir::currentPath());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        replay.setProcessEnvironment(environment);
        replay.start(replay_, {});
        QVERIFY(replay.waitForStarted());
        replay.write("up udBet\ndie 6\nclick cmdRoll\n");
        replay.closeWriteChannel();
        QVERIFY(replay.waitForFinished(30000));
        QCOMPARE(replay.exitStatus(), QProcess::NormalExit);
        QCOMPARE(replay.exitCode(), 2);
        QVERIFY(replay.readAllStandardOutput().isEmpty());
        const QStringList errors =
            QString::fromUtf8(replay.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(!errors.isEmpty());
        const QString expected =
            QStringLiteral("line 0: The die picture \"%1\" cannot be read "
                           "from the folder \"%2\": %3")
                .arg(dieFileName(face), QDir::toNativeSeparators(QDir::currentPath()), reason);
        QVERIFY2(errors.last().startsWith(expected), qPrintable(errors.last()));
    }

    // A bad picture on the very first roll: the die, never drawn, stays hidden rather than
    // showing an empty box, and the next good face plays as usual.
    void badPictureOnFirstRoll() {
        enterFreshFolder();
        QVERIFY(damage(dieFileName(3), Missing));
        FileTable table;
        QStringList broken = table.up(QStringLiteral("udBet"), 1);
        broken << table.click(QStringLiteral("cmdRoll"), 3, true);
        QCOMPARE(table.messages.faults.size(), 1);
        QVERIFY(table.window.widgets().picdie->isHidden());
        broken << table.click(QStringLiteral("cmdRoll"), 6);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));
        QCOMPARE(table.window.table().Bankroll, dollars(100));
    }

    // A good picture of an odd size: the die box takes its size and play goes on.
    void oddSizedPicture() {
        enterFreshFolder();
        QImage odd(80, 20, QImage::Format_RGB888);
        odd.fill(Qt::red);
        QVERIFY(odd.save(dieFileName(5), "BMP"));
        FilePictureLoader loader;
        QCOMPARE(checkDiePictures(loader), std::nullopt);

        FileTable table;
        QStringList broken = table.up(QStringLiteral("udBet"), 1);
        broken << table.click(QStringLiteral("cmdRoll"), 5);
        const PictureBox& die = *table.window.widgets().picdie;
        QCOMPARE(die.size(), QSize(82, 22));
        broken << table.click(QStringLiteral("cmdRoll"), 3);
        QCOMPARE(die.size(), QSize(41, 41));
        broken << table.click(QStringLiteral("cmdRoll"), 5);
        QCOMPARE(die.pictureName(), dieFileName(5));
        QCOMPARE(table.window.table().Bankroll, dollars(100));
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));
        QVERIFY(table.messages.faults.isEmpty());

        QString errors;
        const int status = runReplay(
            QStringLiteral("up udBet\ndie 5\nclick cmdRoll\n"), [](const std::string&) {}, &errors);
        QCOMPARE(status, 0);
    }
};

QTEST_MAIN(TestAbusePictures)
#include "tst_abuse_pictures.moc"
