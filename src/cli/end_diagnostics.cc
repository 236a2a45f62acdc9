#include "cli/end_diagnostics.h"

namespace kestrelon {

std::string DescribeNearEnd(const std::string& file, const NearEnd& near,
                            std::string_view advice) {
  return "kestrelon: " + file + ":" + std::to_string(near.line) + ": " +
         NearEndReason(near) + std::string(advice);
}

std::vector<std::string> UnreadableDiagnostics(const std::string& file,
                                               int endcount,
                                               std::string_view text,
                                               std::string_view advice,
                                               size_t limit) {
  std::vector<std::string> out;
  out.push_back("kestrelon: " + file + ": " + EndCountReason(endcount));
  std::vector<NearEnd> near = FindNearEnds(text);
  for (size_t i = 0; i < near.size() && i < limit; ++i) {
    out.push_back(DescribeNearEnd(file, near[i], advice));
  }
  if (near.size() > limit) {
    out.push_back("kestrelon: " + file + ": " +
                  std::to_string(near.size() - limit) +
                  " more such lines are not listed");
  }
  return out;
}

}  // namespace kestrelon
