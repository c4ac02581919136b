// pipfall-randomplay: plays the table at random for as long as asked, checking every rule
// after every action, and prints the figures; a broken rule is cut down to a shortest
// script for pipfall-replay.
//
//   pipfall-randomplay --actions 10000000 --seed 42

#include "randomplayer.h"

#include <QApplication>

#include <cstdio>
#include <random>

namespace {

int usage() {
    std::fprintf(stderr, "usage: pipfall-randomplay [--actions N] [--seed S] [--table-actions N] "
                         "[--shrink-seconds T]\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pipfall"));

    PlayOptions options;
    options.actions = 10'000'000;
    options.seed = std::random_device{}();
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (i + 1 >= args.size())
            return usage();
        bool ok = false;
        const QString& value = args.at(i + 1);
        if (args.at(i) == u"--actions")
            options.actions = value.toLongLong(&ok);
        else if (args.at(i) == u"--seed")
            options.seed = value.toULongLong(&ok);
        else if (args.at(i) == u"--table-actions")
            options.episodeLength = value.toLongLong(&ok);
        else if (args.at(i) == u"--shrink-seconds")
            options.shrinkSeconds = value.toDouble(&ok);
        if (!ok)
            return usage();
        ++i;
    }
    if (options.actions < 0 || options.episodeLength < 1)
        return usage();

    std::fprintf(stderr, "pipfall-randomplay: %lld actions from seed %llu\n",
                 static_cast<long long>(options.actions),
                 static_cast<unsigned long long>(options.seed));
    options.progress = [](std::int64_t done) {
        if (done % 1'000'000 == 0)
            std::fprintf(stderr, "  %lld actions\n", static_cast<long long>(done));
    };
    const PlayReport report = playRandom(options);
    std::fputs(qPrintable(describe(report, options)), stdout);
    return report.failed ? 1 : 0;
}
