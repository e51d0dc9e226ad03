// Every committed help-file input, the seed corpus and each input that once broke the reader,
// run through the fuzzer's checks in the regular test run.

#include "tests/fuzz/committed_inputs.h"
#include "tests/fuzz/help_file_check.h"

#include <gtest/gtest.h>

namespace veltrane::fuzz {
namespace {

TEST(HelpFileInputs, EveryCommittedInputIsReadWholeOneCharacterPerByte) {
    const auto inputs = CommittedInputs("help_file");
    ASSERT_FALSE(inputs.empty());
    for (const auto& [name, bytes] : inputs) {
        EXPECT_EQ(CheckHelpFile(bytes.data(), bytes.size()), "") << name;
    }
}

} // namespace
} // namespace veltrane::fuzz
