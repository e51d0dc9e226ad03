#pragma once
// The one file the game writes: the game in progress, kept for a session manager in the game's
// own state folder, $XDG_STATE_HOME/veltrane (by default ~/.local/state/veltrane), one file per
// session key. The key comes from the command line and from the session manager, so it is input:
// it names a file only when it is a plain, printable name, and then one inside that folder.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace veltrane::platform {

inline constexpr qsizetype kMaxSessionKeyLength = 200;

// The file that keeps a session's game; empty for a key that names no file: an empty one, one
// longer than kMaxSessionKeyLength, one with anything but printable ASCII (control characters
// and spaces included), a slash or a backslash, a leading dot or "..".
QString SessionStateFile(const QString& key);

// Replaces the file with the bytes in one step, through a temporary file renamed over it, so
// that a crash or a full disk leaves the old file whole. Makes the folder, for the user alone,
// when it is missing. Empty when written; otherwise why not.
QString WriteStateFile(const QString& path, const QByteArray& bytes);

struct StateFileRead {
    bool found = false; // a regular file that could be read
    QByteArray bytes;   // at most limit + 1 bytes: more than limit means a larger file
    QString error;      // why a file that is there could not be read
};
StateFileRead ReadStateFile(const QString& path, qint64 limit);

// The session manager's command that deletes exactly that file.
QStringList DiscardCommand(const QString& path);

} // namespace veltrane::platform
