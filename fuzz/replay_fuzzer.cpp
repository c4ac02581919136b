// libFuzzer target: any bytes, read as a script for pipfall-replay and played on the table by
// the replay engine. After every line the player's money and the table's standing states are
// checked; a broken rule aborts with the script that broke it, and AddressSanitizer and
// UndefinedBehaviorSanitizer watch everything in between.

#include "replay/replay.h"
#include "support/money.h"
#include "table/table.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Qt gets arguments of its own: the fuzzer's options are not Qt's business.
    static int argc = 1;
    static char name[] = "replay_fuzzer";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
            .split(u'\n');
    ReplayEngine engine([](const std::string&) {}, ReplayEngine::Mode::TableOnly);
    if (!engine.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(engine.error()));
        std::abort(); // the die pictures beside the fuzzer are good ones
    }
    MoneyCheck money;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString wrong = money.play(engine, lines.at(i), static_cast<int>(i + 1));
        if (wrong.isEmpty())
            continue;
        // A script error, or a roll with no face queued, ends the script; a die picture that
        // cannot be read is a fault, for the pictures are good.
        if (wrong == engine.error() && !wrong.contains(QStringLiteral("die picture")))
            return 0;
        std::fprintf(stderr, "\nAfter line %lld: %s\nThe script:\n%s\n",
                     static_cast<long long>(i + 1), qPrintable(wrong),
                     qPrintable(lines.mid(0, i + 1).join(u'\n')));
        std::abort();
    }
    return 0;
}
