#pragma once

#include <functional>

// Runs fn(0) ... fn(count - 1) on up to the machine's core count of threads (the calling thread
// included) and returns when all are done. fn must be safe to call concurrently.
void ParallelFor(int count, const std::function<void(int)>& fn);
