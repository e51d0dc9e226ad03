#pragma once
// The help text files: plain Windows-1252 text with CR LF line ends, read whole and shown
// exactly as stored. Reading never blocks and never ends the program: a file that cannot be
// read comes back as an empty text with the reason.

#include <QByteArrayView>
#include <QString>

namespace veltrane::help {

// The largest text the help box takes, and its longest line (the characters between two line
// breaks, a CR LF not counted). The box lays out a long line in time that grows with the square
// of its length, and builds its document in time that grows with the number of lines (a file of
// nothing but line breaks is the slowest for its size); within these
// limits every file shows, and the window answers the keyboard, well within half a second.
inline constexpr qint64 kMaxHelpFileBytes = qint64{256} * 1024;
inline constexpr qsizetype kMaxHelpLineChars = qsizetype{16} * 1024;

struct HelpFileText {
    QString text;  // the whole file, one character per byte; empty on failure
    QString error; // empty on success, otherwise why the file could not be read
    bool ok() const { return error.isEmpty(); }
};

// One character per byte by the Windows-1252 table. The five bytes the code page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number,
// so no byte is ever lost or merged with another.
QString DecodeWindows1252(QByteArrayView bytes);

// Reads the file at path in one piece. A missing file is created empty and read as an empty
// text, as the game has always done. A folder, a pipe, a device or any other non-regular file
// is refused without being opened, and so is a file larger than kMaxHelpFileBytes; a file with
// a line longer than kMaxHelpLineChars is refused once read ("Line too long").
HelpFileText ReadHelpFile(const QString& path);

// The help file name (rules.txt, orvik.txt) of the program folder in the player's language:
// folder/<language>/name, UTF-8 with CR LF line ends, where it reads whole as UTF-8 and is not
// empty; otherwise, as for a player with no translation, the English file folder/name as
// ReadHelpFile reads it. A translated file is never created, and its faults are never shown.
HelpFileText ReadHelpText(const QString& folder, const QString& name, const QString& language);

} // namespace veltrane::help
