#include "rename/species_guard.h"

#include <algorithm>
#include <vector>

#include "model/cleaned_file.h"
#include "platform/text_file.h"

namespace kestrelon {

RenameVerdict JudgeRename(const std::string& joule_path,
                          std::string_view former, std::string_view new_name) {
  const std::vector<std::string> species = CleanedSpecies(ReadFile(joule_path));
  auto known = [&species](std::string_view name) {
    return std::find(species.begin(), species.end(), name) != species.end();
  };
  if (!known(former)) return RenameVerdict::kNoSuchSpecies;
  if (former != new_name && known(new_name)) return RenameVerdict::kNameTaken;
  return RenameVerdict::kGoAhead;
}

}  // namespace kestrelon
