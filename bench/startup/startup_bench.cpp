// Start-up benchmark: the real game against a minimal Qt window built in the same tree, run in
// alternation on one virtual X server, and the game once more as a session manager restarts it,
// with a saved game to lay out behind the splash. For each start it measures the time from
// starting the process to its first window being mapped (an X event, not polling) and the peak
// resident memory once the window is up. The game's first window is the splash, and its load has
// loaded the board behind it, so the memory is that of the game ready to play. Prints medians,
// the two ratios and what the saved game adds. The game also starts under LANG=de_DE.UTF-8 (the
// others under LANG=C), and the German start is set against the English one: loading the
// translations must not show. A start that shows no window within 20 s, or whose
// program ends without one, stops the benchmark with what the program said, its start-up steps
// included.
//
//     startup_bench [ROUNDS]      (15 rounds by default)

#include "x_session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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
                 const QStringList& arguments = {}, const QString& lang = QStringLiteral("C")) {
    watcher.drain();
    const Clock::time_point start = Clock::now();
    QProcess& process = x.launch(program, arguments, lang);
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
    // A restart must have laid out its saved game, or it measured a fresh start.
    if (!arguments.isEmpty() && !process.readAllStandardError().contains("saved game restored")) {
        throw std::runtime_error("the saved game was not restored");
    }
    return {ms, cpu, peak};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

// A game under way, as a session manager's save leaves it for the restart.
const char* const kSavedGame =
    "veltrane saved game 1\n"
    "deal AS AD AC AH 5S 6S 7S 8S 9S 10S JS QS KS 2S 2D 3D 4D 5D 6D 7D 8D 9D 10D JD QD KD 3S 2C 3C "
    "4C 5C 6C 7C 8C 9C 10C JC QC KC 4S 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH\n"
    "foundations 3S 3D AH AC\n"
    "slots 5S 6S 7S 8S 9S 10S JS QS KS - - - 4D 5D 6D 7D\n"
    "stock 2C 3C 4C 5C 6C 7C 8C 9C 10C JC QC KC 4S 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH\n"
    "waste 8D 9D 10D JD QD KD\n"
    "passes 0\n";

struct Contender {
    const char* name;
    QString program;
    QStringList arguments;
    std::vector<double> ms, cpu, kib;
    QString lang = QStringLiteral("C");
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    // The game then writes each step of its start to its error output, which a failed start
    // prints: a start that shows no window can be placed between two steps.
    qputenv("VELTRANE_STARTUP_TRACE", "1");
    try {
        // The saved game of the restart, in a state folder of the benchmark's own.
        const QTemporaryDir state;
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
        QDir(state.path()).mkpath(QStringLiteral("veltrane"));
        QFile saved(state.filePath(QStringLiteral("veltrane/session-bench_1")));
        if (!saved.open(QIODevice::WriteOnly) || saved.write(kSavedGame) < 0 || !saved.flush()) {
            throw std::runtime_error("cannot write the saved game");
        }
        veltrane::e2e::XSession x;
        MapWatcher watcher(x.display());
        const QString game = QStringLiteral(VELTRANE_EXECUTABLE);
        std::vector<Contender> contenders = {
            {"veltrane", game, {}, {}, {}, {}},
            {"veltrane restored",
             game,
             {QStringLiteral("-session"), QStringLiteral("bench_1")},
             {},
             {},
             {}},
            {"minimal window", QStringLiteral(MINIMAL_WINDOW_EXECUTABLE), {}, {}, {}, {}},
            {"veltrane (de)", game, {}, {}, {}, {}, QStringLiteral("de_DE.UTF-8")}};
        // One start of each, unmeasured, so all find the libraries in the page cache.
        for (const Contender& c : contenders) {
            startOnce(x, watcher, c.program, c.arguments, c.lang);
        }

        for (int round = 0; round < rounds; ++round) {
            // Rotate which goes first, so that none always follows another.
            for (std::size_t turn = 0; turn < contenders.size(); ++turn) {
                Contender& c =
                    contenders.at((turn + static_cast<std::size_t>(round)) % contenders.size());
                const Sample s = startOnce(x, watcher, c.program, c.arguments, c.lang);
                c.ms.push_back(s.milliseconds);
                c.cpu.push_back(s.cpuMilliseconds);
                c.kib.push_back(s.peakKiB);
            }
        }

        std::printf("start-up to first window mapped, %d starts each (medians; fastest)\n", rounds);
        std::printf("                     wall ms  fastest ms   cpu ms   peak RSS KiB\n");
        for (const Contender& c : contenders) {
            std::printf("  %-18s %8.1f  %10.1f  %7.1f  %13.0f\n", c.name, median(c.ms),
                        *std::min_element(c.ms.begin(), c.ms.end()), median(c.cpu), median(c.kib));
        }
        const Contender& plain = contenders.at(0);
        const Contender& restored = contenders.at(1);
        const Contender& minimal = contenders.at(2);
        const Contender& german = contenders.at(3);
        std::printf("  time ratio         %8.2f  %10.2f  %7.2f   (target <= 1.30)\n",
                    median(plain.ms) / median(minimal.ms),
                    *std::min_element(plain.ms.begin(), plain.ms.end()) /
                        *std::min_element(minimal.ms.begin(), minimal.ms.end()),
                    median(plain.cpu) / median(minimal.cpu));
        std::printf("  memory ratio       %8.2f   (target <= 1.40)\n",
                    median(plain.kib) / median(minimal.kib));
        std::printf(
            "  saved game adds    %8.1f ms wall, %.1f ms cpu (target: nothing measurable)\n",
            median(restored.ms) - median(plain.ms), median(restored.cpu) - median(plain.cpu));
        std::printf("  German/English     %8.3f  %10.3f  %7.3f   (target <= 1.05)\n",
                    median(german.ms) / median(plain.ms),
                    *std::min_element(german.ms.begin(), german.ms.end()) /
                        *std::min_element(plain.ms.begin(), plain.ms.end()),
                    median(german.cpu) / median(plain.cpu));
        std::printf("  German memory      %+8.0f KiB   (target <= +1024)\n",
                    median(german.kib) - median(plain.kib));
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "startup_bench: %s\n", e.what());
        return 1;
    }
}
