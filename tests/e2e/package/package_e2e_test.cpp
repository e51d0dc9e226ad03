// The Debian package on this machine: installed with apt as a user would, answering
// --version with no display, its manual page found by man, the installed game started on a
// real X server (the splash, then Help > Rules showing the installed rules text), then purged,
// with nothing of it left behind. The package is removed again even when a check fails
// half-way. Installing needs root and a free package database; without them the test is
// skipped.

#include "game_on_x.h"
#include "help/help_file.h"
#include "waits.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

using veltrane::e2e::XSession;

namespace {

const QString kGameFolder = QStringLiteral("/usr/lib/games/veltrane");
const QString kCommand = QStringLiteral("/usr/games/veltrane");

struct ToolRun {
    int status = -1;
    QString output;
};

ToolRun run(const QString& program, const QStringList& arguments, int timeoutMs = 120000,
            const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, program + QStringLiteral(" did not finish")};
    }
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {status, QString::fromLocal8Bit(process.readAll())};
}

bool packageInstalled() {
    const ToolRun query = run(QStringLiteral("dpkg-query"),
                              {QStringLiteral("-W"), QStringLiteral("-f=${Status}"), "veltrane"});
    return query.status == 0 && query.output.contains(QStringLiteral("ok installed"));
}

// dpkg holds a write lock on its front-end lock file while it works.
bool packageDatabaseBusy() {
    const int fd = ::open("/var/lib/dpkg/lock-frontend", O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return true;
    }
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    const bool busy = ::fcntl(fd, F_SETLK, &lock) != 0;
    ::close(fd);
    return busy;
}

QString builtPackage() {
    const QDir folder(QStringLiteral(VELTRANE_PACKAGE_DIR));
    const QStringList debs = folder.entryList(
        {QStringLiteral("veltrane_" VELTRANE_VERSION "_*.deb")}, QDir::Files, QDir::Time);
    return debs.isEmpty() ? QString() : folder.filePath(debs.first());
}

// The installed package for the length of the test: purged when the test ends, however it ends.
class InstalledPackage {
  public:
    explicit InstalledPackage(const QString& deb) {
        const ToolRun install = apt({QStringLiteral("install"), deb});
        output_ = install.output;
    }
    ~InstalledPackage() {
        if (packageInstalled()) {
            purge();
        }
    }
    InstalledPackage(const InstalledPackage&) = delete;
    InstalledPackage& operator=(const InstalledPackage&) = delete;

    const QString& output() const { return output_; }
    ToolRun purge() const { return apt({QStringLiteral("purge"), QStringLiteral("veltrane")}); }

  private:
    static ToolRun apt(QStringList arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DEBIAN_FRONTEND"), QStringLiteral("noninteractive"));
        arguments.prepend(QStringLiteral("--no-install-recommends"));
        arguments.prepend(QStringLiteral("-y"));
        arguments.prepend(QStringLiteral("DPkg::Lock::Timeout=120"));
        arguments.prepend(QStringLiteral("-o"));
        return run(QStringLiteral("apt-get"), arguments, 240000, env);
    }

    QString output_;
};

