// libFuzzer target: any bytes, read as a script for pipfall-replay, played on the real table
// through the replay engine. After every command the table's rules are checked; a broken
// rule aborts with the script that broke it, and AddressSanitizer and
// UndefinedBehaviorSanitizer watch everything in between.

#include "invariants.h"

#include "replay/delivery.h"
#include "replay/replay.h"
#include "ui/frmcpf.h"

#include <QApplication>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>

namespace {

[[noreturn]] void brokenRule(const QStringList& script, const QStringList& broken) {
    std::fprintf(stderr, "\nA rule of the table broke after this script:\n%s\n",
                 qPrintable(script.join(u'\n')));
    for (const QString& rule : broken)
        std::fprintf(stderr, "  %s\n", qPrintable(rule));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Qt gets arguments of its own: the fuzzer's options are not Qt's business.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "replay_fuzzer";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pipfall"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::string last;
    {
        ReplayEngine engine([&last](const std::string& line) { last = line; });
        if (!engine.start()) {
            std::fprintf(stderr, "%s\n", qPrintable(engine.error()));
            std::abort(); // the die pictures beside the fuzzer are good ones
        }
        TableAuditor auditor(engine.window());
        if (const QStringList broken = auditor.betweenActions(); !broken.isEmpty())
            brokenRule({}, broken);

        static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
        std::deque<int> faces; // the faces the script queued, as the engine queues them
        QStringList script;
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString& line = lines.at(i);
            const QStringList words = line.trimmed().split(blanks, Qt::SkipEmptyParts);
            const bool command = !words.isEmpty() && !words.first().startsWith(u'#') &&
                                 words.size() == 2 && words.first() != u"die";
            const PlayerAction action = words.value(0) == u"click" ? PlayerAction::Click
                                        : words.value(0) == u"up"  ? PlayerAction::Up
                                                                   : PlayerAction::Down;
            const QString name = words.value(1);
            if (command)
                auditor.before();
            const bool draws = command && auditor.drawsDie(action, name);
            last.clear();
            if (!engine.runLine(line, static_cast<int>(i + 1))) {
                // A script error, or a roll with no face queued: the script ends here.
                if (engine.error().contains(QStringLiteral("die picture")))
                    brokenRule(script << line, {engine.error()});
                break;
            }
            script << line;
            if (!words.isEmpty() && words.first() == u"die" && words.size() == 2) {
                faces.push_back(words.at(1).toInt());
                continue;
            }
            if (!command)
                continue;
            const bool delivered = last.find("\"delivered\": true") != std::string::npos;
            // The message boxes the command showed, as the engine recorded them.
            for (const char* box : {"Your bet cannot be over your bankroll.",
                                    "Lower your bet. Bankroll insufficient."}) {
                const std::string recorded = std::string("{\"text\": \"") + box + "\", \"title\"";
                for (auto at = last.find(recorded); at != std::string::npos;
                     at = last.find(recorded, at + 1))
                    auditor.messageShown(QString::fromLatin1(box));
            }
            std::optional<int> face;
            if (draws && delivered && !faces.empty()) {
                face = faces.front();
                faces.pop_front();
            }
            const QStringList broken = auditor.after(action, name, delivered, face);
            if (!broken.isEmpty())
                brokenRule(script, broken);
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
