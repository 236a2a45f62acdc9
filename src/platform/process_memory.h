// The process's memory as the system gives it.
//
// PrefaultForWriting asks the system for the pages of `size` bytes from
// `data` at once, ahead of writing them. A new buffer the size of the input
// is otherwise given one page at a time, each on its first write, which
// costs about twice as much. Only the pages about to be written are asked
// for: they count as the process's memory from then on. Systems without
// the request write as before.
#ifndef KESTRELON_PLATFORM_PROCESS_MEMORY_H_
#define KESTRELON_PLATFORM_PROCESS_MEMORY_H_

#include <cstddef>

namespace kestrelon {

void PrefaultForWriting(char* data, size_t size);

}  // namespace kestrelon

#endif  // KESTRELON_PLATFORM_PROCESS_MEMORY_H_
