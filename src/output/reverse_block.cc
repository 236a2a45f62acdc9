#include "output/reverse_block.h"

#include <vector>

#include "model/auxiliary_words.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

bool IsRevLine(std::string_view line) {
  return FirstAuxiliaryWord(line) == "REV";
}

bool IsReactionLine(std::string_view line) { return Contains(line, "="); }

// One reaction block: the reaction line and its auxiliary lines.
struct Block {
  std::string_view reaction;
  std::vector<std::string_view> aux;
};

// Whether the block changes: it has a REV line and another auxiliary line.
bool NeedsReorder(const Block& block) {
  bool rev = false;
  for (std::string_view line : block.aux) rev = rev || IsRevLine(line);
  return rev && block.aux.size() > 1;
}

void AddReordered(const Block& block, LineBuffer& out) {
  out.Add(block.reaction);
  for (std::string_view line : block.aux) {
    if (!IsRevLine(line)) out.Add(line);
  }
  for (std::string_view line : block.aux) {
    if (IsRevLine(line)) out.Add(line);
  }
  for (std::string_view line : block.aux) {
    if (CopiedToReverse(line)) out.Add(line);
  }
}

}  // namespace

bool MoveReverseLinesLast(std::string_view text, std::string& out) {
  // Most files have no REV line at all: they are passed over in one search.
  if (!Contains(text, "\nREV")) return false;
  LineReader lines(text);
  std::string_view line;
  bool more = lines.Next(line);
  bool in_reactions = false;
  bool changed = false;
  LineBuffer result;
  result.Reserve(text.size() + text.size() / 8);
  Block block;
  while (more) {
    if (!in_reactions || !IsReactionLine(line)) {
      in_reactions = in_reactions || line == "REACTIONS";
      result.Add(line);
      more = lines.Next(line);
      continue;
    }
    block.reaction = line;
    block.aux.clear();
    while ((more = lines.Next(line)) && line != "END" &&
           !IsReactionLine(line)) {
      block.aux.push_back(line);
    }
    if (NeedsReorder(block)) {
      changed = true;
      AddReordered(block, result);
    } else {
      result.Add(block.reaction);
      for (std::string_view aux : block.aux) result.Add(aux);
    }
  }
  if (!changed) return false;
  out = std::move(result.mutable_text());
  return true;
}

}  // namespace kestrelon
