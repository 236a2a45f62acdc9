#include "platform/process_memory.h"

#include <sys/mman.h>

#include <cstdint>

namespace kestrelon {

void PrefaultForWriting(char* data, size_t size) {
  // Whole pages only: the pages at either end may hold other blocks.
  constexpr uintptr_t kPage = 4096;
  const auto at = reinterpret_cast<uintptr_t>(data);
  const uintptr_t begin = (at + kPage - 1) & ~(kPage - 1);
  const uintptr_t end = (at + size) & ~(kPage - 1);
  if (end <= begin) return;
  // Refused by systems that cannot do it: the pages come on first write.
  ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
}

}  // namespace kestrelon
