#include "tests/gl/allocation_count.h"

#include <cstdlib>
#include <new>

namespace gltest {

int allocations = 0;

}  // namespace gltest

namespace {

thread_local bool counting = false;

void* allocate(std::size_t size) {
  if (counting) ++gltest::allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

}  // namespace

void gltest::startCounting() {
  counting = true;
}

void gltest::stopCounting() {
  counting = false;
}

// Every allocation of the test program comes through here; only the count is added.
void* operator new(std::size_t size) {
  return allocate(size);
}
void* operator new[](std::size_t size) {
  return allocate(size);
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete[](void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
  std::free(memory);
}
