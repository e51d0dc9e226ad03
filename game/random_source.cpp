#include "game/random_source.h"

#include <chrono>
#include <stdexcept>
#include <utility>

namespace veltrane {

namespace {

constexpr std::uint64_t kGolden = 0x9e3779b97f4a7c15ULL;

float nextUnit(SplitMix64& generator) {
    // The top 24 bits, scaled to a multiple of 2^-24 below 1: exact in single precision.
    return static_cast<float>(generator.next() >> 40) * 0x1p-24f;
}

} // namespace

std::uint64_t SplitMix64::mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t SplitMix64::next() {
    state_ += kGolden;
    return mix(state_);
}

void ClockRandomSource::reseed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    // The counter keeps two deals in the same clock tick apart.
    ++counter_;
    generator_ = SplitMix64(SplitMix64::mix(static_cast<std::uint64_t>(ticks)) ^
                            SplitMix64::mix(counter_ * kGolden));
}

float ClockRandomSource::next() {
    return nextUnit(generator_);
}

void SeededRandomSource::reseed() {
    generator_ = SplitMix64(SplitMix64::mix(nextSeed_++));
}

float SeededRandomSource::next() {
    return nextUnit(generator_);
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
