#include "tests/fuzz/replay_script_check.h"

#include "tools/replay/replay_script.h"

#include <sstream>

namespace veltrane::fuzz {

namespace {

struct Run {
    int status = -1;
    std::string out;
    std::string err;
};

Run runOnce(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    Run run;
    run.status = runReplayScript(in, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

} // namespace

std::string CheckReplayScript(const std::uint8_t* data, std::size_t size) {
    const std::string script(reinterpret_cast<const char*>(data), size);
    Run first;
    Run second;
    try {
        first = runOnce(script);
        second = runOnce(script);
    } catch (const std::exception& e) {
        return std::string("an exception escaped the console: ") + e.what();
    } catch (...) {
        return "an exception escaped the console";
    }
    if (first.status != ReplayOk && first.status != ReplayBadInput &&
        first.status != ReplayRuntimeError) {
        return "the console returned status " + std::to_string(first.status);
    }
    if (first.status == ReplayOk && !first.err.empty()) {
        return "the console succeeded but reported: " + first.err;
    }
    if (first.status != ReplayOk && first.err.empty()) {
        return "the console failed with status " + std::to_string(first.status) +
               " without saying why";
    }
    if (first.status != second.status || first.out != second.out || first.err != second.err) {
        return "the same script ran differently the second time";
    }
    return {};
}

} // namespace veltrane::fuzz