// The text the help window holds, as its own Copy hands it to the X clipboard.
QString copiedText(XSession& x, veltrane::e2e::WindowId help) {
    const QRect client = x.clientGeometry(help);
    x.click(client.x() + 100, client.y() + 100);
    x.keys(help, {QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c")});

    static const QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("DISPLAY", x.display().toUtf8());
    qputenv("QT_QPA_PLATFORM", "xcb");
    static int argc = 1;
    static char name[] = "package_e2e_test";
    static char* argv[] = {name, nullptr};
    const auto reader = std::make_unique<QGuiApplication>(argc, argv);
    // The copy may reach the X server before or after this reader has started.
    QClipboard* clipboard = QGuiApplication::clipboard();
    QSignalSpy changed(clipboard, &QClipboard::dataChanged);
    const QDeadlineTimer deadline(5000);
    QString text = clipboard->text();
    while (text.isEmpty() && !deadline.hasExpired() &&
           (!changed.isEmpty() || changed.wait(veltrane::e2e::RemainingMs(deadline)))) {
        changed.clear();
        text = clipboard->text();
    }
    return text;
}

TEST(Package, InstallsStartsShowsTheInstalledRulesAndPurgesWithoutATrace) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "installing the package needs root";
    }
    if (packageDatabaseBusy()) {
        GTEST_SKIP() << "the package database is in use by another program";
    }
    if (packageInstalled()) {
        GTEST_SKIP() << "veltrane is already installed on this machine; the test leaves it be";
    }
    const QString deb = builtPackage();
    ASSERT_FALSE(deb.isEmpty()) << "no veltrane_" VELTRANE_VERSION "_<arch>.deb in "
                                << VELTRANE_PACKAGE_DIR;

    QStringList installedFiles;
    {
        const InstalledPackage package(deb);
        ASSERT_TRUE(packageInstalled()) << package.output().toStdString();

        const ToolRun list = run(QStringLiteral("dpkg"), {QStringLiteral("-L"), "veltrane"});
        ASSERT_EQ(list.status, 0) << list.output.toStdString();
        for (const QString& path : list.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QFileInfo info(path);
            if (info.isSymLink() || info.isFile()) {
                installedFiles << path;
            }
        }
        for (const char* expected :
             {"/usr/games/veltrane", "/usr/lib/games/veltrane/veltrane",
              "/usr/lib/games/veltrane/rules.txt", "/usr/lib/games/veltrane/orvik.txt",
              "/usr/lib/games/veltrane/SOUND/34.WAV", "/usr/lib/games/veltrane/SOUND/APPLAUS.WAV",
              "/usr/lib/games/veltrane/veltrane-sound.so",
              "/usr/share/applications/veltrane.desktop",
              "/usr/share/icons/hicolor/256x256/apps/veltrane.png",
              "/usr/share/doc/veltrane/copyright", "/usr/share/doc/veltrane/changelog.gz",
              "/usr/share/man/man6/veltrane.6.gz"}) {
            EXPECT_TRUE(installedFiles.contains(QString::fromLatin1(expected))) << expected;
        }
        EXPECT_EQ(QFileInfo(kCommand).canonicalFilePath(),
                  kGameFolder + QStringLiteral("/veltrane"));

        // The command answers with no display at all.
        QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
        noDisplay.remove(QStringLiteral("DISPLAY"));
        noDisplay.remove(QStringLiteral("WAYLAND_DISPLAY"));
        const ToolRun version = run(kCommand, {QStringLiteral("--version")}, 20000, noDisplay);
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.output, QStringLiteral("veltrane " VELTRANE_VERSION "\n"));

        const ToolRun page = run(QStringLiteral("man"), {QStringLiteral("-w"), QStringLiteral("6"),
                                                         QStringLiteral("veltrane")});
        EXPECT_EQ(page.status, 0) << page.output.toStdString();
        EXPECT_EQ(page.output.trimmed(), QStringLiteral("/usr/share/man/man6/veltrane.6.gz"));

        QFile rules(kGameFolder + QStringLiteral("/rules.txt"));
        ASSERT_TRUE(rules.open(QIODevice::ReadOnly));
        QString expected = veltrane::help::DecodeWindows1252(rules.readAll());
        expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

        XSession x;
        QProcess& game = x.launch(kCommand);
        const auto splash = x.waitForWindowOf(game);
        ASSERT_TRUE(splash) << "the installed game showed no window";
        const QRect splashClient = x.clientGeometry(*splash);
        EXPECT_EQ(splashClient.size(), QSize(401, 405)) << "the first window is not the splash";

        veltrane::e2e::ClickIn(x, *splash, veltrane::e2e::kEnterHere);
        const auto board = x.waitForWindow(veltrane::e2e::kBoardTitle);
        ASSERT_TRUE(board) << "ENTER HERE did not open the board";
        x.keys(*board, {QStringLiteral("alt+h"), QStringLiteral("r")});
        const auto help = x.waitForWindow(veltrane::e2e::kHelpTitle);
        ASSERT_TRUE(help) << "Help > Rules opened no help window";

        const QString shown = copiedText(x, *help);
        EXPECT_EQ(shown.trimmed(), expected.trimmed())
            << "the Rules page does not show " << kGameFolder.toStdString() << "/rules.txt";

        const ToolRun purge = package.purge();
        EXPECT_EQ(purge.status, 0) << purge.output.toStdString();
    }

    EXPECT_FALSE(packageInstalled());
    const ToolRun listAfter = run(QStringLiteral("dpkg"), {QStringLiteral("-L"), "veltrane"});
    EXPECT_NE(listAfter.status, 0) << "dpkg still lists files: " << listAfter.output.toStdString();
    for (const QString& path : installedFiles) {
        EXPECT_FALSE(QFileInfo(path).exists() || QFileInfo(path).isSymLink())
            << path.toStdString() << " is left behind";
    }
    // Nothing the game wrote while it ran stays behind either: the folders are gone.
    for (const QString& folder : {kGameFolder, QStringLiteral("/usr/share/doc/veltrane")}) {
        EXPECT_FALSE(QFileInfo::exists(folder)) << "left behind: " << folder.toStdString();
    }
}

} // namespace
