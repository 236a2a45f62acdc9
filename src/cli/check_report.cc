#include "cli/check_report.h"

#include "model/reaction_markers.h"

namespace kestrelon {
namespace {

int CountNames(std::string_view text) {
  int names = 0;
  bool in_name = false;
  for (char c : text) {
    const bool blank = c == ' ' || c == '\t';
    if (!blank && !in_name) ++names;
    in_name = !blank;
  }
  return names;
}

std::string Counted(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

MechanismCounts CountMechanism(const WorkingTable& table,
                               const SectionIndex& index, int input_lines) {
  MechanismCounts counts;
  counts.lines = input_lines;
  for (int row = index.specrow + 1; row < index.specend; ++row) {
    counts.species += CountNames(table.Get(row, 1));
  }
  for (int row = index.reacrow + 1; row < index.reacend; ++row) {
    const std::string_view line = table.Get(row, 1);
    if (line.empty() || IsAuxiliaryLine(line)) continue;
    ++counts.reactions;
    if (IsNonElementaryLine(line)) ++counts.non_elementary;
  }
  return counts;
}

std::string CheckReport(const std::string& file, const MechanismCounts& counts,
                        int warnings) {
  std::string text = file + ": " + Counted(counts.lines, "line", "lines") +
                     ", " + Counted(counts.species, "species", "species") +
                     ", " + Counted(counts.reactions, "reaction", "reactions");
  if (counts.non_elementary > 0) {
    text += " (" + std::to_string(counts.non_elementary) + " non-elementary)";
  }
  return text + ": " +
         (warnings == 0 ? std::string("no problem found")
                        : Counted(warnings, "warning", "warnings"));
}

}  // namespace kestrelon
