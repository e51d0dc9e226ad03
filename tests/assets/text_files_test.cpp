// The Rules and About texts: Windows-1252 with CR LF line ends, as the help window shows them
// byte for byte, and the About copy beside the executables carrying the configured web address.

#include "veltrane_config.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const fs::path sourceAssets = fs::path(VELTRANE_SOURCE_DIR) / "assets";
const fs::path binFolder = VELTRANE_BIN_DIR;
const std::string defaultAddress = VELTRANE_DEFAULT_WEB_ADDRESS;

std::string readBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Every line ends in CR LF, the last one too; every byte is a Windows-1252 character.
void expectHelpText(const std::string& text, const std::string& name) {
    ASSERT_GE(text.size(), 2u) << name;
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << name << " lacks its final line end";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\r') {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n')
                << name << ": bare CR at byte " << i;
        } else if (byte == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << name << ": bare LF at byte " << i;
        } else {
            EXPECT_TRUE(byte >= 0x20 || byte == '\t') << name << ": control byte at " << i;
            EXPECT_FALSE(byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
                         byte == 0x90 || byte == 0x9D)
                << name << ": byte " << int(byte) << " at " << i << " is not Windows-1252";
        }
    }
}

fs::path freshFolder(const std::string& name) {
    fs::path folder =
        fs::temp_directory_path() / ("veltrane_" + name + "_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// Runs the build's copy of the About text as the build does, quietly.
int writeAboutCopy(const fs::path& destination, const std::string& address) {
    const std::string command =
        std::string("'") + VELTRANE_CMAKE + "' '-DSOURCE=" + (sourceAssets / "orvik.txt").string() +
        "' '-DDEST=" + destination.string() + "' '-DADDRESS=" + address + "' -P '" +
        (sourceAssets / "files.cmake").string() + "' >/dev/null 2>&1";
    return std::system(command.c_str());
}

TEST(HelpTexts, AreWindows1252WithCrLfLineEnds) {
    for (const char* name : {"rules.txt", "orvik.txt"})
        expectHelpText(readBytes(sourceAssets / name), name);
}

TEST(HelpTexts, AboutNamesThisVersionAndTheMakersAddress) {
    const std::string about = readBytes(sourceAssets / "orvik.txt");
    EXPECT_NE(about.find(std::string("Version ") + VELTRANE_VERSION + "\r\n"), std::string::npos);
    EXPECT_NE(about.find("Orvik"), std::string::npos);
    EXPECT_NE(about.find(defaultAddress), std::string::npos);
}

TEST(HelpTexts, LieBesideTheExecutablesWithTheConfiguredAddress) {
    ASSERT_TRUE(fs::is_regular_file(binFolder / "rules.txt"));
    ASSERT_TRUE(fs::is_regular_file(binFolder / "orvik.txt"));
    EXPECT_TRUE(readBytes(binFolder / "rules.txt") == readBytes(sourceAssets / "rules.txt"));
    const std::string expected =
        replaced(readBytes(sourceAssets / "orvik.txt"), defaultAddress, VELTRANE_WEB_ADDRESS);
    EXPECT_TRUE(readBytes(binFolder / "orvik.txt") == expected);
}

TEST(AboutCopy, KeepsEveryByteButTheAddress) {
    const fs::path folder = freshFolder("about");
    const std::string committed = readBytes(sourceAssets / "orvik.txt");

    ASSERT_EQ(writeAboutCopy(folder / "same.txt", defaultAddress), 0);
    EXPECT_TRUE(readBytes(folder / "same.txt") == committed);

    const std::string own = "https://cards.example.org/";
    ASSERT_EQ(writeAboutCopy(folder / "own" / "orvik.txt", own), 0);
    const std::string copy = readBytes(folder / "own" / "orvik.txt");
    EXPECT_TRUE(copy == replaced(committed, defaultAddress, own));
    EXPECT_EQ(copy.find(defaultAddress), std::string::npos);
    expectHelpText(copy, "the copy with another address");
    fs::remove_all(folder);
}

TEST(AboutCopy, RefusesAnAddressTheTextCannotCarry) {
    const fs::path folder = freshFolder("about_refused");
    EXPECT_NE(writeAboutCopy(folder / "spaced.txt", defaultAddress + " two words"), 0);
    EXPECT_NE(writeAboutCopy(folder / "accented.txt", "https://k\xC3\xA4rten.example/"), 0);
    EXPECT_FALSE(fs::exists(folder / "spaced.txt"));
    EXPECT_FALSE(fs::exists(folder / "accented.txt"));
    fs::remove_all(folder);
}

} // namespace
