// The thermo entries a check works with, in reading order (the mechanism's
// THERMO section first, then a thermo file given apart), and for each
// species key the entry a run uses: the first one read. Holds pointers into
// the entries it was built from, which must outlive it.
#ifndef KESTRELON_CHECK_THERMO_INDEX_H_
#define KESTRELON_CHECK_THERMO_INDEX_H_

#include <string>
#include <unordered_map>
#include <vector>

#include "check/nasa7.h"

namespace kestrelon {

class ThermoIndex {
 public:
  explicit ThermoIndex(const std::vector<ThermoEntry>& entries) {
    first_.reserve(entries.size());
    for (const ThermoEntry& e : entries) first_.emplace(e.key, &e);
  }
  // The entry a run uses for `key`, or null.
  const ThermoEntry* Find(const std::string& key) const {
    auto it = first_.find(key);
    return it == first_.end() ? nullptr : it->second;
  }

 private:
  std::unordered_map<std::string, const ThermoEntry*> first_;
};

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_THERMO_INDEX_H_
