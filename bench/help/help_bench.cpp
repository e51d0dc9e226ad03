// How long the help window takes to show a help file, and to answer the keyboard over it, for
// the largest and slowest files it accepts. It writes each file as rules.txt beside itself,
// opens the Rules page as the Help menu does and measures, on the window's own thread, the
// time from opening to the drawn page and the slowest of a round of keys (Ctrl+End, Page Up,
// Page Down, Tab, Ctrl+Home). Wall-clock time depends on what else the machine is doing; the
// thread's processor time is what an idle machine would take.
//
//     build/bench/help/help_bench

#include "game/game_state.h"
#include "help/frm_help.h"
#include "help/help_file.h"
#include "platform/program_folder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <utility>
#include <vector>

namespace {

using veltrane::help::kMaxHelpFileBytes;
using veltrane::help::kMaxHelpLineChars;

double threadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Cost {
    double wallMs = 0;
    double cpuMs = 0;
};

template <typename Step> Cost measure(Step step) {
    QElapsedTimer wall;
    wall.start();
    const double cpu = threadMs();
    step();
    return {static_cast<double>(wall.nsecsElapsed()) / 1e6, threadMs() - cpu};
}

// Lines made of the pattern repeated to the given length, each ended by CR LF, up to the file
// size (the last line cut short).
QByteArray linesOf(const QByteArray& pattern, qsizetype lineLength, qsizetype fileSize) {
    QByteArray line;
    while (line.size() < lineLength) {
        line += pattern;
    }
    line.truncate(lineLength);
    line += "\r\n";
    QByteArray bytes;
    while (bytes.size() < fileSize) {
        bytes += line;
    }
    bytes.truncate(fileSize);
    return bytes;
}

void drawNow(QWidget* window) {
    window->repaint();
    QApplication::processEvents();
}

struct Result {
    Cost open;
    Cost worstKey;
};

Result run(const QByteArray& bytes) {
    {
        QFile file(veltrane::platform::ProgramFolder() + QStringLiteral("/rules.txt"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write rules.txt beside the benchmark\n");
            std::exit(1);
        }
    }
    veltrane::GameState state;
    state.HelpTopic = 0;
    frm_help* window = nullptr;
    Result result;
    result.open = measure([&] {
        window = new frm_help(state);
        window->show();
        if (!QTest::qWaitForWindowActive(window)) {
            std::fprintf(stderr, "the help window did not become active\n");
            std::exit(1);
        }
        drawNow(window);
    });
    if (window->helpText().size() != bytes.size()) {
        std::fprintf(stderr, "the help window refused a file it should take\n");
        std::exit(1);
    }
    auto* text = window->findChild<QPlainTextEdit*>(QStringLiteral("txt_help"));
    text->setFocus();
    const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
        {Qt::Key_End, Qt::ControlModifier}, {Qt::Key_PageUp, Qt::NoModifier},
        {Qt::Key_PageDown, Qt::NoModifier}, {Qt::Key_Home, Qt::ControlModifier},
        {Qt::Key_PageDown, Qt::NoModifier}, {Qt::Key_Tab, Qt::NoModifier}};
    for (const auto& press : keys) {
        const Qt::Key key = press.first;
        const Qt::KeyboardModifiers modifiers = press.second;
        QWidget* target =
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window;
        const Cost cost = measure([&] {
            QTest::keyClick(target, key, modifiers);
            drawNow(window);
        });
        result.worstKey.wallMs = std::max(result.worstKey.wallMs, cost.wallMs);
        result.worstKey.cpuMs = std::max(result.worstKey.cpuMs, cost.cpuMs);
    }
    delete window;
    return result;
}

QtMessageHandler qtDefault = nullptr;

// The offscreen platform reports each window operation it cannot perform; those reports say
// nothing about the figures.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support"))) {
        qtDefault(type, context, message);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qtDefault = qInstallMessageHandler(quietOffscreen);
    QApplication app(argc, argv);

    QFile real(QStringLiteral(VELTRANE_RULES_FILE));
    if (!real.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", VELTRANE_RULES_FILE);
        return 1;
    }
    const QByteArray words("lorem ipsum dolor sit amet ");
    const std::vector<std::pair<const char*, QByteArray>> files = {
        {"the game's own rules.txt", real.readAll()},
        {"nothing but line breaks, largest size", linesOf("", 0, kMaxHelpFileBytes)},
        {"lines of 80 characters, largest size", linesOf(words, 78, kMaxHelpFileBytes)},
        {"one longest line, no break in it", linesOf("x", kMaxHelpLineChars, kMaxHelpLineChars)},
        {"one longest line of words", linesOf(words, kMaxHelpLineChars, kMaxHelpLineChars)},
        {"longest lines, no break in them, largest size",
         linesOf("x", kMaxHelpLineChars, kMaxHelpFileBytes)},
        {"longest lines of words, largest size",
         linesOf(words, kMaxHelpLineChars, kMaxHelpFileBytes)},
    };

    std::printf("help window, limits %lld bytes and %lld characters a line\n",
                static_cast<long long>(kMaxHelpFileBytes),
                static_cast<long long>(kMaxHelpLineChars));
    std::printf("%-48s %9s %21s %21s\n", "file", "bytes", "open: wall / cpu ms",
                "worst key: wall / cpu");
    Cost worst;
    for (const auto& [name, bytes] : files) {
        run(bytes); // once to warm the font caches
        const Result r = run(bytes);
        std::printf("%-48s %9lld %10.1f / %8.1f %10.1f / %8.1f\n", name,
                    static_cast<long long>(bytes.size()), r.open.wallMs, r.open.cpuMs,
                    r.worstKey.wallMs, r.worstKey.cpuMs);
        worst.wallMs = std::max({worst.wallMs, r.open.wallMs, r.worstKey.wallMs});
        worst.cpuMs = std::max({worst.cpuMs, r.open.cpuMs, r.worstKey.cpuMs});
    }
    std::printf("worst case: %.1f ms wall, %.1f ms processor time (the aim: under 500)\n",
                worst.wallMs, worst.cpuMs);
    QFile::remove(veltrane::platform::ProgramFolder() + QStringLiteral("/rules.txt"));
    return 0;
}
