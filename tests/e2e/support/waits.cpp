#include "waits.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <poll.h>
#include <stdexcept>
#include <sys/inotify.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace veltrane::e2e {
namespace {

// A file descriptor closed with its owner; -1 when there is none.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

  private:
    int fd_;
};

// A descriptor that becomes readable when the program ends; none when it has ended already.
Descriptor endOf(const QProcess& program) {
    if (program.state() == QProcess::NotRunning) {
        return Descriptor(-1);
    }
    // Through syscall(): the C library's own header for it lacks C linkage in Debian 12.
    const auto fd =
        static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(program.processId()), 0u));
    if (fd < 0 && errno != ESRCH) {
        throw std::runtime_error("cannot watch for the end of a program");
    }
    return Descriptor(fd);
}

void discardAll(int fd) {
    std::array<char, 4096> buffer{};
    while (::read(fd, buffer.data(), buffer.size()) > 0) {
    }
}

} // namespace

void StopProgram(QProcess& program, int graceMs) {
    if (program.state() == QProcess::NotRunning) {
        return;
    }
    program.terminate();
    if (!program.waitForFinished(graceMs)) {
        program.kill();
        program.waitForFinished(graceMs);
    }
}

int RemainingMs(const QDeadlineTimer& deadline) {
    return static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 0, INT_MAX));
}

bool WaitOnFolder(const QString& folder, const std::function<bool()>& holds, int timeoutMs,
                  const QProcess* program) {
    const QDeadlineTimer deadline(timeoutMs);
    // The watch is set before the first question, so that no change between the two is missed.
    const Descriptor changes(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    if (!changes.valid() ||
        ::inotify_add_watch(changes.get(), QFile::encodeName(folder).constData(),
                            IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO | IN_DELETE |
                                IN_ATTRIB) < 0) {
        throw std::runtime_error("cannot watch the folder " + folder.toStdString());
    }
    const Descriptor end = program != nullptr ? endOf(*program) : Descriptor(-1);
    bool ended = program != nullptr && !end.valid();
    for (;;) {
        if (holds()) {
            return true;
        }
        if (ended || deadline.hasExpired()) {
            return false;
        }
        std::array<pollfd, 2> watched{{{changes.get(), POLLIN, 0}, {end.get(), POLLIN, 0}}};
        if (::poll(watched.data(), end.valid() ? 2 : 1, RemainingMs(deadline)) < 0 &&
            errno != EINTR) {
            throw std::runtime_error("cannot wait for the folder " + folder.toStdString());
        }
        discardAll(changes.get());
        // After the end, one more question: the program's last words may have been what counts.
        ended = (watched[1].revents & POLLIN) != 0;
    }
}

} // namespace veltrane::e2e
