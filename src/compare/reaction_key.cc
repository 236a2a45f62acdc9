#include "compare/reaction_key.h"

#include <algorithm>
#include <array>

namespace kestrelon {
namespace {

// Neither byte can stand in a species name of a text file, so the key's
// parts cannot run into each other; both sort before every name character,
// so comparing item lists compares the keys they make.
constexpr char kItemSeparator = '\x01';
constexpr std::string_view kReversibleMark = "\x02<=>\x02";
constexpr std::string_view kIrreversibleMark = "\x02=>\x02";

template <typename F>
void ForEachSideItem(std::string_view side, F&& f) {
  const size_t n = side.size();
  size_t start = 0;
  size_t i = 0;
  auto flush = [&](size_t end) {
    if (end > start) f(side.substr(start, end - start));
  };
  while (i < n) {
    char c = side[i];
    if (c == '(' && i + 1 < n && side[i + 1] == '+') {
      flush(i);
      size_t close = side.find(')', i);
      size_t end = close == std::string_view::npos ? n : close + 1;
      f(side.substr(i, end - i));
      i = end;
      if (i < n && side[i] == '+') ++i;
      start = i;
      continue;
    }
    if (c == '+' && i + 1 < n && side[i + 1] != '+') {
      flush(i);
      start = i + 1;
    }
    ++i;
  }
  flush(n);
}

// The items of one side, "2X" spelt out, sorted. Sides of elementary
// reactions hold a handful of items; the fixed buffer spares an allocation
// per side, the vector takes the rare long side.
class SideItems {
 public:
  explicit SideItems(std::string_view side) {
    ForEachSideItem(side, [this](std::string_view item) {
      if (item.size() > 1 && item[0] == '2' && item[1] != ',') {
        Add(item.substr(1));
        Add(item.substr(1));
      } else {
        Add(item);
      }
    });
    std::sort(begin(), end());
  }
  std::string_view* begin() {
    return overflow_.empty() ? fixed_.data() : overflow_.data();
  }
  std::string_view* end() { return begin() + size_; }
  const std::string_view* begin() const {
    return overflow_.empty() ? fixed_.data() : overflow_.data();
  }
  const std::string_view* end() const { return begin() + size_; }
  size_t Length() const {
    size_t length = size_;
    for (std::string_view s : *this) length += s.size();
    return length;
  }
  void AppendTo(std::string* key) const {
    bool first = true;
    for (std::string_view s : *this) {
      if (!first) key->push_back(kItemSeparator);
      key->append(s);
      first = false;
    }
  }
  bool operator<(const SideItems& other) const {
    return std::lexicographical_compare(begin(), end(), other.begin(),
                                        other.end());
  }

 private:
  void Add(std::string_view item) {
    if (overflow_.empty() && size_ < fixed_.size()) {
      fixed_[size_++] = item;
      return;
    }
    if (overflow_.empty()) overflow_.assign(fixed_.begin(), fixed_.end());
    overflow_.push_back(item);
    ++size_;
  }

  std::array<std::string_view, 8> fixed_;
  std::vector<std::string_view> overflow_;
  size_t size_ = 0;
};

void JoinKey(const SideItems& first, std::string_view mark,
             const SideItems& second, std::string* key) {
  key->reserve(key->size() + first.Length() + mark.size() + second.Length());
  first.AppendTo(key);
  key->append(mark);
  second.AppendTo(key);
}

}  // namespace

std::vector<std::string_view> SplitSide(std::string_view side) {
  std::vector<std::string_view> items;
  ForEachSideItem(side,
                  [&items](std::string_view item) { items.push_back(item); });
  return items;
}

ReactionKey MakeReactionKey(std::string_view equation) {
  std::string key;
  ReactionKey k = AppendReactionKey(equation, &key);
  k.key = std::move(key);
  return k;
}

ReactionKey AppendReactionKey(std::string_view equation, std::string* keys) {
  ReactionKey k;
  size_t arrow = equation.find("<=>");
  size_t arrow_size = 3;
  k.reversible = true;
  if (arrow == std::string_view::npos) {
    arrow = equation.find("=>");
    arrow_size = 2;
    k.reversible = false;
    if (arrow == std::string_view::npos) {
      arrow = equation.find('=');
      arrow_size = 1;
      k.reversible = true;
      if (arrow == std::string_view::npos) return k;
    }
  }
  k.valid = true;
  k.left = equation.substr(0, arrow);
  k.right = equation.substr(arrow + arrow_size);
  SideItems left(k.left);
  SideItems right(k.right);
  if (!k.reversible) {
    JoinKey(left, kIrreversibleMark, right, keys);
    return k;
  }
  k.swapped = right < left;
  if (k.swapped) {
    JoinKey(right, kReversibleMark, left, keys);
  } else {
    JoinKey(left, kReversibleMark, right, keys);
  }
  return k;
}

}  // namespace kestrelon
