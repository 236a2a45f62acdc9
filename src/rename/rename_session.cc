#include "rename/rename_session.h"

namespace kestrelon {

RenameSession::RenameSession(RenameTargets targets) : targets_(targets) {}
RenameResult RenameSession::Rename(std::string_view, std::string_view) { return {}; }

}  // namespace kestrelon
