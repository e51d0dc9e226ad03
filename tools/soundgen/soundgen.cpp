// Writes the game's two sound effects: the greeting that the splash window plays and the applause
// of the win dialog, as 16-bit mono PCM wave files at 44,100 Hz.
//
//     soundgen <folder>    writes <folder>/34.WAV and <folder>/APPLAUS.WAV
//
// Everything comes from fixed seeds and plain arithmetic (no library sine or exponential, no
// standard distributions), so every machine and every run writes the same bytes.

#include "game/random_source.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr int sampleRate = 44100;
constexpr double pi = 3.14159265358979323846;
// -1 dBFS: loud, yet with a little room left before full scale.
constexpr double peakLevel = 0.89125093813374553 * 32767.0;
// A quarter second of silence ends every sound, so that playback is never cut short.
constexpr int tailSamples = sampleRate / 4;

int samplesFor(double seconds) {
    return static_cast<int>(std::lround(seconds * sampleRate));
}

// The game's own generator, whose sequence never changes with the library.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : generator_(seed) {}

    // Uniform in [0, 1), 53 bits.
    double uniform() { return static_cast<double>(generator_.next() >> 11) / 9007199254740992.0; }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

  private:
    veltrane::SplitMix64 generator_;
};

// Sine by range reduction and a Taylor series: the same result wherever it runs.
double sine(double x) {
    const double turns = x / (2.0 * pi);
    const double whole =
        static_cast<double>(static_cast<long long>(turns + (turns >= 0.0 ? 0.5 : -0.5)));
    const double r = x - whole * 2.0 * pi;
    const double r2 = r * r;
    double term = r;
    double sum = r;
    for (int n = 1; n <= 12; ++n) {
        term *= -r2 / static_cast<double>((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

double cosine(double x) {
    return sine(x + pi / 2.0);
}

// e^x by halving the argument, a short series and squaring back.
double exponential(double x) {
    int halvings = 0;
    while (x < -0.5 || x > 0.5) {
        x /= 2.0;
        ++halvings;
    }
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n <= 16; ++n) {
        term *= x / n;
        sum += term;
    }
    while (halvings-- > 0)
        sum *= sum;
    return sum;
}

// 0 at u <= 0, 1 at u >= 1, smooth in between.
double smoothStep(double u) {
    u = std::clamp(u, 0.0, 1.0);
    return u * u * (3.0 - 2.0 * u);
}

// Brings the last `seconds` of the sound down to nothing, so it meets the silence without a click.
void fadeOut(std::vector<double>& sound, double seconds) {
    const int n = samplesFor(seconds);
    const int size = static_cast<int>(sound.size());
    for (int i = 0; i < n && i < size; ++i) {
        const double u = static_cast<double>(i + 1) / n;
        sound[static_cast<std::size_t>(size - n + i)] *= 1.0 - smoothStep(u);
    }
}

// Scales the sound to peak at -1 dBFS, rounds to 16 bits and appends the silent tail.
std::vector<std::int16_t> finish(const std::vector<double>& sound) {
    double peak = 0.0;
    for (double s : sound)
        peak = std::max(peak, s < 0.0 ? -s : s);
    const double scale = peak > 0.0 ? peakLevel / peak : 0.0;
    std::vector<std::int16_t> pcm;
    pcm.reserve(sound.size() + tailSamples);
    for (double s : sound) {
        const double v = s * scale;
        pcm.push_back(static_cast<std::int16_t>(v < 0.0 ? v - 0.5 : v + 0.5));
    }
    pcm.insert(pcm.end(), tailSamples, 0);
    return pcm;
}

// The greeting: a rising arpeggio of bell-like tones, C E G C, about one second in all.
std::vector<std::int16_t> greeting() {
    struct Partial {
        double ratio;
        double level;
        double decay; // per second
    };
    const Partial partials[] = {
        {1.0, 1.0, 3.5}, {2.0, 0.38, 6.0}, {3.01, 0.14, 10.0}, {4.23, 0.06, 16.0}};
    const double notes[] = {1046.50, 1318.51, 1567.98, 2093.00};
    const double noteGap = 0.075;
    const double attack = 0.004;

    std::vector<double> sound(static_cast<std::size_t>(samplesFor(0.75)), 0.0);
    for (int k = 0; k < 4; ++k) {
        const int start = samplesFor(k * noteGap);
        // The top note rings longest and a little louder: the greeting ends on a bright note.
        const double level = k == 3 ? 1.0 : 0.8;
        const double ring = k == 3 ? 0.7 : 1.0;
        for (std::size_t i = static_cast<std::size_t>(start); i < sound.size(); ++i) {
            const double t = static_cast<double>(i - static_cast<std::size_t>(start)) / sampleRate;
            const double rise = t < attack ? t / attack : 1.0;
            double v = 0.0;
            for (const Partial& p : partials)
                v += p.level * exponential(-p.decay * ring * t) *
                     sine(2.0 * pi * notes[k] * p.ratio * t);
            sound[i] += level * rise * v;
        }
    }
    fadeOut(sound, 0.2);
    return finish(sound);
}

// A band-pass filter (constant peak gain) that gives each clap the colour of its pair of hands.
class BandPass {
  public:
    BandPass(double centre, double q) {
        const double w = 2.0 * pi * centre / sampleRate;
        const double alpha = sine(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2.0 * cosine(w) / a0;
        a2_ = (1.0 - alpha) / a0;
    }

    double operator()(double x) {
        const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

  private:
    double b0_, b2_, a1_, a2_;
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

// The applause: many people clapping, each at their own pace, pitch and strength; it swells,
// holds and fades away over about three seconds.
std::vector<std::int16_t> applause() {
    const double length = 2.75;
    const auto crowd = [length](double t) {
        if (t < 0.45)
            return smoothStep(t / 0.45);
        if (t < 1.3)
            return 1.0;
        const double u = (t - 1.3) / (length - 0.05 - 1.3);
        const double left = 1.0 - std::clamp(u, 0.0, 1.0);
        return left * left;
    };

    Rng rng(0x56656C7472616E65ULL);
    std::vector<double> sound(static_cast<std::size_t>(samplesFor(length)), 0.0);
    const int clapLength = samplesFor(0.045);
    const int people = 26;
    for (int person = 0; person < people; ++person) {
        const double centre = rng.range(800.0, 2600.0);
        const double q = rng.range(1.0, 2.2);
        const double pace = rng.range(3.4, 5.6); // claps per second
        const double loudness = rng.range(0.35, 1.0);
        double t = rng.range(0.0, 0.3);
        while (t < length - 0.1) {
            const double swell = crowd(t);
            // As the applause swells and fades, people join in and drop out.
            if (rng.uniform() < swell + 0.05) {
                const double strength = loudness * rng.range(0.55, 1.0) * (0.3 + 0.7 * swell);
                const double damping = rng.range(0.004, 0.009);
                BandPass colour(centre * rng.range(0.85, 1.15), q);
                const int start = samplesFor(t);
                for (int i = 0; i < clapLength; ++i) {
                    const std::size_t at = static_cast<std::size_t>(start + i);
                    if (at >= sound.size())
                        break;
                    const double s = static_cast<double>(i) / sampleRate;
                    const double rise = s < 0.0006 ? s / 0.0006 : 1.0;
                    const double burst = rise * exponential(-s / damping) * rng.range(-1.0, 1.0);
                    sound[at] += strength * colour(burst);
                }
            }
            t += rng.range(0.82, 1.18) / pace;
        }
    }

    // The hiss of the crowd between the claps, following the same swell.
    Rng hiss(0x4F7276696BULL);
    BandPass bed(2200.0, 0.5);
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        sound[i] += 0.05 * crowd(t) * bed(hiss.range(-1.0, 1.0));
    }
    fadeOut(sound, 0.15);
    return finish(sound);
}

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

// A canonical 44-byte RIFF header, then the samples, little-endian.
bool writeWave(const std::filesystem::path& path, const std::vector<std::int16_t>& pcm) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    std::string out = "RIFF";
    putLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2); // PCM
    putLittleEndian(out, 1, 2); // mono
    putLittleEndian(out, sampleRate, 4);
    putLittleEndian(out, sampleRate * 2, 4); // bytes per second
    putLittleEndian(out, 2, 2);              // bytes per frame
    putLittleEndian(out, 16, 2);             // bits per sample
    out += "data";
    putLittleEndian(out, dataBytes, 4);
    for (std::int16_t s : pcm)
        putLittleEndian(out, static_cast<std::uint16_t>(s), 2);

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    file.close();
    return static_cast<bool>(file);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: soundgen <folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "soundgen: cannot create " << folder.string() << ": " << error.message()
                  << "\n";
        return 1;
    }
    const struct {
        const char* name;
        std::vector<std::int16_t> pcm;
    } sounds[] = {{"34.WAV", greeting()}, {"APPLAUS.WAV", applause()}};
    for (const auto& sound : sounds) {
        const std::filesystem::path path = folder / sound.name;
        if (!writeWave(path, sound.pcm)) {
            std::cerr << "soundgen: cannot write " << path.string() << "\n";
            return 1;
        }
    }
    return 0;
}
