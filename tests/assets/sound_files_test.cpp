// The greeting and the applause: wave files that any player reads, loud but never clipped, with
// a quarter second of silence at the end, reproduced exactly by their generator.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path sourceSounds = fs::path(VELTRANE_SOURCE_DIR) / "assets" / "SOUND";

std::string readBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

struct Wave {
    std::uint32_t format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    std::vector<std::int16_t> samples;
};

// Walks the RIFF chunks as a player does, so a stray or misplaced chunk is no excuse.
void parseWave(const std::string& bytes, Wave& wave) {
    ASSERT_GE(bytes.size(), 12u);
    ASSERT_EQ(bytes.substr(0, 4), "RIFF");
    ASSERT_EQ(bytes.substr(8, 4), "WAVE");
    ASSERT_EQ(littleEndian(bytes, 4, 4), bytes.size() - 8);
    bool haveFormat = false;
    bool haveData = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string id = bytes.substr(at, 4);
        const std::size_t size = littleEndian(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        ASSERT_LE(body + size, bytes.size()) << "chunk " << id << " runs past the end";
        if (id == "fmt ") {
            ASSERT_GE(size, 16u);
            wave.format = littleEndian(bytes, body, 2);
            wave.channels = littleEndian(bytes, body + 2, 2);
            wave.rate = littleEndian(bytes, body + 4, 4);
            wave.byteRate = littleEndian(bytes, body + 8, 4);
            wave.blockAlign = littleEndian(bytes, body + 12, 2);
            wave.bits = littleEndian(bytes, body + 14, 2);
            haveFormat = true;
        } else if (id == "data") {
            ASSERT_TRUE(haveFormat) << "data before fmt";
            ASSERT_EQ(size % 2, 0u);
            for (std::size_t i = 0; i < size; i += 2)
                wave.samples.push_back(static_cast<std::int16_t>(littleEndian(bytes, body + i, 2)));
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    ASSERT_TRUE(haveFormat);
    ASSERT_TRUE(haveData);
}

struct SoundCase {
    const char* name;
    double shortest; // seconds
    double longest;
};

class SoundFile : public testing::TestWithParam<SoundCase> {};

TEST_P(SoundFile, IsLoudMonoPcmOfItsLengthEndingInSilence) {
    const SoundCase sound = GetParam();
    Wave wave;
    ASSERT_NO_FATAL_FAILURE(parseWave(readBytes(sourceSounds / sound.name), wave));

    EXPECT_EQ(wave.format, 1u);
    EXPECT_EQ(wave.channels, 1u);
    EXPECT_EQ(wave.rate, 44100u);
    EXPECT_EQ(wave.bits, 16u);
    EXPECT_EQ(wave.blockAlign, 2u);
    EXPECT_EQ(wave.byteRate, 88200u);

    const double seconds = static_cast<double>(wave.samples.size()) / 44100.0;
    EXPECT_GE(seconds, sound.shortest);
    EXPECT_LE(seconds, sound.longest);

    const std::size_t tail = 44100 / 4;
    ASSERT_GT(wave.samples.size(), tail);
    const std::size_t soundEnd = wave.samples.size() - tail;
    for (std::size_t i = soundEnd; i < wave.samples.size(); ++i)
        ASSERT_EQ(wave.samples[i], 0) << "sample " << i << " of the closing silence";

    // A sample at either end of the range means the synthesis clipped.
    int peak = 0;
    double energy = 0.0;
    for (std::size_t i = 0; i < soundEnd; ++i) {
        const int s = wave.samples[i];
        EXPECT_GT(s, -32768) << "clipped at sample " << i;
        EXPECT_LT(s, 32767) << "clipped at sample " << i;
        peak = std::max(peak, std::abs(s));
        energy += static_cast<double>(s) * s;
    }
    const double peakDb = 20.0 * std::log10(peak / 32768.0);
    EXPECT_NEAR(peakDb, -1.0, 0.5);
    // Not one loud click in silence: the sound carries through its length.
    const double rmsDb =
        10.0 * std::log10(energy / static_cast<double>(soundEnd)) - 20.0 * std::log10(32768.0);
    EXPECT_GT(rmsDb, -30.0);
}

INSTANTIATE_TEST_SUITE_P(Assets, SoundFile,
                         testing::Values(SoundCase{"34.WAV", 0.8, 1.3},
                                         SoundCase{"APPLAUS.WAV", 2.5, 3.5}),
                         [](const testing::TestParamInfo<SoundCase>& info) {
                             return std::string(info.param.name).substr(0, 2) == "34"
                                        ? std::string("Greeting")
                                        : std::string("Applause");
                         });

TEST(SoundGenerator, ReproducesTheCommittedFilesByteForByte) {
    const fs::path folder =
        fs::temp_directory_path() / ("veltrane_soundgen_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    const std::string command =
        std::string("'") + VELTRANE_SOUNDGEN + "' '" + (folder / "SOUND").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const char* name : {"34.WAV", "APPLAUS.WAV"}) {
        const std::string made = readBytes(folder / "SOUND" / name);
        EXPECT_FALSE(made.empty()) << name;
        EXPECT_TRUE(made == readBytes(sourceSounds / name))
            << name << " differs from the committed file: run the soundgen_update target";
    }
    fs::remove_all(folder);
}

TEST(SoundFiles, LieBesideTheExecutablesAsCommitted) {
    for (const char* name : {"34.WAV", "APPLAUS.WAV"}) {
        const fs::path copy = fs::path(VELTRANE_BIN_DIR) / "SOUND" / name;
        ASSERT_TRUE(fs::is_regular_file(copy)) << copy;
        EXPECT_TRUE(readBytes(copy) == readBytes(sourceSounds / name)) << copy;
    }
}

} // namespace
