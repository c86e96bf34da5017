#pragma once

// The test program's global allocation functions count the allocations a thread makes between
// its startCounting and stopCounting; otherwise they behave as the library's own.

namespace gltest {

extern int allocations;

// Counting is per thread: the driver's own threads allocate as they please. The flag is only
// touched inside allocation_count.cpp: reached from another file, through the compiler's
// thread-local wrapper, the sanitized build reported a store through a null pointer.
void startCounting();
void stopCounting();

}  // namespace gltest
