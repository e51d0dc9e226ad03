#pragma once
// End-to-end test support: the desktop's own screen reader, Orca, listening to the game as a
// blind player's would, on an X session and the accessibility bus of the test's session bus.
//
// It runs with preferences and a home of its own (nothing of the machine's user is read or
// written), with no speech synthesiser behind it, and writes every utterance to its debug
// output as a line "SPEECH OUTPUT: '...'". That output goes to a terminal the test holds, so
// that Orca writes it line by line, and the test reads each utterance as it is said. Every
// wait is bounded and ends as soon as the awaited utterance has been said.

#include "x_session.h"

#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace veltrane::e2e {

class Orca {
  public:
    // Starts Orca on the session's display; throws std::runtime_error when it cannot start.
    explicit Orca(XSession& x);
    // Ends Orca and stops listening.
    ~Orca();
    Orca(const Orca&) = delete;
    Orca& operator=(const Orca&) = delete;

    // Everything said so far, one utterance each, as Orca logged it.
    std::vector<std::string> said() const;
    // How many utterances have been said so far: a mark to look from.
    std::size_t mark() const;
    // True once an utterance from the mark on satisfies the test, waiting up to timeoutMs.
    bool waitToSay(const std::function<bool(const std::string&)>& test, std::size_t from = 0,
                   int timeoutMs = 15000);
    // The same for an utterance that is exactly the text, give or take a final full stop.
    bool waitToSay(const std::string& text, std::size_t from = 0, int timeoutMs = 15000);

    // The same for any line of Orca's debug output, from a mark of logMark() on: what Orca has
    // done, such as handling a key ("KEY_PRESSED_EVENT: 'Alt_L'").
    bool waitToLog(const std::string& text, std::size_t from, int timeoutMs = 15000);
    std::size_t logMark() const;

    // Why Orca is not running, in its own words when it has ended ("Another screen reader
    // process is already running for this session": one Orca per user at a time).
    std::string whyNotRunning();

    // An utterance without the final full stop and spaces Orca puts after some of them.
    static std::string Plain(std::string utterance);

  private:
    void listen();

    QTemporaryDir home_;
    QProcess orca_;
    int terminal_ = -1;
    std::thread listener_;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::condition_variable heard_;
    std::vector<std::string> said_;
    std::vector<std::string> logged_;
};

} // namespace veltrane::e2e
