// compare_fuzzer: one cleaning run and one comparison per fuzz input.
//
// The input is a mechanism (with the control line of fuzz_settings.h) that
// is cleaned as the clean fuzzer cleans it, optionally followed by a line
// "%B%" and the text of a second file. The joule file the run wrote is
// file A; file B is the text after "%B%", or else the run's kelvin file.
// The fuzzer aborts when one of these properties fails:
//   - every joule file a successful run writes is read by the compare
//     reader (compare reads every file clean writes);
//   - a file compared with itself shows no difference;
//   - comparing A with B and B with A agree on whether they are the same;
//   - the comparison and both reports (text and JSON) end without an
//     exception, whatever B holds once it reads as a cleaned file.
// When the run fails, the mechanism text itself is tried as file A.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compare/mechanism_compare.h"
#include "compare/report_json.h"
#include "compare/report_text.h"
#include "fuzz_settings.h"
#include "fuzz_ui.h"
#include "model/cleaned_file.h"
#include "model/run_error.h"
#include "model/working_table.h"
#include "run/run_driver.h"
#include "sandbox.h"

namespace kestrelon::fuzz {
namespace {

constexpr std::string_view kSecondFile = "\n%B%\n";

std::optional<CleanedFile> Read(const std::string& text, const char* name) {
  try {
    return ReadCleanedFile(text, name);
  } catch (const RunError&) {
    return std::nullopt;
  }
}

void CompareBothWays(const CleanedFile& a, const CleanedFile& b,
                     const CompareSettings& settings) {
  const CompareReport ab = CompareMechanisms(a, b, settings);
  const CompareReport ba = CompareMechanisms(b, a, settings);
  if (ab.Same() != ba.Same()) Violation("A=B and B=A disagree");
  RenderReportText(ab);
  RenderReportJson(ab);
}

void FuzzOne(std::string_view data) {
  static WorkingTable table;
  const size_t split = data.find(kSecondFile);
  const std::string_view mechanism = data.substr(0, split);
  std::optional<std::string> second;
  if (split != std::string_view::npos) {
    second = std::string(data.substr(split + kSecondFile.size()));
  }
  FuzzSettings settings = ReadSettings(mechanism);
  settings.plant_links = settings.linked_input = settings.check_only = false;
  const Sandbox& box = TheSandbox();
  EmptyWorkDirectory();
  Spit(box.work + settings.input_name, mechanism);
  FuzzUi ui(settings, box.work + settings.input_name);
  const RunOutcome outcome = RunCleaning(ui, table);

  CompareSettings compare;
  compare.file_a = "a.rxn";
  compare.file_b = "b.rxn";
  compare.tolerance.relative = data.size() % 2 == 1;
  compare.tolerance.rel = 0.01;
  std::optional<CleanedFile> a;
  if (outcome.kind == RunOutcome::Kind::kSuccess) {
    const std::optional<std::string> joule = Slurp(outcome.vars.outpathj);
    if (!joule) Violation("success, but no joule file");
    try {
      a = ReadCleanedFile(*joule, "a.rxn");
    } catch (const RunError& e) {
      Violation("compare refuses a file clean wrote: " + e.Describe());
    }
    if (!CompareMechanisms(*a, *a, compare).Same()) {
      Violation("a cleaned file differs from itself");
    }
    if (!second) second = Slurp(outcome.vars.outpathk);
  } else {
    a = Read(std::string(mechanism), "a.rxn");
  }
  if (!a || !second) return;
  std::optional<CleanedFile> b = Read(*second, "b.rxn");
  if (b) CompareBothWays(*a, *b, compare);
}

}  // namespace
}  // namespace kestrelon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  kestrelon::fuzz::FuzzOne(
      std::string_view(reinterpret_cast<const char*>(bytes), size));
  return 0;
}
