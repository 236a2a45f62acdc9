#include "platform/text_ops.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kestrelon {
namespace {

// Finds `find` in `text` from `from` on, leftmost first. Blanks are the
// commonest character of the texts the run replaces in, so the search runs
// on the first character of `find` that is not a blank and checks the rest
// around it: the candidates still come in order from the left. Patterns
// are short, so the check is a plain loop rather than a call to memcmp.
class Finder {
 public:
  explicit Finder(std::string_view find)
      : find_(find), anchor_(find.find_first_not_of(' ')) {
    if (anchor_ == std::string_view::npos) anchor_ = 0;
  }

  size_t Find(std::string_view text, size_t from) const {
    const size_t n = find_.size();
    if (text.size() < n || from > text.size() - n) return std::string::npos;
    const char a = find_[anchor_];
    const char* const data = text.data();
    // Anchors of a match starting from `from` up to the last start.
    const char* at = data + from + anchor_;
    const char* const last = data + (text.size() - n) + anchor_;
    while (at <= last) {
      const void* hit = std::memchr(at, a, static_cast<size_t>(last - at) + 1);
      if (hit == nullptr) break;
      const char* const start = static_cast<const char*>(hit) - anchor_;
      size_t k = 0;
      while (k < n && start[k] == find_[k]) ++k;
      if (k == n) return static_cast<size_t>(start - data);
      at = static_cast<const char*>(hit) + 1;
    }
    return std::string::npos;
  }

 private:
  std::string_view find_;
  size_t anchor_;
};

// Up to this many occurrences, a growing replacement remembers where they
// are and moves the text in place from the right; beyond, it builds anew.
constexpr size_t kRememberedPlaces = 32;

size_t BuildReplaced(std::string& text, const Finder& finder,
                     std::string_view find, std::string_view with, size_t pos) {
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  size_t from = 0;
  size_t count = 0;
  while (pos != std::string::npos) {
    out.append(text, from, pos - from);
    out.append(with);
    from = pos + find.size();
    ++count;
    pos = finder.Find(text, from);
  }
  out.append(text, from, std::string::npos);
  text.swap(out);
  return count;
}

}  // namespace

size_t ReplaceAll(std::string& text, std::string_view find,
                  std::string_view with) {
  if (find.empty() || find.size() > text.size()) return 0;
  const Finder finder(find);
  size_t pos = finder.Find(text, 0);
  if (pos == std::string::npos) return 0;
  char* const data = text.data();
  if (with.size() <= find.size()) {
    // The text shrinks or keeps its length: what is written never reaches
    // past what has been searched, so the replacement runs in place.
    size_t out = pos;
    size_t from = pos;
    size_t count = 0;
    while (pos != std::string::npos) {
      if (out != from) std::memmove(data + out, data + from, pos - from);
      out += pos - from;
      if (!with.empty()) std::memcpy(data + out, with.data(), with.size());
      out += with.size();
      from = pos + find.size();
      ++count;
      pos = finder.Find(text, from);
    }
    const size_t tail = text.size() - from;
    if (out != from) std::memmove(data + out, data + from, tail);
    text.resize(out + tail);
    return count;
  }
  // A growing replacement: the occurrences are found from the left first,
  // so that the same ones are replaced as by a scan from the left; then the
  // text moves right, last piece first.
  size_t places[kRememberedPlaces];
  size_t count = 0;
  for (size_t p = pos; p != std::string::npos;
       p = finder.Find(text, p + find.size())) {
    if (count == kRememberedPlaces) {
      return BuildReplaced(text, finder, find, with, pos);
    }
    places[count++] = p;
  }
  const size_t old_size = text.size();
  const size_t grow = with.size() - find.size();
  text.resize(old_size + count * grow);
  char* const out = text.data();
  size_t end = old_size;  // end of the old text not yet moved
  for (size_t k = count; k-- > 0;) {
    const size_t after = places[k] + find.size();
    const size_t shift = (k + 1) * grow;
    std::memmove(out + after + shift, out + after, end - after);
    std::memcpy(out + places[k] + k * grow, with.data(), with.size());
    end = places[k];
  }
  return count;
}

void SwapChar(char* p, size_t n, char from, char to) {
  // A store for every byte, with no branch: the compiler makes it vector
  // code.
  for (size_t i = 0; i < n; ++i) p[i] = p[i] == from ? to : p[i];
}

std::string_view TrimBlanks(std::string_view text) {
  size_t b = text.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  size_t e = text.find_last_not_of(' ');
  return text.substr(b, e - b + 1);
}

namespace {

// The first of `chars` in [p, end), or `end`.
template <typename... Chars>
const char* FindFirstOf(const char* p, const char* end, Chars... chars) {
#if defined(__SSE2__)
  // Sixteen bytes at a time: the lines and words looked through are some 40
  // to 80 bytes long.
  while (end - p >= 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i found = _mm_setzero_si128();
    ((found = _mm_or_si128(found, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(chars)))),
     ...);
    const int hits = _mm_movemask_epi8(found);
    if (hits != 0) return p + __builtin_ctz(static_cast<unsigned>(hits));
    p += 16;
  }
#endif
  while (p < end && ((*p != chars) && ...)) ++p;
  return p;
}

}  // namespace

const char* FindEither(const char* p, const char* end, char a, char b) {
  return FindFirstOf(p, end, a, b);
}

const char* FindAnyOf3(const char* p, const char* end, char a, char b, char c) {
  return FindFirstOf(p, end, a, b, c);
}

const char* FindByte(const char* p, const char* end, char c) {
  return FindFirstOf(p, end, c);
}

const char* SkipByte(const char* p, const char* end, char c) {
#if defined(__SSE2__)
  // Runs of blanks between the fields of a line reach forty bytes.
  const __m128i skipped = _mm_set1_epi8(c);
  while (end - p >= 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int others =
        ~_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, skipped)) & 0xFFFF;
    if (others != 0) return p + __builtin_ctz(static_cast<unsigned>(others));
    p += 16;
  }
#endif
  while (p < end && *p == c) ++p;
  return p;
}

bool LineReader::Next(std::string_view& line) {
  if (p_ == end_) return false;
  const char* e = FindEither(p_, end_, '\r', '\n');
  line = std::string_view(p_, static_cast<size_t>(e - p_));
  if (e == end_) {
    p_ = end_;
  } else if (*e == '\r' && e + 1 < end_ && e[1] == '\n') {
    p_ = e + 2;
  } else {
    p_ = e + 1;
  }
  return true;
}

int CountLineEnds(const char* from, const char* to) {
  if (from >= to) return 0;
  // A CR is counted where no LF follows it; `to` is past a whole line end.
  // Without branches, so that the compiler can vectorise the loop.
  const char* last = to - 1;
  int ends = (*last == '\n') + (*last == '\r');
  for (const char* p = from; p < last; ++p) {
    ends += (p[0] == '\n') + ((p[0] == '\r') & (p[1] != '\n'));
  }
  return ends;
}

std::vector<std::string_view> LinesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  // Mechanism lines hold some 40 to 80 bytes.
  lines.reserve(text.size() / 40 + 1);
  LineReader reader(text);
  std::string_view line;
  while (reader.Next(line)) lines.push_back(line);
  return lines;
}

}  // namespace kestrelon
