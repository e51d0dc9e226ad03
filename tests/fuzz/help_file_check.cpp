#include "tests/fuzz/help_file_check.h"

#include "help/help_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>

namespace veltrane::fuzz {

namespace {

const QString& scratchFile() {
    static const QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("rules.txt"));
    return path;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

std::string describe(const QString& path, const QString& what) {
    return (what + QStringLiteral(" (") + path + QStringLiteral(")")).toStdString();
}

// The text must hold one character per byte: ASCII and 0xA0..0xFF as themselves, and each of
// 0x80..0x9F as a character of its own that no other byte of the file also became.
std::string checkText(const QByteArray& bytes, const QString& text) {
    if (text.size() != bytes.size()) {
        return "read " + std::to_string(text.size()) + " characters from " +
               std::to_string(bytes.size()) + " bytes";
    }
    std::array<char16_t, 32> high{};
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const char16_t shown = text[i].unicode();
        if (byte < 0x80 || byte >= 0xA0) {
            if (shown != byte) {
                return "byte " + std::to_string(byte) + " became character " +
                       std::to_string(shown);
            }
            continue;
        }
        char16_t& seen = high[byte - 0x80];
        if (seen == 0) {
            seen = shown;
        } else if (seen != shown) {
            return "byte " + std::to_string(byte) + " became two different characters";
        }
        if (shown < 0x80 || (shown >= 0xA0 && shown <= 0xFF)) {
            return "byte " + std::to_string(byte) + " became the character of another byte";
        }
    }
    for (std::size_t a = 0; a < high.size(); ++a) {
        for (std::size_t b = a + 1; b < high.size(); ++b) {
            if (high[a] != 0 && high[a] == high[b]) {
                return "bytes " + std::to_string(0x80 + a) + " and " + std::to_string(0x80 + b) +
                       " became the same character";
            }
        }
    }
    return {};
}

// The longest line as the help box would show it, counted here byte by byte: the bytes
// between two LF, less the CR of a CR LF.
qsizetype longestLine(const QByteArray& bytes) {
    qsizetype longest = 0;
    qsizetype length = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            length -= (i > 0 && bytes[i - 1] == '\r' && length > 0) ? 1 : 0;
            longest = std::max(longest, length);
            length = 0;
        } else {
            ++length;
        }
    }
    return std::max(longest, length);
}

std::string checkRead(const QByteArray& bytes) {
    const QString& path = scratchFile();
    if (!writeFile(path, bytes)) {
        return describe(path, QStringLiteral("cannot write the scratch file"));
    }
    const help::HelpFileText read = help::ReadHelpFile(path);
    if (bytes.size() > help::kMaxHelpFileBytes) {
        if (read.ok() || !read.text.isEmpty()) {
            return "a file over the size limit was read";
        }
        return {};
    }
    if (longestLine(bytes) > help::kMaxHelpLineChars) {
        if (read.error != QStringLiteral("Line too long") || !read.text.isEmpty()) {
            return "a file with a line over the limit was not refused for it";
        }
        return {};
    }
    if (!read.ok()) {
        return "a readable file was refused: " + read.error.toStdString();
    }
    if (std::string fault = checkText(bytes, read.text); !fault.empty()) {
        return fault;
    }
    if (help::DecodeWindows1252(bytes) != read.text) {
        return "the file read differs from its bytes decoded";
    }
    return {};
}

QByteArray repeatedTo(const QByteArray& pattern, qsizetype size) {
    QByteArray bytes;
    bytes.reserve(size);
    while (bytes.size() < size) {
        bytes.append(pattern.left(size - bytes.size()));
    }
    return bytes;
}

} // namespace

std::string CheckHelpFile(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (size > 1 && data[0] == 0xFF) {
        const QByteArray pattern = bytes.mid(1);
        for (const qsizetype total : {help::kMaxHelpFileBytes, help::kMaxHelpFileBytes + 1}) {
            if (std::string fault = checkRead(repeatedTo(pattern, total)); !fault.empty()) {
                return "at " + std::to_string(total) + " bytes: " + fault;
            }
        }
        return {};
    }
    return checkRead(bytes);
}

} // namespace veltrane::fuzz
