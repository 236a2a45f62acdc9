#include "cli/compare_command.h"

#include "cli/output_check.h"
#include "cli/plot_option.h"
#include "cli/thermo_compare_command.h"
#include "compare/report_json.h"
#include "compare/report_text.h"
#include "model/cleaned_file.h"
#include "model/run_error.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

constexpr int kSame = 0;
constexpr int kDiffer = 1;
constexpr int kCannotRead = 2;
constexpr int kBadUsage = 64;

constexpr const char* kUsage =
    "usage: kestrelon compare FILE_A FILE_B [--tolerance REL] [--json]\n";

void PrintCompareHelp(std::ostream& out) {
  out << kUsage
      << "\n"
         "Compares two cleaned mechanism files reaction by reaction, whatever\n"
         "the order of the reactions or of the species in them. Two thermo\n"
         "files are compared species by species (Cp/R, H/RT and S/R; also\n"
         "--temperatures T1,T2,..., default 300,1000,2000, and a tolerance\n"
         "of 0.001 by default).\n"
         "\n"
         "  --tolerance REL   numbers differ when they are further apart\n"
         "                    than REL times the larger one (default: when\n"
         "                    no one value could be printed as both texts)\n"
         "  --json            write the report as JSON\n"
      << kPlotHelp
      << "\n"
         "exit status: 0 same, 1 different, 2 unreadable file, 64 usage "
         "error\n";
}

bool ParseRelative(const std::string& text, double* rel) {
  std::optional<double> v = ParseNumberText(text);
  if (!v || *v < 0) return false;
  *rel = *v;
  return true;
}

// Reads and parses one file, unless `files` holds it already; on failure
// says why on `err`.
std::optional<CleanedFile> Load(const std::string& path, FilesRead* files,
                                std::ostream& err) {
  try {
    for (int k = 0; k < 2; ++k) {
      if (files->read && files->names[k] == path) {
        // Each text is taken once: "compare F F" takes both.
        files->names[k].clear();
        return ReadCleanedFile(std::move(files->texts[k]), path);
      }
    }
    return ReadCleanedFile(ReadFile(path), path);
  } catch (const RunError& e) {
    err << "kestrelon: " << e.Describe() << "\n";
    return std::nullopt;
  } catch (const FileError& e) {
    err << "kestrelon: " << RunError(e).Describe() << "\n";
    return std::nullopt;
  }
}

}  // namespace

std::optional<CompareOptions> ParseCompareOptions(
    const std::vector<std::string>& args, std::ostream& err) {
  auto fail = [&err](const std::string& what) {
    err << "kestrelon: " << what << "\n" << kUsage;
    return std::nullopt;
  };
  CompareOptions o;
  std::vector<std::string> files;
  bool options_end = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (options_end || a.empty() || a[0] != '-' || a == "-") {
      files.push_back(a);
    } else if (a == "--") {
      options_end = true;
    } else if (a == "--json") {
      o.json = true;
    } else if (a == "--tolerance" || a.rfind("--tolerance=", 0) == 0) {
      std::string v;
      if (a == "--tolerance") {
        if (i + 1 >= args.size()) return fail("--tolerance needs a value");
        v = args[++i];
      } else {
        v = a.substr(12);
      }
      if (!ParseRelative(v, &o.settings.tolerance.rel)) {
        return fail(
            "--tolerance needs a relative tolerance of 0 or more, "
            "such as 0.001, not \"" +
            v + "\"");
      }
      o.settings.tolerance.relative = true;
    } else {
      return fail("unknown option " + a);
    }
  }
  if (files.size() != 2) {
    return fail("compare needs two files, " + std::to_string(files.size()) +
                " given");
  }
  for (const std::string& f : files) {
    if (f.empty()) return fail("a file name is empty");
  }
  o.settings.file_a = files[0];
  o.settings.file_b = files[1];

  std::optional<OutUnit> ua = EaUnitFromName(files[0]);
  std::optional<OutUnit> ub = EaUnitFromName(files[1]);
  if (ua && ub && *ua != *ub) {
    return fail("the file names say different Ea units: " + files[0] +
                " is in " + UnitName(*ua) + ", " + files[1] + " in " +
                UnitName(*ub) + "; compare files of the same unit");
  }
  o.settings.unit_from_names = ua.has_value() || ub.has_value();
  if (o.settings.unit_from_names) o.settings.unit = ua ? *ua : *ub;
  return o;
}

int RunCompareCommand(const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err) {
  for (const std::string& a : args) {
    if (a == "--") break;
    if (a == "--help" || a == "-h") {
      PrintCompareHelp(out);
      return OutputWritten(out, err) ? kSame : kCannotRead;
    }
  }
  FilesRead files;
  if (std::optional<int> status =
          CompareIfThermoFiles(args, out, err, &files)) {
    return *status;
  }
  std::vector<std::string> rest = args;
  std::optional<PlotRequest> plot;
  if (!TakePlotOptions(&rest, &plot, err)) return kBadUsage;
  std::optional<CompareOptions> options = ParseCompareOptions(rest, err);
  if (!options) return kBadUsage;
  std::optional<CleanedFile> a = Load(options->settings.file_a, &files, err);
  if (!a) return kCannotRead;
  std::optional<CleanedFile> b = Load(options->settings.file_b, &files, err);
  if (!b) return kCannotRead;
  CompareReport report = CompareMechanisms(*a, *b, options->settings);
  out << (options->json ? RenderReportJson(report) : RenderReportText(report));
  if (!OutputWritten(out, err)) return kCannotRead;
  if (plot && WritePlot(*plot, options->settings, err) != 0) return kCannotRead;
  return report.Same() ? kSame : kDiffer;
}

}  // namespace kestrelon
