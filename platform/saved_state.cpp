#include "platform/saved_state.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace veltrane::platform {

namespace {

QString StateFolder() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    // The desktop's base directory rules ignore a relative path.
    if (base.isEmpty() || QDir::isRelativePath(base)) {
        base = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return QDir::cleanPath(base) + QStringLiteral("/veltrane");
}

bool PlainName(const QString& key) {
    const auto printable = [](QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7f; };
    return !key.isEmpty() && key.size() <= kMaxSessionKeyLength &&
           std::all_of(key.begin(), key.end(), printable) && !key.contains(QLatin1Char('/')) &&
           !key.contains(QLatin1Char('\\')) && !key.startsWith(QLatin1Char('.')) &&
           !key.contains(QLatin1String(".."));
}

} // namespace

QString SessionStateFile(const QString& key) {
    return PlainName(key) ? StateFolder() + QStringLiteral("/session-") + key : QString();
}

QString WriteStateFile(const QString& path, const QByteArray& bytes) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        if (!QDir().mkpath(folder)) {
            return QCoreApplication::translate("Session", "the folder %1 cannot be made")
                .arg(folder);
        }
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return {};
}

StateFileRead ReadStateFile(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return {};
    }
    // Only a regular file: a pipe put in its place would hold the start up for ever.
    if (!info.isFile()) {
        return {false, {}, QCoreApplication::translate("Session", "it is not a file")};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {false, {}, file.errorString()};
    }
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        return {false, {}, file.errorString()};
    }
    return {true, std::move(bytes), {}};
}

QStringList DiscardCommand(const QString& path) {
    return {QStringLiteral("rm"), QStringLiteral("-f"), QStringLiteral("--"), path};
}

} // namespace veltrane::platform
