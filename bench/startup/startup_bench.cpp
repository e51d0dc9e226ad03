// Start-up benchmark: the real game against a minimal Qt window built in the same tree, run in
// alternation on one virtual X server. For each start it measures the time from starting the
// process to its first window being mapped (an X event, not polling) and the peak resident
// memory once the window is up. The game's first window is the splash, and its load has loaded
// the board behind it, so the memory is that of the game ready to play. Prints medians and the
// two ratios. The game starts both under LANG=C and under LANG=de_DE.UTF-8, in alternation, and
// the German start is set against the English one: loading the translations must not show. A
// start that shows no window within 20 s, or whose program ends without one, stops
// the benchmark with what the program said, its start-up steps included.
//
//     startup_bench [ROUNDS]      (15 rounds by default)

#include "x_session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <poll.h>
#include <stdexcept>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr long long kEndCheckMs = 50;

struct Sample {
    double milliseconds;
    double cpuMilliseconds;
    double peakKiB;
};

// Watches the root window of the session's display for windows being mapped.
class MapWatcher {
  public:
    explicit MapWatcher(const QString& display) {
        connection_ = xcb_connect(display.toLatin1().constData(), nullptr);
        if (xcb_connection_has_error(connection_) != 0) {
            throw std::runtime_error("cannot connect to the virtual display");
        }
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~MapWatcher() { xcb_disconnect(connection_); }
    MapWatcher(const MapWatcher&) = delete;
    MapWatcher& operator=(const MapWatcher&) = delete;

    void drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            std::free(event);
        }
    }

    // True when a top-level window (not a menu or tooltip) was mapped before the deadline;
    // false at the deadline, or as soon as the program has ended without one: a program that
    // crashed or was killed from outside is not a program that is slow to show its window.
    bool waitForMap(Clock::time_point deadline, QProcess& program) {
        const int fd = xcb_get_file_descriptor(connection_);
        for (;;) {
            // Whether it has ended is asked before the events are read, so that a window mapped
            // just before the end still counts.
            const bool ended =
                program.state() == QProcess::NotRunning || program.waitForFinished(0);
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const bool mapped =
                    (event->response_type & 0x7F) == XCB_MAP_NOTIFY &&
                    reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect == 0;
                std::free(event);
                if (mapped) {
                    return true;
                }
            }
            if (ended) {
                return false;
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) {
                return false;
            }
            // The X connection wakes the wait; the short step notices the program's end.
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, static_cast<int>(std::min<long long>(left.count(), kEndCheckMs)));
        }
    }

  private:
    xcb_connection_t* connection_;
};

// Processor time all threads of the process have used so far; less disturbed than the wall
// clock when other work shares the machine.
double cpuMilliseconds(qint64 pid) {
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    double total = 0;
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (stat.open(QIODevice::ReadOnly)) {
            total += stat.readAll().split(' ').front().toDouble() / 1e6;
        }
    }
    return total;
}

double peakResidentKiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').front().toDouble();
        }
    }
    return 0;
}

