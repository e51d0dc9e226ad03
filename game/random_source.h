#pragma once
// Where the shuffle's randomness comes from: uniform single-precision values in [0, 1) with
// 24 bits, re-seeded at every shuffle.

#include <cstdint>
#include <vector>

namespace veltrane {

// The generator under every source (splitmix64): a 64-bit state stepped by a fixed odd constant
// and mixed so that every output bit depends on every state bit. Plain integer arithmetic, so a
// seed gives the same numbers on every machine and with every library; neighbouring seeds give
// unrelated sequences.
class SplitMix64 {
  public:
    explicit SplitMix64(std::uint64_t state = 0) : state_(state) {}
    std::uint64_t next();
    // The mixing step alone, for turning a seed into a state.
    static std::uint64_t mix(std::uint64_t z);

  private:
    std::uint64_t state_;
};

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // A value r with 0 <= r < 1, a multiple of 2^-24.
    virtual float next() = 0;
};

// The program's own source: a small fast generator whose seed mixes a high-resolution clock
// with a per-run counter, so two deals in the same clock tick never repeat a game.
class ClockRandomSource final : public RandomSource {
  public:
    void reseed() override;
    float next() override;

  private:
    SplitMix64 generator_;
    std::uint64_t counter_ = 0;
};

// Deterministic games: seed N for the first shuffle, N + 1 for the next, and so on.
class SeededRandomSource final : public RandomSource {
  public:
    explicit SeededRandomSource(std::uint64_t firstSeed) : nextSeed_(firstSeed) {}
    void reseed() override;
    float next() override;

  private:
    std::uint64_t nextSeed_;
    SplitMix64 generator_;
};

// Yields the given values in order, then repeats the last forever; re-seeding does not
// restart it. For tests and the replay console. Every value must lie in [0, 1)
// (std::invalid_argument otherwise); no values means 0 forever.
class SequenceRandomSource final : public RandomSource {
  public:
    explicit SequenceRandomSource(std::vector<float> values);
    void reseed() override {}
    float next() override;

  private:
    std::vector<float> values_;
    std::size_t pos_ = 0;
};

} // namespace veltrane
