#include "rename/thermo_rules.h"

#include "platform/text_ops.h"
#include "rename/line_rewrite.h"

namespace kestrelon {

std::string RenameThermoLine(std::string_view line, std::string_view former,
                             std::string_view renamed) {
  const size_t old_len = former.size();
  const size_t new_len = renamed.size();
  if (line == "THERMO" || line == "END" || line.size() <= old_len ||
      !StartsWith(line, former) || line[old_len] != ' ') {
    return std::string(line);
  }
  std::string out(renamed);
  if (new_len == old_len) {
    out.append(line.substr(old_len));
  } else if (new_len > old_len) {
    // The new name takes the room of the blanks that pad the name field.
    const size_t room = new_len - old_len;
    std::string_view after = line.substr(old_len);
    if (after.size() < room || after.substr(0, room).find_first_not_of(' ') !=
                                   std::string_view::npos) {
      return std::string(line);
    }
    out.append(after.substr(room));
  } else {
    out.append(old_len - new_len, ' ');
    out.append(line.substr(old_len));
  }
  return out;
}

std::optional<std::string> RenameInThermo(std::string_view text,
                                          std::string_view former,
                                          std::string_view renamed) {
  if (!Contains(text, former)) return std::nullopt;
  return RewriteLines(text, [&](std::string_view line, std::string& out) {
    // Only a line that begins with the name can change.
    if (!StartsWith(line, former)) return false;
    out = RenameThermoLine(line, former, renamed);
    return true;
  });
}

}  // namespace kestrelon
