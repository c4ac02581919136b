#pragma once

// For the start-up benchmark (bench/run.sh). When PIPFALL_BENCH_STARTUP holds the wall-clock
// time, in nanoseconds since the epoch, at which the program was launched, the program prints
// the milliseconds from then to its first frame on the screen and quits. Without it, nothing.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>

class StartupProbe final : public QObject {
public:
    StartupProbe(long long launchedNs, QObject* parent) : QObject(parent), launched_(launchedNs) {}

    // Arms the probe on the application when the benchmark asks for it.
    static void armIfAsked() {
        bool ok = false;
        const long long launched = qEnvironmentVariable("PIPFALL_BENCH_STARTUP").toLongLong(&ok);
        if (ok)
            QCoreApplication::instance()->installEventFilter(
                new StartupProbe(launched, QCoreApplication::instance()));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            painted_ = true;
            // The window paints all its widgets and flushes the frame to the screen before
            // this posted call runs.
            QTimer::singleShot(0, this, [this] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                const long long ns =
                    std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
                std::printf("startup_ms %.3f\n", static_cast<double>(ns - launched_) / 1e6);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    long long launched_;
    bool painted_ = false;
};