Sample startOnce(veltrane::e2e::XSession& x, MapWatcher& watcher, const QString& program,
                 const QString& lang = QStringLiteral("C")) {
    watcher.drain();
    const Clock::time_point start = Clock::now();
    QProcess& process = x.launch(program, {}, lang);
    if (!watcher.waitForMap(start + std::chrono::seconds(20), process)) {
        const QString after =
            QString::number(std::chrono::duration<double>(Clock::now() - start).count(), 'f', 1);
        QString what = QStringLiteral("no window appeared: ") + program;
        if (process.state() != QProcess::NotRunning) {
            what += QStringLiteral(" is still running after 20 s");
        } else if (process.exitStatus() == QProcess::CrashExit) {
            // For a program that did not exit by itself, the code is the signal that ended it.
            what += QStringLiteral(" was ended by signal %1 after %2 s")
                        .arg(process.exitCode())
                        .arg(after);
        } else {
            what += QStringLiteral(" exited with status %1 after %2 s")
                        .arg(process.exitCode())
                        .arg(after);
        }
        what +=
            QStringLiteral("; it said:\n") + QString::fromLocal8Bit(process.readAllStandardError());
        throw std::runtime_error(what.toStdString());
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const double cpu = cpuMilliseconds(process.processId());
    // Let the first paint and the start-up work behind it finish before reading the peak.
    QThread::msleep(300);
    const double peak = peakResidentKiB(process.processId());
    process.kill();
    process.waitForFinished(5000);
    return {ms, cpu, peak};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    // The game then writes each step of its start to its error output, which a failed start
    // prints: a start that shows no window can be placed between two steps.
    qputenv("VELTRANE_STARTUP_TRACE", "1");
    try {
        veltrane::e2e::XSession x;
        MapWatcher watcher(x.display());
        const QString game = QStringLiteral(VELTRANE_EXECUTABLE);
        const QString minimal = QStringLiteral(MINIMAL_WINDOW_EXECUTABLE);
        // The three starts measured, each with its desktop language.
        struct Run {
            const char* label;
            QString program;
            QString lang;
            std::vector<double> ms, cpu, kib;
        };
        std::vector<Run> runs = {{"veltrane", game, QStringLiteral("C"), {}, {}, {}},
                                 {"veltrane (de)", game, QStringLiteral("de_DE.UTF-8"), {}, {}, {}},
                                 {"minimal window", minimal, QStringLiteral("C"), {}, {}, {}}};
        // One start of each, unmeasured, so all find their files in the page cache.
        for (const Run& run : runs) {
            startOnce(x, watcher, run.program, run.lang);
        }
        for (int round = 0; round < rounds; ++round) {
            // Rotate which goes first, so none always follows the same one.
            for (std::size_t turn = 0; turn < runs.size(); ++turn) {
                Run& run = runs.at((turn + static_cast<std::size_t>(round)) % runs.size());
                const Sample s = startOnce(x, watcher, run.program, run.lang);
                run.ms.push_back(s.milliseconds);
                run.cpu.push_back(s.cpuMilliseconds);
                run.kib.push_back(s.peakKiB);
            }
        }

        std::printf("start-up to first window mapped, %d starts each (medians; fastest)\n", rounds);
        std::printf("                  wall ms  fastest ms   cpu ms   peak RSS KiB\n");
        for (const Run& run : runs) {
            std::printf("  %-14s %8.1f  %10.1f  %7.1f  %13.0f\n", run.label, median(run.ms),
                        *std::min_element(run.ms.begin(), run.ms.end()), median(run.cpu),
                        median(run.kib));
        }
        const Run& english = runs.at(0);
        const Run& german = runs.at(1);
        const Run& plain = runs.at(2);
        const auto ratio = [](const std::vector<double>& a, const std::vector<double>& b) {
            return median(a) / median(b);
        };
        const auto fastest = [](const std::vector<double>& v) {
            return *std::min_element(v.begin(), v.end());
        };
        std::printf("  time ratio     %8.2f  %10.2f  %7.2f   (target <= 1.30)\n",
                    ratio(english.ms, plain.ms), fastest(english.ms) / fastest(plain.ms),
                    ratio(english.cpu, plain.cpu));
        std::printf("  memory ratio   %8.2f   (target <= 1.40)\n", ratio(english.kib, plain.kib));
        std::printf("  German/English %8.3f  %10.3f  %7.3f   (target <= 1.05)\n",
                    ratio(german.ms, english.ms), fastest(german.ms) / fastest(english.ms),
                    ratio(german.cpu, english.cpu));
        std::printf("  German memory  %+8.0f KiB   (target <= +1024)\n",
                    median(german.kib) - median(english.kib));
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "startup_bench: %s\n", e.what());
        return 1;
    }
}
