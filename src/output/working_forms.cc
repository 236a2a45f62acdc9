#include "output/working_forms.h"

#include <cstring>

#include "platform/text_ops.h"

namespace kestrelon {

// The swaps never meet, and a "+(" cannot overlap another, so every "("
// right after a "+" of the text as it was is one: once swapped, the search
// goes on after the pair, as a replacement scanning from the left would.
void RestoreWorkingForms(char* p, size_t n) {
  SwapChar(p, n, ';', ',');
  for (size_t k = 1; k < n;) {
    const void* open = std::memchr(p + k, '(', n - k);
    if (open == nullptr) return;
    k = static_cast<size_t>(static_cast<const char*>(open) - p);
    if (p[k - 1] == '+') {
      p[k - 1] = '(';
      p[k] = '+';
      k += 2;
    } else {
      k += 1;
    }
  }
}

}  // namespace kestrelon
