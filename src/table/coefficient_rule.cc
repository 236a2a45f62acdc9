#include "table/coefficient_rule.h"

#include <algorithm>

#include "platform/text_ops.h"

namespace kestrelon {

void DeclaredSpecies::AddNames(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    const size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    // Only a name that could be mistaken for a coefficient is worth keeping.
    if (i > start && text[start] == '2') {
      names_.emplace_back(text.substr(start, i - start));
    }
  }
}

bool DeclaredSpecies::Contains(std::string_view name) const {
  return std::find(names_.begin(), names_.end(), name) != names_.end();
}

DeclaredSpecies ReadDeclaredSpecies(const WorkingTable& table,
                                    const SectionIndex& index) {
  DeclaredSpecies declared;
  for (int row = index.specrow + 1; row < index.specend; ++row) {
    declared.AddNames(table.Get(row, 1));
  }
  return declared;
}

bool IsCoefficientTwo(std::string_view slot, const DeclaredSpecies& declared) {
  if (slot.size() < 2 || slot[0] != '2') return false;
  const char next = slot[1];
  if ((next >= '0' && next <= '9') || next == '.' || next == ';') return false;
  return !declared.Contains(slot);
}

}  // namespace kestrelon
