#include "choices.h"

#include <system_error>
#include <thread>
#include <vector>

namespace bankcheck {

void ChoiceMeter::runOnThreads(const std::function<void()> &work, unsigned threads) const {
    std::vector<std::jthread> helpers;
    helpers.reserve(threads);
    try {
        while (helpers.size() + 1 < threads)
            helpers.emplace_back(work);
    } catch (const std::system_error &) {
        // Fewer threads than asked for: those there are share the work.
    }
    work();
}

} // namespace bankcheck
