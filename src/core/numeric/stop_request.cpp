#include "core/numeric/stop_request.h"

#include <atomic>

namespace numeric {

namespace {

// Lock-free, so that a signal handler may set it.
std::atomic<bool> stop{false};
static_assert(std::atomic<bool>::is_always_lock_free);

} // namespace

void request_stop() { stop.store(true, std::memory_order_relaxed); }

bool stop_requested() { return stop.load(std::memory_order_relaxed); }

void clear_stop_request() { stop.store(false, std::memory_order_relaxed); }

} // namespace numeric
