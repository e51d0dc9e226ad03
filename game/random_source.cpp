#include "game/random_source.h"

#include <chrono>
#include <stdexcept>
#include <utility>

namespace veltrane {

namespace {

constexpr std::uint64_t kGolden = 0x9e3779b97f4a7c15ULL;

// One step of a 64-bit mixing generator: a tiny state, full period, and every output bit
// depends on every state bit, so neighbouring seeds give unrelated deals.
std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

float nextUnit(std::uint64_t& state) {
    state += kGolden;
    // The top 24 bits, scaled to a multiple of 2^-24 below 1: exact in single precision.
    return static_cast<float>(mix(state) >> 40) * 0x1p-24f;
}

} // namespace

void ClockRandomSource::reseed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    // The counter keeps two deals in the same clock tick apart.
    ++counter_;
    state_ = mix(static_cast<std::uint64_t>(ticks)) ^ mix(counter_ * kGolden);
}

float ClockRandomSource::next() {
    return nextUnit(state_);
}

void SeededRandomSource::reseed() {
    state_ = mix(nextSeed_++);
}

float SeededRandomSource::next() {
    return nextUnit(state_);
}

SequenceRandomSource::SequenceRandomSource(std::vector<float> values) : values_(std::move(values)) {
    if (values_.empty()) {
        values_.push_back(0.0f);
    }
    // A value outside [0, 1) would exchange cards outside the part of the deck being shuffled.
    for (const float value : values_) {
        if (!(value >= 0.0f && value < 1.0f)) {
            throw std::invalid_argument("random values must lie in [0, 1)");
        }
    }
}

float SequenceRandomSource::next() {
    const float value = values_[pos_];
    if (pos_ + 1 < values_.size()) {
        ++pos_;
    }
    return value;
}

} // namespace veltrane
