// Guarded runs an event handler of the window so that no exception unwinds
// through Qt's event loop (only std::bad_alloc can reach it: the handlers
// turn every failure of the run into text). Header only; never throws.
#ifndef KESTRELON_SHELL_GUARDED_H_
#define KESTRELON_SHELL_GUARDED_H_

namespace kestrelon {

template <typename Handler>
void Guarded(Handler&& handler) noexcept {
  try {
    handler();
  } catch (...) {
  }
}

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_GUARDED_H_
