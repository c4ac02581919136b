// pipfall-replay: plays a script of player actions on the real table, headless, and
// writes the table's whole state after every action as JSON Lines.

#include "replay/replay.h"

#include <QApplication>

#include <cstdio>
#include <iostream>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pipfall"));

#ifdef _WIN32
    // The same bytes as on every other system: lines end in \n, never \r\n.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    auto write = [](const std::string& line) { std::fwrite(line.data(), 1, line.size(), stdout); };

    ReplayEngine engine(write);
    if (!engine.start()) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", qPrintable(engine.error()));
        return 2;
    }
    std::string line;
    int lineNumber = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        if (!engine.runLine(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())),
                            lineNumber)) {
            std::fflush(stdout);
            std::fprintf(stderr, "%s\n", qPrintable(engine.error()));
            return 2;
        }
    }
    std::fflush(stdout);
    return 0;
}
