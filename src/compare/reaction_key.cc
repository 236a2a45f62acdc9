#include "compare/reaction_key.h"

#include <algorithm>

namespace kestrelon {
namespace {

// Neither byte can stand in a species name of a text file, so the key's
// parts cannot run into each other.
constexpr char kItemSeparator = '\x01';
constexpr std::string_view kReversibleMark = "\x02<=>\x02";
constexpr std::string_view kIrreversibleMark = "\x02=>\x02";

std::string SideKey(std::string_view side) {
  std::vector<std::string_view> items;
  for (std::string_view item : SplitSide(side)) {
    if (item.size() > 1 && item[0] == '2' && item[1] != ',') {
      items.push_back(item.substr(1));
      items.push_back(item.substr(1));
    } else {
      items.push_back(item);
    }
  }
  std::sort(items.begin(), items.end());
  std::string key;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) key += kItemSeparator;
    key.append(items[i]);
  }
  return key;
}

}  // namespace

std::vector<std::string_view> SplitSide(std::string_view side) {
  std::vector<std::string_view> items;
  const size_t n = side.size();
  size_t start = 0;
  size_t i = 0;
  auto flush = [&](size_t end) {
    if (end > start) items.push_back(side.substr(start, end - start));
  };
  while (i < n) {
    char c = side[i];
    if (c == '(' && i + 1 < n && side[i + 1] == '+') {
      flush(i);
      size_t close = side.find(')', i);
      size_t end = close == std::string_view::npos ? n : close + 1;
      items.push_back(side.substr(i, end - i));
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
  return items;
}

ReactionKey MakeReactionKey(std::string_view equation) {
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
  std::string left = SideKey(k.left);
  std::string right = SideKey(k.right);
  if (!k.reversible) {
    k.key = left;
    k.key += kIrreversibleMark;
    k.key += right;
    return k;
  }
  k.swapped = right < left;
  const std::string& first = k.swapped ? right : left;
  const std::string& second = k.swapped ? left : right;
  k.key.reserve(first.size() + second.size() + kReversibleMark.size());
  k.key = first;
  k.key += kReversibleMark;
  k.key += second;
  return k;
}

}  // namespace kestrelon
