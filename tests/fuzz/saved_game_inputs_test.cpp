// Every committed saved-game input, the seed corpus and each input that once broke the reader,
// run through the fuzzer's checks in the regular test run.

#include "tests/fuzz/committed_inputs.h"
#include "tests/fuzz/saved_game_check.h"

#include <gtest/gtest.h>

namespace veltrane::fuzz {
namespace {

TEST(SavedGameInputs, EveryCommittedInputIsRefusedOrPlaysOn) {
    const auto inputs = CommittedInputs("saved_game");
    ASSERT_FALSE(inputs.empty());
    for (const auto& [name, bytes] : inputs) {
        EXPECT_EQ(CheckSavedGame(bytes.data(), bytes.size()), "") << name;
    }
}

} // namespace
} // namespace veltrane::fuzz
