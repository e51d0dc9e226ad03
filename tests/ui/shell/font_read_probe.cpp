// Put before the font configuration library with LD_PRELOAD by the start-up test. It makes the
// first read of the font configuration slow, as on a machine under load, and says on standard
// error when a second thread starts a read while the first is still on: the library's shared
// state does not survive two reads at once.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <dlfcn.h>
#include <mutex>

namespace {

std::mutex guard;
std::condition_variable changed;
int reading = 0;
bool firstSeen = false;
bool overlapSeen = false;

// Long enough for the rest of the start to reach its own use of fonts on any loaded machine.
constexpr auto kSlowFirstRead = std::chrono::seconds(3);

} // namespace

extern "C" int FcInit() {
    using Read = int (*)();
    static const auto real = reinterpret_cast<Read>(dlsym(RTLD_NEXT, "FcInit"));
    std::unique_lock lock(guard);
    if (reading > 0) {
        overlapSeen = true;
        std::fputs("font-read-probe: two reads at once\n", stderr);
        changed.notify_all();
    }
    ++reading;
    if (!firstSeen) {
        firstSeen = true;
        std::fputs("font-read-probe: first read\n", stderr);
        changed.wait_for(lock, kSlowFirstRead, [] { return overlapSeen; });
    }
    lock.unlock();
    const int result = real();
    lock.lock();
    --reading;
    return result;
}
