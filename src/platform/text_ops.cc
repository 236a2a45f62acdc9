#include "platform/text_ops.h"

#include <cstring>

namespace kestrelon {
namespace {

// Up to this many occurrences, a growing replacement remembers where they
// are and moves the text in place from the right; beyond, it builds anew.
constexpr size_t kRememberedPlaces = 32;

size_t BuildReplaced(std::string& text, std::string_view find,
                     std::string_view with, size_t pos) {
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  size_t from = 0;
  size_t count = 0;
  while (pos != std::string::npos) {
    out.append(text, from, pos - from);
    out.append(with);
    from = pos + find.size();
    ++count;
    pos = text.find(find.data(), from, find.size());
  }
  out.append(text, from, std::string::npos);
  text.swap(out);
  return count;
}

}  // namespace

size_t ReplaceAll(std::string& text, std::string_view find,
                  std::string_view with) {
  if (find.empty()) return 0;
  size_t pos = text.find(find.data(), 0, find.size());
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
      pos = text.find(find.data(), from, find.size());
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
       p = text.find(find.data(), p + find.size(), find.size())) {
    if (count == kRememberedPlaces) return BuildReplaced(text, find, with, pos);
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

void ReplaceSameLength(std::string& text, size_t from, std::string_view find,
                       std::string_view with) {
  const size_t n = find.size();
  char* const data = text.data();
  const char first = find[0];
  size_t i = from;
  const size_t size = text.size();
  while (size - i >= n) {
    const void* hit = std::memchr(data + i, first, size - i - n + 1);
    if (hit == nullptr) return;
    i = static_cast<size_t>(static_cast<const char*>(hit) - data);
    if (std::memcmp(data + i, find.data(), n) == 0) {
      std::memcpy(data + i, with.data(), n);
      i += n;
    } else {
      ++i;
    }
  }
}

std::string_view TrimBlanks(std::string_view text) {
  size_t b = text.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  size_t e = text.find_last_not_of(' ');
  return text.substr(b, e - b + 1);
}

bool LineReader::Next(std::string_view& line) {
  if (p_ == end_) return false;
  const size_t left = static_cast<size_t>(end_ - p_);
  if (next_cr_ < p_ || !searched_) {
    const void* cr = std::memchr(p_, '\r', left);
    next_cr_ = cr ? static_cast<const char*>(cr) : end_;
  }
  if (next_lf_ < p_ || !searched_) {
    const void* lf = std::memchr(p_, '\n', left);
    next_lf_ = lf ? static_cast<const char*>(lf) : end_;
  }
  searched_ = true;
  const char* e = next_cr_ < next_lf_ ? next_cr_ : next_lf_;
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
