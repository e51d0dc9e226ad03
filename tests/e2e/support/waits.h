#pragma once
// Bounded waits on what the machine reports: files of a folder changing, a program ending. A
// condition is checked at once and again only when something happened, never after a set time.

#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <functional>

namespace veltrane::e2e {

// Ends a program that may still run: asks it to end, and kills it when it has not within graceMs.
void StopProgram(QProcess& program, int graceMs = 5000);

// The milliseconds left before the deadline, for calls that take a time-out: 0 once it passed.
int RemainingMs(const QDeadlineTimer& deadline);

// Waits up to timeoutMs until `holds` is true. It is asked at once, then each time a file of the
// folder appears, is written, closed, renamed or removed, and once more when the program (if one
// is given) has ended. False when the time ran out, or the program ended, before it held.
bool WaitOnFolder(const QString& folder, const std::function<bool()>& holds, int timeoutMs,
                  const QProcess* program = nullptr);

} // namespace veltrane::e2e
