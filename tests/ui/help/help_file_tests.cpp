// Reading the help text files: every byte kept and decoded by Windows-1252, a missing file
// created empty, a translated file where it reads whole and the English one otherwise, and every
// file that cannot be read refused with a reason instead of hanging or ending the game.

#include "help/help_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace veltrane::help;

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class HelpFile : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return folder.filePath(name); }
    QTemporaryDir folder;
};

TEST(Windows1252, EveryByteBecomesItsOwnCharacter) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    const QString text = DecodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    QSet<char16_t> seen;
    for (int b = 0; b < 256; ++b) {
        seen.insert(text.at(b).unicode());
        if (b < 0x80 || b >= 0xA0) {
            EXPECT_EQ(text.at(b).unicode(), b) << b;
        }
    }
    EXPECT_EQ(seen.size(), 256) << "two bytes decode to the same character";
    EXPECT_EQ(text.at(0x80), QChar(0x20AC)); // euro sign
    EXPECT_EQ(text.at(0x85), QChar(0x2026)); // ellipsis
    EXPECT_EQ(text.at(0x92), QChar(0x2019)); // right single quote
    EXPECT_EQ(text.at(0x99), QChar(0x2122)); // trade mark
    EXPECT_EQ(text.at(0x9F), QChar(0x0178)); // Y with diaeresis
    for (int unassigned : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(text.at(unassigned).unicode(), unassigned);
    }
    EXPECT_EQ(text.at(0xA9), QChar(0x00A9));
    EXPECT_EQ(text.at(0xFF), QChar(0x00FF));
}

TEST_F(HelpFile, KeepsEveryCharacterAsStored) {
    const QByteArray bytes(
        "  \r\nFirst line  \r\n\r\n\tSecond \x93quoted\x94 \xA9\r\nno final break  ");
    writeBytes(path("rules.txt"), bytes);
    const HelpFileText read = ReadHelpFile(path("rules.txt"));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(read.text, DecodeWindows1252(bytes));
    EXPECT_EQ(read.text.size(), bytes.size());
    EXPECT_TRUE(read.text.startsWith(QStringLiteral("  \r\n")));
    EXPECT_TRUE(read.text.endsWith(QStringLiteral("no final break  ")));
    EXPECT_TRUE(read.text.contains(QStringLiteral("\u201Cquoted\u201D \u00A9")));
}

TEST_F(HelpFile, AnEmptyFileIsAnEmptyText) {
    writeBytes(path("orvik.txt"), QByteArray());
    const HelpFileText read = ReadHelpFile(path("orvik.txt"));
    EXPECT_TRUE(read.ok());
    EXPECT_TRUE(read.text.isEmpty());
}

TEST_F(HelpFile, AMissingFileIsCreatedEmptyAndStays) {
    const HelpFileText first = ReadHelpFile(path("orvik.txt"));
    EXPECT_TRUE(first.ok());
    EXPECT_TRUE(first.text.isEmpty());
    const QFileInfo created(path("orvik.txt"));
    ASSERT_TRUE(created.isFile());
    EXPECT_EQ(created.size(), 0);
    const HelpFileText second = ReadHelpFile(path("orvik.txt"));
    EXPECT_TRUE(second.ok());
    EXPECT_TRUE(second.text.isEmpty());
}

TEST_F(HelpFile, AMissingFolderGivesTheReason) {
    const HelpFileText read = ReadHelpFile(path("gone/rules.txt"));
    EXPECT_TRUE(read.text.isEmpty());
    EXPECT_EQ(read.error, QStringLiteral("No such file or directory"));
}

TEST_F(HelpFile, ALinkToNowhereIsNotFollowedToCreateItsTarget) {
    ASSERT_TRUE(QFile::link(path("elsewhere.txt"), path("rules.txt")));
    const HelpFileText read = ReadHelpFile(path("rules.txt"));
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.error, QStringLiteral("No such file or directory"));
    EXPECT_FALSE(QFileInfo::exists(path("elsewhere.txt")));
}

TEST_F(HelpFile, RefusesWhatIsNotAPlainFileWithoutOpeningIt) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("rules.txt")));
    const HelpFileText dir = ReadHelpFile(path("rules.txt"));
    EXPECT_TRUE(dir.text.isEmpty());
    EXPECT_EQ(dir.error, QStringLiteral("Is a directory"));

    // Opening a pipe with no writer would wait for ever; returning at all is the test.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("orvik.txt")).constData(), 0644), 0);
    const HelpFileText pipe = ReadHelpFile(path("orvik.txt"));
    EXPECT_EQ(pipe.error, QStringLiteral("Not a regular file"));

    const HelpFileText device = ReadHelpFile(QStringLiteral("/dev/zero"));
    EXPECT_EQ(device.error, QStringLiteral("Not a regular file"));
}

