#include "cli/thermo_compare_command.h"

#include "check/thermo_compare.h"
#include "check/thermo_compare_output.h"
#include "check/thermo_reader.h"
#include "compare/number_text.h"
#include "model/run_error.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

constexpr int kSame = 0;
constexpr int kDiffer = 1;
constexpr int kBadUsage = 64;

bool TakesValue(const std::string& a) {
  return a == "--tolerance" || a == "--temperatures";
}

std::optional<std::vector<double>> ParseTemperatures(const std::string& text) {
  std::vector<double> out;
  size_t from = 0;
  for (;;) {
    size_t comma = text.find(',', from);
    std::optional<double> t =
        ParseNumberText(std::string_view(text).substr(from, comma - from));
    if (!t || *t <= 0) return std::nullopt;
    out.push_back(*t);
    if (comma == std::string::npos) return out;
    from = comma + 1;
  }
}

}  // namespace

std::optional<int> CompareIfThermoFiles(const std::vector<std::string>& args,
                                        std::ostream& out, std::ostream& err,
                                        FilesRead* files_read) {
  std::vector<std::string> files;
  std::vector<std::pair<std::string, std::string>> options;
  bool json = false;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string a = args[i];
    size_t eq = a.find('=');
    if (a.rfind("--", 0) == 0 && eq != std::string::npos) {
      options.emplace_back(a.substr(0, eq), a.substr(eq + 1));
    } else if (TakesValue(a)) {
      options.emplace_back(a, i + 1 < args.size() ? args[++i] : "");
    } else if (a == "--json") {
      json = true;
    } else if (a.empty() || a[0] != '-' || a == "-") {
      files.push_back(a);
    } else {
      options.emplace_back(a, "");
    }
  }
  if (files.size() != 2) return std::nullopt;
  std::string texts[2];
  try {
    for (int k = 0; k < 2; ++k) texts[k] = ReadFile(files[k]);
  } catch (const FileError&) {
    return std::nullopt;  // the mechanism compare says why
  }
  if (!LooksLikeThermoFile(texts[0]) || !LooksLikeThermoFile(texts[1])) {
    if (files_read != nullptr) {
      files_read->read = true;
      for (int k = 0; k < 2; ++k) {
        files_read->names[k] = files[k];
        files_read->texts[k] = std::move(texts[k]);
      }
    }
    return std::nullopt;
  }

  ThermoCompareSettings settings;
  for (const auto& [name, value] : options) {
    if (name == "--tolerance") {
      std::optional<double> v = ParseNumberText(value);
      if (!v || *v < 0) {
        err << "kestrelon: --tolerance needs a number of 0 or more, not \""
            << value << "\"\n";
        return kBadUsage;
      }
      settings.tolerance = *v;
    } else if (name == "--temperatures") {
      std::optional<std::vector<double>> t = ParseTemperatures(value);
      if (!t) {
        err << "kestrelon: --temperatures needs temperatures in K above 0 "
               "separated by commas, such as 300,1000,2000, not \""
            << value << "\"\n";
        return kBadUsage;
      }
      settings.temperatures = *t;
    } else {
      err << "kestrelon: unknown option " << name << "\n";
      return kBadUsage;
    }
  }
  ThermoData data[2] = {ReadThermoFile(texts[0]), ReadThermoFile(texts[1])};
  // An entry that cannot be read is left out of the comparison: the user is
  // told, or two files with the same unreadable entry would pass as the
  // same without a word.
  for (int k = 0; k < 2; ++k) {
    for (const ThermoProblem& p : data[k].problems) {
      err << "kestrelon: " << files[k] << ":" << p.line
          << ": warning: " << p.text << "\n";
    }
  }
  ThermoCompareReport report = CompareThermo(data[0], data[1], settings);
  report.file_a = files[0];
  report.file_b = files[1];
  out << (json ? RenderThermoCompareJson(report)
               : RenderThermoCompareText(report));
  return report.Same() ? kSame : kDiffer;
}

}  // namespace kestrelon
