#include "cli/cli_services.h"

#include <unistd.h>

#include <filesystem>

#include "model/error_layout.h"
#include "model/run_error.h"
#include "model/run_warning.h"
#include "rename/rename_session.h"
#include "rename/species_guard.h"
#include "run/name_rules.h"
#include "run/run_driver.h"

namespace kestrelon {

std::string ForTerminal(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

CliServices::CliServices(CleanOptions options, std::ostream& out,
                         std::ostream& err)
    : options_(std::move(options)), out_(out), err_(err) {}

std::optional<std::string> CliServices::ChooseFile(const FileChooserRequest&) {
  std::error_code ec;
  std::filesystem::path path =
      std::filesystem::absolute(options_.mechanism, ec);
  if (ec) return options_.mechanism;
  return path.lexically_normal().string();
}

std::string CliServices::AskText(NamePrompt kind, const std::string&,
                                 const std::string&) {
  int& asks = kind == NamePrompt::kThermoName ? thermo_asks_ : clean_asks_;
  // A second question means the run refused the name it was given; a
  // batch run cannot type another one.
  if (++asks > 1) throw RunError(last_message_);
  return kind == NamePrompt::kThermoName ? options_.thermo_name : options_.name;
}

void CliServices::ShowMessage(const std::string& text, const std::string&,
                              MessageIcon icon) {
  last_message_ = ForTerminal(text);
  if (icon == MessageIcon::kCritical) {
    err_ << "kestrelon: " << options_.mechanism << ": " << last_message_
         << "\n";
    return;
  }
  if (!options_.quiet) out_ << last_message_ << "\n";
}

void CliServices::SetStatus(const std::string& text) {
  // Said even when quiet: a run that seems to hang needs its reason.
  if (text == kWaitingForLock) {
    err_ << "kestrelon: " << options_.mechanism
         << ": waiting for another run in this directory\n";
  }
}

void CliServices::ShowErrorDialog() {
  err_ << kErrorCannotRead << "\n"
       << kErrorNotValid << "\n"
       << "Check that your file has the following format:\n"
       << ForTerminal(kErrorExampleLayout) << "\n";
}

void CliServices::RunRenameDialog(RenameSession& session) {
  for (const auto& [former, renamed] : options_.renames) {
    const std::string pair = "--rename " + former + "=" + renamed;
    std::string old_name = former;
    std::string new_name = renamed;
    UpperCaseAscii(old_name);
    UpperCaseAscii(new_name);
    // The window lets the user see the lists; a batch run checks them, so a
    // mistyped name is not passed over unnoticed and two species never
    // become one.
    switch (JudgeRename(session.targets().outpathj, old_name, new_name)) {
      case RenameVerdict::kNoSuchSpecies:
        err_ << FormatWarning(options_.mechanism, 0,
                              pair + ": the mechanism has no species " +
                                  old_name + "; nothing renamed")
             << "\n";
        continue;
      case RenameVerdict::kNameTaken:
        throw RunError(pair + ": the mechanism already has a species " +
                       new_name);
      case RenameVerdict::kGoAhead:
        break;
    }
    RenameResult result = session.Rename(former, renamed);
    if (result.status != RenameResult::Status::kRenamed) {
      throw RunError(pair + ": " + result.label);
    }
  }
}

std::string CliServices::CurrentDirectory() {
  std::error_code ec;
  std::filesystem::path cwd = std::filesystem::current_path(ec);
  return ec ? std::string("/") : cwd.string();
}

}  // namespace kestrelon