TEST_F(HelpFile, TakesAQuarterMebibyteAndNotOneByteMore) {
    // Lines of 79 characters and a CR LF, cut to the limit.
    QByteArray largest;
    while (largest.size() < kMaxHelpFileBytes) {
        largest += QByteArray(79, 'x') + "\r\n";
    }
    largest.truncate(kMaxHelpFileBytes);
    ASSERT_EQ(largest.size(), 262144);
    writeBytes(path("rules.txt"), largest);
    const HelpFileText read = ReadHelpFile(path("rules.txt"));
    EXPECT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(read.text.size(), largest.size());

    writeBytes(path("rules.txt"), largest + "x");
    const HelpFileText tooLarge = ReadHelpFile(path("rules.txt"));
    EXPECT_TRUE(tooLarge.text.isEmpty());
    EXPECT_EQ(tooLarge.error, QStringLiteral("File too large"));
}

TEST_F(HelpFile, TakesLinesOfSixteenThousandCharactersAndNotOneMore) {
    const QByteArray longest(16384, 'x');
    // The longest line anywhere: first, between others, last without a break; its CR LF and a
    // lone CR of another line do not count against it.
    for (const QByteArray& text : {longest + "\r\nshort\r\n", "a\rb\r\n" + longest + "\r\n",
                                   "\r\n\r\n" + longest, QByteArray(16383, 'y') + "\r\r\n"}) {
        writeBytes(path("rules.txt"), text);
        const HelpFileText read = ReadHelpFile(path("rules.txt"));
        EXPECT_TRUE(read.ok()) << read.error.toStdString();
        EXPECT_EQ(read.text.size(), text.size());
    }
    for (const QByteArray& text :
         {longest + "x\r\nshort\r\n", "a\r\n" + longest + "\rb\r\n", "\r\n\r\n" + longest + "x",
          QByteArray(16384, 'y') + "\r\r\n", QByteArray(20000, ' ')}) {
        writeBytes(path("rules.txt"), text);
        const HelpFileText read = ReadHelpFile(path("rules.txt"));
        EXPECT_TRUE(read.text.isEmpty());
        EXPECT_EQ(read.error, QStringLiteral("Line too long"));
    }
}

// A translated help file is read as UTF-8 where it reads whole; anything else about it, missing
// included, is the English file's turn, with no reason to show and no file created.
TEST_F(HelpFile, ATranslatedFileIsShownOnlyWhenItReadsWholeAndOtherwiseTheEnglishOne) {
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("de")));
    writeBytes(path("rules.txt"), "English \xA9\r\n");
    writeBytes(path("de/rules.txt"), "\xEF\xBB\xBF"
                                     "Deutsch \xC3\xBC \xE2\x80\x93\r\n");
    HelpFileText read = ReadHelpText(folder.path(), QStringLiteral("rules.txt"), "de");
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.text, QStringLiteral("Deutsch \u00FC \u2013\r\n"));
    EXPECT_EQ(ReadHelpText(folder.path(), QStringLiteral("rules.txt"), QString()).text,
              QStringLiteral("English \u00A9\r\n"));

    const QString english = QStringLiteral("English \u00A9\r\n");
    for (const QByteArray& bad :
         {QByteArray(), QByteArray("Deutsch \xFC\r\n"), QByteArray(kMaxHelpFileBytes + 1, 'x'),
          QByteArray(kMaxHelpLineChars + 1, 'x')}) {
        writeBytes(path("de/rules.txt"), bad);
        read = ReadHelpText(folder.path(), QStringLiteral("rules.txt"), "de");
        EXPECT_TRUE(read.ok());
        EXPECT_EQ(read.text, english);
    }
    ASSERT_TRUE(QFile::remove(path("de/rules.txt")));
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("de/rules.txt")));
    EXPECT_EQ(ReadHelpText(folder.path(), QStringLiteral("rules.txt"), "de").text, english);
    EXPECT_EQ(ReadHelpText(folder.path(), QStringLiteral("rules.txt"), "ja").text, english);
    EXPECT_FALSE(QFileInfo::exists(path("ja/rules.txt")));
}

} // namespace
