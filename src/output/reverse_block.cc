#include "output/reverse_block.h"

#include "model/auxiliary_words.h"

namespace kestrelon {
namespace {

bool IsRevLine(std::string_view line) {
  return FirstAuxiliaryWord(line) == "REV";
}

bool IsReactionLine(std::string_view line) { return Contains(line, "="); }

// Whether the block changes: it has a REV line and another auxiliary line.
bool NeedsReorder(const std::vector<std::string_view>& aux) {
  bool rev = false;
  for (std::string_view line : aux) rev = rev || IsRevLine(line);
  return rev && aux.size() > 1;
}

}  // namespace

void ReorderedLines::TakeBlock(std::string_view reaction) {
  aux_.clear();
  std::string_view line;
  while (reader_.Next(line)) {
    if (line == "END" || IsReactionLine(line)) {
      held_ = line;
      holding_ = true;
      break;
    }
    aux_.push_back(line);
  }
  block_.clear();
  next_ = 0;
  block_.push_back(reaction);
  if (!any_rev_ || !NeedsReorder(aux_)) {
    block_.insert(block_.end(), aux_.begin(), aux_.end());
    return;
  }
  for (std::string_view aux : aux_) {
    if (!IsRevLine(aux)) block_.push_back(aux);
  }
  for (std::string_view aux : aux_) {
    if (IsRevLine(aux)) block_.push_back(aux);
  }
  for (std::string_view aux : aux_) {
    if (CopiedToReverse(aux)) block_.push_back(aux);
  }
}

bool ReorderedLines::Next(std::string_view& line) {
  if (next_ < block_.size()) {
    line = block_[next_++];
    return true;
  }
  block_.clear();
  next_ = 0;
  if (holding_) {
    line = held_;
    holding_ = false;
  } else if (!reader_.Next(line)) {
    return false;
  }
  if (!in_reactions_ || !IsReactionLine(line)) {
    in_reactions_ = in_reactions_ || line == "REACTIONS";
    return true;
  }
  TakeBlock(line);
  next_ = 1;
  return true;
}

}  // namespace kestrelon
