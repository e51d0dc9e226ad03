// Every committed replay-script input, the seed corpus and each input that once broke the
// console, run through the fuzzer's checks in the regular test run.

#include "tests/fuzz/committed_inputs.h"
#include "tests/fuzz/replay_script_check.h"

#include <gtest/gtest.h>

namespace veltrane::fuzz {
namespace {

TEST(ReplayScriptInputs, EveryCommittedInputKeepsTheConsolesPromises) {
    const auto inputs = CommittedInputs("replay_script");
    ASSERT_FALSE(inputs.empty());
    for (const auto& [name, bytes] : inputs) {
        EXPECT_EQ(CheckReplayScript(bytes.data(), bytes.size()), "") << name;
    }
}

} // namespace
} // namespace veltrane::fuzz
