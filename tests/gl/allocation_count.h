#pragma once

// The test program's global allocation functions count the allocations made on a thread while
// that thread's counting flag is set; otherwise they behave as the library's own.

namespace gltest {

extern thread_local bool counting;
extern int allocations;

}  // namespace gltest
