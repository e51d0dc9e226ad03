#include "orca.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace veltrane::e2e {

namespace {

// Speech on with no synthesiser (no speech server to start, no sound), braille and the
// windows of Orca's own off, keys not echoed: what is logged is what the game makes it say.
const char* const kSettings = R"({
  "general": {
    "enableSpeech": true, "speechServerFactory": "none", "speechFactoryModules": [],
    "enableKeyEcho": false, "enableBraille": false, "enableBrailleMonitor": false,
    "enableSound": false, "showMainWindow": false, "firstStart": false
  },
  "pronunciations": {}, "keybindings": {},
  "profiles": {"default": {"profile": ["Default", "default"]}}
}
)";

const std::string kSpeech = "SPEECH OUTPUT: '";

// The utterance of a log line, or nothing: "SPEECH OUTPUT: 'Stock push button.'{...}".
bool Utterance(const std::string& line, std::string& text) {
    const std::size_t at = line.find(kSpeech);
    if (at == std::string::npos) {
        return false;
    }
    // The voice follows the text: "'{...}", "' {...}" or "'[{...}]".
    const std::size_t start = at + kSpeech.size();
    std::size_t end = std::string::npos;
    for (const char* voice : {"'{", "' {", "'[{"}) {
        end = std::min(end, line.find(voice, start));
    }
    if (end == std::string::npos) {
        end = line.rfind('\'');
    }
    if (end == std::string::npos || end < start) {
        return false;
    }
    text = line.substr(start, end - start);
    return true;
}

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error("Orca: " + what);
}

} // namespace

Orca::Orca(XSession& x) {
    if (!home_.isValid()) {
        Fail("no home folder");
    }
    const QString prefs = home_.filePath(QStringLiteral("prefs"));
    QDir().mkpath(prefs);
    QFile settings(prefs + QStringLiteral("/user-settings.conf"));
    if (!settings.open(QIODevice::WriteOnly) || settings.write(kSettings) < 0) {
        Fail("the settings cannot be written");
    }
    settings.close();

    // A terminal, because Orca writes its debug output line by line only to a terminal.
    terminal_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (terminal_ < 0 || grantpt(terminal_) != 0 || unlockpt(terminal_) != 0) {
        Fail("no terminal");
    }
    const char* const terminalName = ptsname(terminal_);
    if (terminalName == nullptr) {
        Fail("no terminal name");
    }
    const QString debugOutput = QString::fromLocal8Bit(terminalName);
    listener_ = std::thread([this] { listen(); });

    QProcessEnvironment environment = x.environment();
    for (const char* folder : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const QString path = home_.filePath(QString::fromLatin1(folder));
        QDir().mkpath(path);
        environment.insert(QString::fromLatin1(folder), path);
    }
    orca_.setProcessEnvironment(environment);
    orca_.setProcessChannelMode(QProcess::MergedChannels);
    orca_.setStandardOutputFile(home_.filePath(QStringLiteral("output")));
    orca_.start(QStringLiteral("orca"), {QStringLiteral("--user-prefs"), prefs,
                                         QStringLiteral("--debug-file"), debugOutput});
    if (!orca_.waitForStarted(10000)) {
        stopping_ = true;
        listener_.join();
        ::close(terminal_);
        Fail("orca did not start (run scripts/deps test)");
    }
}

Orca::~Orca() {
    // Orca leaves the accessibility bus in order on SIGTERM.
    orca_.terminate();
    if (!orca_.waitForFinished(10000)) {
        orca_.kill();
        orca_.waitForFinished(5000);
    }
    stopping_ = true;
    listener_.join();
    ::close(terminal_);
}

std::string Orca::whyNotRunning() {
    if (!orca_.waitForFinished(2000)) {
        return "it runs but has said nothing";
    }
    QFile output(home_.filePath(QStringLiteral("output")));
    output.open(QIODevice::ReadOnly);
    return "it ended, saying: " + QString::fromLocal8Bit(output.readAll()).trimmed().toStdString();
}

void Orca::listen() {
    std::string pending;
    char buffer[65536];
    while (!stopping_) {
        pollfd ready{terminal_, POLLIN, 0};
        if (poll(&ready, 1, 100) <= 0 || (ready.revents & POLLIN) == 0) {
            continue;
        }
        const ssize_t got = ::read(terminal_, buffer, sizeof buffer);
        if (got <= 0) {
            continue;
        }
        pending.append(buffer, static_cast<std::size_t>(got));

        std::vector<std::string> lines;
        std::size_t end = 0;
        while ((end = pending.find('\n')) != std::string::npos) {
            lines.push_back(pending.substr(0, end));
            pending.erase(0, end + 1);
        }
        if (!lines.empty()) {
            const std::lock_guard<std::mutex> lock(mutex_);
            for (std::string& line : lines) {
                std::string text;
                if (Utterance(line, text)) {
                    said_.push_back(text);
                }
                logged_.push_back(std::move(line));
            }
            heard_.notify_all();
        }
    }
}

std::vector<std::string> Orca::said() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return said_;
}

std::size_t Orca::mark() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return said_.size();
}

bool Orca::waitToSay(const std::function<bool(const std::string&)>& test, std::size_t from,
                     int timeoutMs) {
    std::unique_lock<std::mutex> lock(mutex_);
    return heard_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        for (std::size_t i = from; i < said_.size(); ++i) {
            if (test(said_[i])) {
                return true;
            }
        }
        return false;
    });
}

bool Orca::waitToSay(const std::string& text, std::size_t from, int timeoutMs) {
    return waitToSay([&](const std::string& said) { return Plain(said) == text; }, from, timeoutMs);
}

bool Orca::waitToLog(const std::string& text, std::size_t from, int timeoutMs) {
    std::unique_lock<std::mutex> lock(mutex_);
    return heard_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        return std::any_of(
            logged_.begin() + static_cast<std::ptrdiff_t>(from), logged_.end(),
            [&](const std::string& line) { return line.find(text) != std::string::npos; });
    });
}

std::size_t Orca::logMark() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return logged_.size();
}

std::string Orca::Plain(std::string utterance) {
    while (!utterance.empty() && (utterance.back() == ' ' || utterance.back() == '.')) {
        utterance.pop_back();
    }
    return utterance;
}

} // namespace veltrane::e2e
