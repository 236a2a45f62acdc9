#include "cli/clean_command.h"

#include "output/number_format.h"
#include "run/run_driver.h"
#include "table/working_table.h"

namespace kestrelon {
namespace {

constexpr const char* kAPatterns[] = {"0.000E+00", "0.00E+00", "0.0E+00"};
constexpr const char* kNPatterns[] = {"0.0000", "0.000", "0.00"};
constexpr const char* kEaPatterns[] = {"0.00", "0.0", "0"};

std::string StemOf(const std::string& path) {
  size_t slash = path.rfind('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

bool ParseUnit(const std::string& text, EaUnit* unit) {
  static const struct {
    const char* word;
    EaUnit unit;
  } kUnits[] = {{"kj", EaUnit::kKj},
                {"kcal", EaUnit::kKcal},
                {"j", EaUnit::kJ},
                {"cal", EaUnit::kCal},
                {"kelvin", EaUnit::kKelvin}};
  for (const auto& u : kUnits) {
    if (text == u.word) {
      *unit = u.unit;
      return true;
    }
  }
  return false;
}

}  // namespace

void PrintUsage(std::ostream& out) {
  out << "usage: kestrelon clean MECHANISM [options]\n"
         "       kestrelon compare FILE_A FILE_B [--tolerance REL] [--json]\n"
         "       kestrelon            (opens the window)\n"
         "\n"
         "Cleans a CHEMKIN mechanism: writes NAMEj.EXT, NAMEcal.EXT and\n"
         "NAMEkelvin.EXT (Ea in J/mol, cal/mol and K) and, when the input\n"
         "holds a THERMO section, THERMONAME.THERMOEXT, next to the input.\n"
         "\n"
         "options:\n"
         "  --name NAME          base name of the cleaned files\n"
         "                       (default: the input's name without extension)\n"
         "  --thermo-name NAME   base name of the thermo file (default: NAME"
         "thermo)\n"
         "  --unit U             unit of Ea in the input: kj, kcal, j, cal,\n"
         "                       kelvin (default cal)\n"
         "  --ext E              rxn, mech or a custom extension (default rxn)\n"
         "  --thermo-ext E       dat, the or a custom extension (default dat)\n"
         "  --a-format P         0.000E+00 (default), 0.00E+00, 0.0E+00\n"
         "  --n-format P         0.0000 (default), 0.000, 0.00\n"
         "  --ea-format P        0.00, 0.0 (default), 0\n"
         "  --rename OLD=NEW     rename a species in every file (repeatable)\n"
         "  --check              analyse only; write no output file\n"
         "  --quiet              print nothing on success\n"
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
    const std::string& a = args[i];
    auto value = [&](std::string* into) {
      if (i + 1 >= args.size()) return false;
      *into = args[++i];
      return true;
    };
    std::string v;
    if (a == "--quiet") {
      o.quiet = true;
    } else if (a == "--check") {
      o.check = true;
    } else if (a.rfind("--", 0) == 0 && a.size() > 2) {
      if (!value(&v)) return fail("option " + a + " needs a value");
      if (a == "--name") {
        if (v.empty()) return fail("--name must not be empty");
        o.name = v;
      } else if (a == "--thermo-name") {
        if (v.empty()) return fail("--thermo-name must not be empty");
        o.thermo_name = v;
        have_thermo_name = true;
      } else if (a == "--unit") {
        if (!ParseUnit(v, &o.settings.unit)) {
          return fail("unknown unit \"" + v +
                      "\"; use kj, kcal, j, cal or kelvin");
        }
      } else if (a == "--ext") {
        o.settings.mech_ext = v == "rxn"    ? MechExtChoice::kRxn
                              : v == "mech" ? MechExtChoice::kMech
                                            : MechExtChoice::kCustom;
        o.settings.mech_ext_text = v;
      } else if (a == "--thermo-ext") {
        o.settings.thermo_ext = v == "dat"   ? ThermoExtChoice::kDat
                                : v == "the" ? ThermoExtChoice::kThe
                                             : ThermoExtChoice::kCustom;
        o.settings.thermo_ext_text = v;
      } else if (a == "--a-format" || a == "--n-format" ||
                 a == "--ea-format") {
        const char* const* allowed = a == "--a-format"   ? kAPatterns
                                     : a == "--n-format" ? kNPatterns
                                                         : kEaPatterns;
        bool ok = false;
        for (int k = 0; k < 3; ++k) ok = ok || v == allowed[k];
        if (!ok) {
          return fail("unknown pattern \"" + v + "\" for " + a + "; use " +
                      allowed[0] + ", " + allowed[1] + " or " + allowed[2]);
        }
        std::string& slot = a == "--a-format"   ? o.settings.a_pattern
                            : a == "--n-format" ? o.settings.n_pattern
                                                : o.settings.ea_pattern;
        slot = v;
      } else if (a == "--rename") {
        size_t eq = v.find('=');
        if (eq == std::string::npos || eq == 0 || eq + 1 == v.size()) {
          return fail("--rename needs OLD=NEW with both names, not \"" + v +
                      "\"");
        }
        o.renames.emplace_back(v.substr(0, eq), v.substr(eq + 1));
      } else {
        return fail("unknown option " + a);
      }
    } else if (o.mechanism.empty()) {
      o.mechanism = a;
    } else {
      return fail("more than one mechanism given: " + a);
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
  if (!options) {
    err << "run 'kestrelon --help' for the options\n";
    return kExitUsage;
  }
  CliServices services(*options, out, err);
  WorkingTable table;
  RunOptions run_options;
  run_options.check_only = options->check;
  RunOutcome outcome = RunCleaning(services, table, run_options);
  switch (outcome.kind) {
    case RunOutcome::Kind::kSuccess:
      return kExitOk;
    case RunOutcome::Kind::kUnreadable:
      return kExitUnreadable;
    case RunOutcome::Kind::kFailed:
      break;
  }
  err << "kestrelon: " << outcome.error->Describe() << "\n";
  return kExitFailed;
}

}  // namespace kestrelon
