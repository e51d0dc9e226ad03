#include "help/help_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrane::help {
namespace {

// 0x80..0x9F, the only rows where Windows-1252 differs from Latin-1.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

HelpFileText failure(const QString& reason) {
    return HelpFileText{QString(), reason};
}

HelpFileText failureFromErrno(int error) {
    return failure(qt_error_string(error));
}

// The same checks for the path looked at and for the file actually opened, which may differ
// if the folder changes in between.
QString refusal(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return qt_error_string(EISDIR);
    }
    if (!S_ISREG(info.st_mode)) {
        return QCoreApplication::translate("HelpFile", "Not a regular file");
    }
    if (info.st_size > kMaxHelpFileBytes) {
        return qt_error_string(EFBIG);
    }
    return {};
}

class FileCloser {
  public:
    explicit FileCloser(int fd) : fd_(fd) {}
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;
    ~FileCloser() { ::close(fd_); }

  private:
    int fd_;
};

HelpFileText createEmpty(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        // Something appeared under that name since the look, or it is a link to nowhere:
        // either way there is no file to show.
        return failureFromErrno(errno == EEXIST ? ENOENT : errno);
    }
    ::close(fd);
    return HelpFileText{};
}

// The longest line of the text, as the box shows it: the characters between two LF, less the
// CR of a CR LF.
qsizetype longestLine(QByteArrayView bytes) {
    qsizetype longest = 0;
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) {
            end = bytes.size();
        }
        qsizetype length = end - start;
        if (length > 0 && end < bytes.size() && bytes[end - 1] == '\r') {
            --length;
        }
        longest = std::max(longest, length);
        start = end + 1;
    }
    return longest;
}

} // namespace

QString DecodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char16_t{byte};
    }
    return text;
}

namespace {

// The file's bytes, or the reason they cannot be shown (text empty). A missing file is created
// empty only where the English file is asked for.
struct HelpFileBytes {
    QByteArray bytes;
    QString error;
};

HelpFileBytes readBytes(const QString& path, bool createMissing) {
    const auto failed = [](const HelpFileText& read) { return HelpFileBytes{{}, read.error}; };
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0) {
        if (errno == ENOENT && createMissing) {
            return failed(createEmpty(native));
        }
        return failed(failureFromErrno(errno));
    }
    // Never open what is not a plain file: opening a pipe would wait for a writer forever.
    if (const QString reason = refusal(info); !reason.isEmpty()) {
        return failed(failure(reason));
    }
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return failed(failureFromErrno(errno));
    }
    const FileCloser closer(fd);
    if (::fstat(fd, &info) != 0) {
        return failed(failureFromErrno(errno));
    }
    if (const QString reason = refusal(info); !reason.isEmpty()) {
        return failed(failure(reason));
    }

    // One buffer of the file's exact length, filled by one read; the loop only matters if
    // the system hands the bytes over in parts.
    QByteArray bytes(static_cast<qsizetype>(info.st_size), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got =
            ::read(fd, bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return failed(failureFromErrno(errno));
        }
        if (got == 0) {
            break; // the file was cut short while we read it
        }
        filled += got;
    }
    bytes.truncate(filled);
    if (longestLine(bytes) > kMaxHelpLineChars) {
        return failed(failure(QCoreApplication::translate("HelpFile", "Line too long")));
    }
    return HelpFileBytes{bytes, QString()};
}

} // namespace

HelpFileText ReadHelpFile(const QString& path) {
    const HelpFileBytes read = readBytes(path, true);
    return HelpFileText{read.error.isEmpty() ? DecodeWindows1252(read.bytes) : QString(),
                        read.error};
}

HelpFileText ReadHelpText(const QString& folder, const QString& name, const QString& language) {
    if (!language.isEmpty()) {
        const HelpFileBytes translated =
            readBytes(folder + QLatin1Char('/') + language + QLatin1Char('/') + name, false);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(translated.bytes);
        // Whatever keeps the translation from being shown whole is the English file's turn.
        if (translated.error.isEmpty() && !text.isEmpty() && !utf8.hasError()) {
            if (text.startsWith(QChar(0xFEFF))) {
                text.remove(0, 1);
            }
            return HelpFileText{text, QString()};
        }
    }
    return ReadHelpFile(folder + QLatin1Char('/') + name);
}

} // namespace veltrane::help
