// No growth: resident memory over long random play at one table, and over many closings
// and rebuildings of the table window, stays within 2 MB of where it stood after a warm-up.
// CI runs a shortened version; the full one is
//
//   PIPFALL_MEMORY_ACTIONS=1000000 PIPFALL_MEMORY_REBUILDS=1000 tests/tst_abuse_memory
//
// Under the sanitizers resident memory measures AddressSanitizer's own bookkeeping: the runs
// are made all the same, for LeakSanitizer to look at when the program ends, but not measured.

#include "abuse/randomplayer.h"

#include "ui/frmcpf.h"
#include "ui/windows.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

#include <unistd.h>

namespace {

#ifdef PIPFALL_SANITIZED
constexpr bool kMeasure = false;
#else
constexpr bool kMeasure = true;
#endif
constexpr std::int64_t kActions = 150'000;
constexpr std::int64_t kRebuilds = 100;
constexpr qint64 kAllowedGrowth = 2 * 1024 * 1024;

qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages.at(1).toLongLong() * ::sysconf(_SC_PAGESIZE) : -1;
}

std::int64_t setting(const char* name, std::int64_t fallback) {
    bool ok = false;
    const std::int64_t value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok && value > 0 ? value : fallback;
}

void flushEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QString megabytes(qint64 bytes) {
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 2) +
           QStringLiteral(" MB");
}

// A plain platform for windows that come and go: a random die, one picture for every face,
// message boxes answered with OK.
class RandomDie final : public DieSource {
public:
    void randomize() override {}
    std::optional<float> next() override { return std::uniform_real_distribution<float>()(rng); }
    std::mt19937 rng{5};
};
class OnePicture final : public PictureLoader {
public:
    OnePicture() { picture.fill(Qt::white); }
    QImage load(const QString&, QString*) override { return picture; }
    QImage picture{39, 39, QImage::Format_RGB888};
};
class AnswerOk final : public MessageBox {
public:
    int show(const QString&) override { return 1; }
    void showFault(const QString& text) override { qFatal("%s", qPrintable(text)); }
};

// The offscreen platform says, for every window shown, that it cannot raise windows or
// pass size hints on: true, and nothing to do with memory.
QtMessageHandler qtHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(u"This plugin does not support"))
        return;
    qtHandler(type, context, message);
}

} // namespace

class TestAbuseMemory : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qtHandler = qInstallMessageHandler(quietHandler); }
    void cleanup() {
        flushEvents();
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void longPlayAtOneTable() {
        const std::int64_t actions = setting("PIPFALL_MEMORY_ACTIONS", kActions);
        RandomPlayer player(3);
        AbuseTable table;
        const auto play = [&](std::int64_t count) {
            for (std::int64_t n = 1; n <= count; ++n) {
                const QStringList broken = table.play(player.next());
                if (!broken.isEmpty())
                    return broken;
                if (n % 1000 == 0)
                    flushEvents();
            }
            return QStringList();
        };
        QStringList broken = play(std::max<std::int64_t>(20000, actions / 5));
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));
        const qint64 start = residentBytes();
        QStringList along;
        for (int tenth = 0; tenth < 10; ++tenth) {
            broken = play(actions / 10);
            QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));
            along << megabytes(residentBytes());
        }
        const qint64 end = residentBytes();
        qInfo("%lld actions: resident %s after the warm-up, %s at the end (%+lld bytes); along "
              "the way %s",
              static_cast<long long>(actions), qPrintable(megabytes(start)),
              qPrintable(megabytes(end)), static_cast<long long>(end - start),
              qPrintable(along.join(QStringLiteral(", "))));
        if (kMeasure)
            QVERIFY2(end - start < kAllowedGrowth, qPrintable(megabytes(end - start)));
    }

    // Closing the table destroys it; it comes back new, from the Help window's BACK TO GAME
    // or from the program, as the player left it each time.
    void closeAndRebuildTheTable() {
        const std::int64_t rebuilds = setting("PIPFALL_MEMORY_REBUILDS", kRebuilds);
        RandomDie die;
        OnePicture pictures;
        AnswerOk messages;
        Platform platform{die, pictures, messages};
        Windows windows(platform);
        RandomPlayer player(9);
        windows.showRules();
        const auto cycle = [&](std::int64_t n) {
            if (n % 2 == 0) {
                windows.showTable();
            } else {
                // BACK TO GAME builds the table and closes the rules window; open it again.
                windows.rules()->cmdBack_Click();
                flushEvents();
                windows.showRules();
            }
            FrmCPF* table = windows.table();
            if (table == nullptr)
                return false;
            for (int i = 0; i < 40; ++i) {
                const PlayerCommand& command = playerCommands().at(player.next().command);
                deliver(*table, command.action, command.name);
            }
            table->close();
            flushEvents();
            return windows.table() == nullptr;
        };
        for (std::int64_t n = 0; n < std::max<std::int64_t>(200, rebuilds / 5); ++n)
            QVERIFY(cycle(n));
        const qint64 start = residentBytes();
        QStringList along;
        for (std::int64_t n = 1; n <= rebuilds; ++n) {
            QVERIFY2(cycle(n), "the closed table was not destroyed");
            if (n % std::max<std::int64_t>(1, rebuilds / 10) == 0)
                along << megabytes(residentBytes());
        }
        const qint64 end = residentBytes();
        qInfo("%lld closings and rebuildings: resident %s after the warm-up, %s at the end "
              "(%+lld bytes); along the way %s",
              static_cast<long long>(rebuilds), qPrintable(megabytes(start)),
              qPrintable(megabytes(end)), static_cast<long long>(end - start),
              qPrintable(along.join(QStringLiteral(", "))));
        if (kMeasure)
            QVERIFY2(end - start < kAllowedGrowth, qPrintable(megabytes(end - start)));
    }
};

QTEST_MAIN(TestAbuseMemory)
#include "tst_abuse_memory.moc"
