#pragma once
// The committed inputs of one fuzzer: its seed corpus in corpus/<name>/ and the inputs that once
// broke the game in crashes/<name>/, each as its file name and bytes.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace veltrane::fuzz {

inline std::vector<std::pair<std::string, std::vector<std::uint8_t>>>
CommittedInputs(const std::string& name) {
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> inputs;
    const std::filesystem::path root(VELTRANE_FUZZ_INPUTS);
    for (const char* kind : {"corpus", "crashes"}) {
        const auto folder = root / kind / name;
        if (!std::filesystem::is_directory(folder)) {
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::ifstream file(entry.path(), std::ios::binary);
            std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                            std::istreambuf_iterator<char>()};
            inputs.emplace_back(entry.path().string(), std::move(bytes));
        }
    }
    return inputs;
}

} // namespace veltrane::fuzz
