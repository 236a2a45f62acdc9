// clean_fuzzer: one whole cleaning run (RunCleaning) per fuzz input.
//
// The input bytes are written as a mechanism file into a scratch directory
// and cleaned with a fake user interface that answers the two name prompts
// and performs two renames in the rename dialog. The working table is
// reused between inputs, as the window reuses its own. After every run the
// fuzzer aborts when one of these properties fails:
//   - the input file is byte for byte what it was;
//   - nothing appeared outside the scratch directory, and inside it only
//     regular files the run may write (its outputs, its working files);
//   - a file already in the directory (a bystander) is untouched, and a
//     symbolic link planted in place of a working file still points where
//     it did, with its target unchanged;
//   - after a success every output file exists and no working file is left;
//   - every written file ends each line with CR LF and holds no lower-case
//     ASCII letter outside the list heading (the run upper-cases its input,
//     so "inf" or "nan" can only come from printing a non-finite number);
//   - a failure carries a reason and is not an internal error (an exception
//     other than RunError escaping a phase);
//   - the run ends within kMaxSeconds.
//
// An input may start with a control line that sets what the user would
// choose (fuzz_settings.h); run_checks.h checks the properties.
//
// The fuzzer works in an empty current directory of its own (to see stray
// writes there), so corpus and artifact paths given to it must be absolute;
// scripts/fuzz gives them so.
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "fuzz_settings.h"
#include "fuzz_ui.h"
#include "model/run_error.h"
#include "model/ui_services.h"
#include "model/working_table.h"
#include "rename/rename_session.h"
#include "run/run_driver.h"
#include "run_checks.h"
#include "sandbox.h"

namespace kestrelon::fuzz {
namespace {

// What a run left: its outcome and every file of the scratch directory.
struct Snapshot {
  RunOutcome::Kind kind;
  std::string error;
  std::map<std::string, std::string> files;
  bool operator==(const Snapshot&) const = default;
};

Snapshot RunOnce(std::string_view data, const FuzzSettings& settings) {
  static WorkingTable table;
  const Sandbox& box = TheSandbox();
  EmptyWorkDirectory();
  ::unlink((box.root + "/" + kLinkedInput).c_str());
  if (HasBystander(settings)) Spit(box.work + kBystanderName, kBystanderText);
  if (settings.plant_links) {
    for (const char* w : kWorkingFiles) {
      if (settings.input_name == w) continue;
      if (::symlink(box.bait.c_str(), (box.work + w).c_str()) != 0)
        Violation("cannot plant a link");
    }
  }
  if (settings.linked_input) {
    std::string real = box.root + "/" + kLinkedInput;
    Spit(real, data);
    if (::symlink(real.c_str(), (box.work + settings.input_name).c_str()) != 0)
      Violation("cannot link the input");
  } else {
    Spit(box.work + settings.input_name, data);
  }

  FuzzUi ui(settings, box.work + settings.input_name);
  RunOptions options;
  options.check_only = settings.check_only;
  auto start = std::chrono::steady_clock::now();
  RunOutcome outcome = RunCleaning(ui, table, options);
  std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  if (std::getenv("KESTRELON_FUZZ_VERBOSE") != nullptr) {
    const char* kinds[] = {"success", "unreadable", "failed"};
    std::fprintf(stderr, "clean_fuzzer: %s%s%s\n",
                 kinds[static_cast<int>(outcome.kind)],
                 outcome.error ? ": " : "",
                 outcome.error ? outcome.error->Describe().c_str() : "");
  }
  CheckAfterRun(data, settings, outcome, took.count());

  Snapshot snap{
      outcome.kind, outcome.error ? outcome.error->Describe() : "", {}};
  for (const std::string& name : List(box.work)) {
    snap.files[name] = Slurp(box.work + name).value_or("(link)");
  }
  return snap;
}

}  // namespace
}  // namespace kestrelon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  std::string_view data(reinterpret_cast<const char*>(bytes), size);
  using namespace kestrelon::fuzz;
  FuzzSettings settings = ReadSettings(data);
  Snapshot first = RunOnce(data, settings);
  // One input in four runs again: the reused working table and the files a
  // previous run left must not change what a run does.
  if (std::hash<std::string_view>()(data) % 4 == 0) {
    if (RunOnce(data, settings) != first)
      Violation("a second run of the same input gave another result");
  }
  return 0;
}
