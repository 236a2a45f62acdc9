#include "cli/clean_command.h"

#include <sys/stat.h>

#include <filesystem>

#include "cli/check_report.h"
#include "cli/end_diagnostics.h"
#include "cli/section_hints.h"
#include "model/run_error.h"
#include "model/run_warning.h"
#include "platform/paths.h"
#include "run/reactions_unit.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "run/name_prompt.h"
#include "run/name_rules.h"
#include "run/run_driver.h"
#include "run/thermo_file.h"
#include "model/working_table.h"

namespace kestrelon {
namespace {

constexpr const char* kValueOptions[] = {
    "--name",     "--thermo-name", "--unit",      "--ext",    "--thermo-ext",
    "--a-format", "--n-format",    "--ea-format", "--rename", "--thermo"};

std::string StemOf(const std::string& path) {
  std::string name = BaseName(path);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

bool ParseUnit(const std::string& text, CleanOptions* o) {
  static const struct {
    const char* word;
    EaUnit unit;
  } kUnits[] = {{"kj", EaUnit::kKj},
                {"kcal", EaUnit::kKcal},
                {"j", EaUnit::kJ},
                {"cal", EaUnit::kCal},
                {"kelvin", EaUnit::kKelvin}};
  if (text == "auto") {
    o->unit_auto = true;
    return true;
  }
  for (const auto& u : kUnits) {
    if (text == u.word) {
      o->settings.unit = u.unit;
      o->unit_auto = false;
      return true;
    }
  }
  return false;
}

// The files a run with these options may write next to the input, named as
// the run names them, each with the options that make its name.
struct PlannedFile {
  std::string name;
  std::string made_by;
};

std::vector<PlannedFile> PlannedFiles(const CleanOptions& o) {
  const std::string name = CleanTypedName(o.name);
  const std::string ext =
      MechanismExtension(o.settings.mech_ext, o.settings.mech_ext_text);
  const std::string by_name = "--name " + o.name;
  std::vector<PlannedFile> files;
  for (const char* unit : {"j", "cal", "kelvin"}) {
    files.push_back({name + unit + "." + ext, by_name});
  }
  files.push_back(
      {CleanTypedName(o.thermo_name) + "." +
           ThermoExtension(o.settings.thermo_ext, o.settings.thermo_ext_text),
       "--thermo-name " + o.thermo_name});
  return files;
}

// Refuses, before anything is written, names whose files would take the
// place of the input, of a working file of the run, or of one another.
std::optional<std::string> CheckPlannedNames(const CleanOptions& o,
                                             const std::string& input_path) {
  const std::string dir = DirectoryOf(input_path);
  const std::string input_name = BaseName(input_path);
  std::vector<PlannedFile> files = PlannedFiles(o);
  for (const PlannedFile& f : files) {
    if (f.name == input_name || SameFile(dir + f.name, input_path)) {
      return f.made_by + ": " + kOverwritesInput;
    }
    for (const char* w :
         {kTempo, kTempo2, kTempo3, kTempo4, kTempo5, kTempo6}) {
      if (f.name == w) {
        return f.made_by +
               ": This name would overwrite a working file of the run.";
      }
    }
  }
  const PlannedFile& thermo = files.back();
  if (!o.settings.thermo_file.empty() &&
      SameFile(dir + thermo.name, o.settings.thermo_file)) {
    return thermo.made_by + ": This name would overwrite the file of --thermo.";
  }
  for (size_t i = 0; i + 1 < files.size(); ++i) {
    if (files[i].name == thermo.name) {
      return files[i].made_by + " and " + thermo.made_by + " both name " +
             thermo.name;
    }
  }
  return std::nullopt;
}

std::string AbsolutePath(const std::string& path) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(path, ec);
  return ec ? path : p.lexically_normal().string();
}

}  // namespace

void PrintUsage(std::ostream& out) {
  out << "usage: kestrelon clean MECHANISM [options]\n"
         "       kestrelon compare FILE_A FILE_B [--tolerance REL] [--json]\n"
         "       kestrelon            (opens the window)\n"
         "\n"
         "Cleans a CHEMKIN mechanism: writes NAMEj.EXT, NAMEcal.EXT and\n"
         "NAMEkelvin.EXT (Ea in J/mol, cal/mol and K) and, when the input\n"
         "holds a THERMO section or --thermo is given, THERMONAME.THERMOEXT,\n"
         "next to the input.\n"
         "\n"
         "options (--opt VALUE or --opt=VALUE):\n"
         "  --name NAME          base name of the cleaned files\n"
         "                       (default: the input's name without "
         "extension)\n"
         "  --thermo-name NAME   base name of the thermo file (default: NAME"
         "thermo)\n"
         "  --unit U             unit of Ea in the input: kj, kcal, j, cal,\n"
         "                       kelvin, or auto: the unit its REACTIONS line\n"
         "                       declares (default cal)\n"
         "  --ext E              rxn, mech or a custom extension (default "
         "rxn)\n"
         "  --thermo-ext E       dat, the or a custom extension (default dat)\n"
         "  --thermo FILE        the thermo data of a mechanism without a\n"
         "                       THERMO section, cleaned into the thermo file\n"
         "  --a-format P         0.000E+00 (default), 0.00E+00, 0.0E+00\n"
         "  --n-format P         0.0000 (default), 0.000, 0.00\n"
         "  --ea-format P        0.00, 0.0 (default), 0\n"
         "  --rename OLD=NEW     rename a species in every file (repeatable)\n"
         "  --check              run in full but write no file\n"
         "  --quiet              print nothing on success but warnings\n"
         "  --help, --version\n"
         "\n"
         "exit status: 0 success, 1 the run failed, 2 unreadable file,\n"
         "64 usage error\n";
}

std::optional<CleanOptions> ParseCleanOptions(
    const std::vector<std::string>& args, std::ostream& err) {
  CleanOptions o;
  bool have_thermo_name = false;
  auto fail = [&err](const std::string& what) {
    err << "kestrelon: " << what << "\n";
    return std::nullopt;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    std::string a = args[i];
    if (a.size() < 2 || a[0] != '-') {
      if (!o.mechanism.empty()) {
        return fail("more than one mechanism given: " + a);
      }
      o.mechanism = a;
      continue;
    }
    std::optional<std::string> inline_value;
    size_t eq = a.find('=');
    if (a.rfind("--", 0) == 0 && eq != std::string::npos) {
      inline_value = a.substr(eq + 1);
      a.resize(eq);
    }
    if (a == "--quiet" || a == "--check") {
      if (inline_value) return fail("option " + a + " takes no value");
      (a == "--quiet" ? o.quiet : o.check) = true;
      continue;
    }
    bool known = false;
    for (const char* name : kValueOptions) known = known || a == name;
    if (!known) return fail("unknown option " + a);
    std::string v;
    if (inline_value) {
      v = *inline_value;
    } else if (i + 1 < args.size()) {
      v = args[++i];
    } else {
      return fail("option " + a + " needs a value");
    }
    if (a == "--name" || a == "--thermo-name") {
      if (v.empty()) return fail(a + " must not be empty");
      (a == "--name" ? o.name : o.thermo_name) = v;
      have_thermo_name = have_thermo_name || a == "--thermo-name";
    } else if (a == "--thermo") {
      if (v.empty()) return fail("--thermo must not be empty");
      o.settings.thermo_file = v;
    } else if (a == "--unit") {
      if (!ParseUnit(v, &o)) {
        return fail("unknown unit \"" + v +
                    "\" for --unit; use kj, kcal, j, cal, kelvin or auto");
      }
    } else if (a == "--ext") {
      if (v.empty()) return fail("--ext must not be empty");
      o.settings.mech_ext = v == "rxn"    ? MechExtChoice::kRxn
                            : v == "mech" ? MechExtChoice::kMech
                                          : MechExtChoice::kCustom;
      o.settings.mech_ext_text = v;
    } else if (a == "--thermo-ext") {
      if (v.empty()) return fail("--thermo-ext must not be empty");
      o.settings.thermo_ext = v == "dat"   ? ThermoExtChoice::kDat
                              : v == "the" ? ThermoExtChoice::kThe
                                           : ThermoExtChoice::kCustom;
      o.settings.thermo_ext_text = v;
    } else if (a == "--a-format" || a == "--n-format" || a == "--ea-format") {
      const std::string_view* allowed = a == "--a-format" ? kAPatternItems
                                        : a == "--n-format" ? kNPatternItems
                                                            : kEaPatternItems;
      bool ok = false;
      for (int k = 0; k < 3; ++k) ok = ok || v == allowed[k];
      if (!ok) {
        return fail("unknown pattern \"" + v + "\" for " + a + "; use " +
                    std::string(allowed[0]) + ", " + std::string(allowed[1]) +
                    " or " + std::string(allowed[2]));
      }
      std::string& slot = a == "--a-format"   ? o.settings.a_pattern
                          : a == "--n-format" ? o.settings.n_pattern
                                              : o.settings.ea_pattern;
      slot = v;
    } else {  // --rename
      size_t sep = v.find('=');
      if (sep == std::string::npos || sep == 0 || sep + 1 == v.size()) {
        return fail("--rename needs OLD=NEW with both names, not \"" + v +
                    "\"");
      }
      if (v.find_first_of(" \t") != std::string::npos) {
        return fail("--rename \"" + v +
                    "\": a species name holds no blank or TAB");
      }
      o.renames.emplace_back(v.substr(0, sep), v.substr(sep + 1));
    }
  }
  if (o.mechanism.empty()) return fail("no mechanism file given");
  if (o.name.empty()) o.name = StemOf(o.mechanism);
  if (o.name.empty()) o.name = "mechanism";
  if (!have_thermo_name) o.thermo_name = o.name + "thermo";
  return o;
}

int RunCleanCommand(const std::vector<std::string>& args, std::ostream& out,
                    std::ostream& err) {
  std::optional<CleanOptions> options = ParseCleanOptions(args, err);
  auto usage_error = [&err]() {
    err << "run 'kestrelon --help' for the options\n";
    return kExitUsage;
  };
  if (!options) return usage_error();
  const std::string& given = options->mechanism;
  const std::string input_path = AbsolutePath(given);

  if (std::optional<std::string> clash =
          CheckPlannedNames(*options, input_path)) {
    err << "kestrelon: " << *clash << "\n";
    return usage_error();
  }

  // Read once: the run cleans the bytes the unit is taken from, and a file
  // that cannot be read ends the run with the reason where the run would
  // have read it.
  InputRead input;
  const std::string* text = nullptr;
  int warnings = 0;
  try {
    input.text = ReadFile(input_path);
    text = &input.text;
  } catch (const FileError& e) {
    input.error = e;
  }
  if (text && !options->settings.thermo_file.empty() &&
      HasThermoSection(*text)) {
    err << "kestrelon: --thermo " << options->settings.thermo_file << ": "
        << given << " has a THERMO section of its own\n";
    return usage_error();
  }
  if (text) {
    UnitDecision decision =
        DecideUnit(ReadReactionsLine(*text), options->unit_auto,
                   options->settings.unit, given);
    if (decision.error) {
      err << *decision.error << "\n";
      return usage_error();
    }
    for (const std::string& w : decision.warnings) err << w << "\n";
    warnings = static_cast<int>(decision.warnings.size());
    options->settings.unit = decision.unit;
  }

  CliServices services(*options, out, err);
  // Kept to the end of the process: freeing the cells one by one would be
  // work the exit does anyway.
  static WorkingTable* const table_kept = new WorkingTable;
  WorkingTable& table = *table_kept;
  RunOptions run_options;
  run_options.check_only = options->check;
  run_options.input = &input;
  std::optional<MechanismCounts> counts;
  if (options->check && !options->quiet) {
    const int lines = text ? static_cast<int>(LinesOf(*text).size()) : 0;
    run_options.analysed = [&](const WorkingTable& t, const SectionIndex& i) {
      counts = CountMechanism(t, i, lines);
    };
  }
  RunOutcome outcome = RunCleaning(services, table, run_options);
  // The run names the input by its bare name; the user named it as given.
  auto as_given = [&](const std::string& file) {
    return file == BaseName(input_path) || file == input_path ? given : file;
  };
  for (const RunWarning& w : outcome.warnings) {
    err << FormatWarning(as_given(w.file), w.line, w.text) << "\n";
  }
  warnings += static_cast<int>(outcome.warnings.size());
  switch (outcome.kind) {
    case RunOutcome::Kind::kSuccess:
      if (counts) out << CheckReport(given, *counts, warnings) << "\n";
      return kExitOk;
    case RunOutcome::Kind::kUnreadable:
      for (const std::string& line : UnreadableDiagnostics(
               given, outcome.vars.endcount, text ? *text : std::string())) {
        err << line << "\n";
      }
      if (text) {
        for (const std::string& line : SectionHints(given, *text)) {
          err << line << "\n";
        }
      }
      return kExitUnreadable;
    case RunOutcome::Kind::kFailed:
      break;
  }
  const RunError& e = *outcome.error;
  err << "kestrelon: "
      << RunError(e.reason(), as_given(e.file()), e.line()).Describe() << "\n";
  // The sections were not all found: say which lines look like what the
  // search missed.
  if (text && outcome.vars.index.reacend == 0) {
    for (const NearEnd& near : FindNearEnds(*text)) {
      err << DescribeNearEnd(given, near) << "\n";
    }
    for (const std::string& line : SectionHints(given, *text)) {
      err << line << "\n";
    }
  }
  return kExitFailed;
}

}  // namespace kestrelon
