// pipfall-randomplay --actions N --seed S: the random player's long run, with its speed and
// the resident memory before and after (which stays flat: nothing grows with play).

#include "support/randomplay.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <QFile>

#include <cstdio>

#include <unistd.h>

namespace {

double residentMegabytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1
               ? static_cast<double>(pages.at(1).toLongLong() * ::sysconf(_SC_PAGESIZE)) / 1e6
               : 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    auto option = [&args](const char* name, qulonglong fallback) {
        const qsizetype at = args.indexOf(QLatin1String(name));
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toULongLong() : fallback;
    };
    playRandomly(1, 1000); // a warm-up, so that the first figure counts what stays
    const double before = residentMegabytes();
    QElapsedTimer clock;
    clock.start();
    const RandomPlay play =
        playRandomly(option("--seed", 1), static_cast<long>(option("--actions", 1000000)));
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    std::printf("%ld actions in %.1f s (%.0f a second): %ld rolls, %ld game overs, %ld broken "
                "banks\n",
                play.actions, seconds, static_cast<double>(play.actions) / seconds, play.rolls,
                play.gameOvers, play.bankBreaks);
    std::printf("resident memory %.2f MB before, %.2f MB after\n", before, residentMegabytes());
    if (!play.failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(play.failure));
        return 1;
    }
    return 0;
}
