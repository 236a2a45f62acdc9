#include "run/summary.h"

namespace kestrelon {
namespace {

// A path of 50 characters or more is shown as the root of the current
// directory, "[...]/" and the bare file name.
constexpr size_t kLongPath = 50;

std::string Root(const std::string& cwd) { return cwd.substr(0, 1); }

}  // namespace

std::string OutputFileLines(const RunRecord& run, const std::string& cwd) {
  const RunVariables& v = run.vars;
  std::string text;
  auto add = [&text](const std::string& line) {
    if (!text.empty()) text += kCrLf;
    text += "Output file: " + line;
  };
  if (v.has_thermo) {
    add(v.thermopath.size() < kLongPath
            ? v.thermopath
            : Root(cwd) + "[...]/" + run.thermoname + "." + run.thermoext);
  }
  const bool long_paths = v.outpathk.size() >= kLongPath;
  const std::string* paths[] = {&v.outpathj, &v.outpathcal, &v.outpathk};
  for (int i = 0; i < 3; ++i) {
    add(long_paths ? Root(cwd) + "[...]/" + run.cleanname +
                         FileWord(kOutUnits[i]) + "." + run.outext
                   : *paths[i]);
  }
  return text;
}

void ShowSummary(UiServices& ui, const RunRecord& run) {
  const RunVariables& v = run.vars;
  ui.SetStatus("Information...");

  std::string files = v.has_thermo ? "4 Ouput Files have been created:"
                                   : "3 Ouput Files have been created:";
  if (v.has_thermo) files += kCrLf + v.thermopath + " (Thermo Data)";
  files += kCrLf + v.outpathj + " (Ea in joule/mole)";
  files += kCrLf + v.outpathcal + " (Ea in calorie/mole)";
  files += kCrLf + v.outpathk + " (Ea/R in Kelvin)";
  ui.ShowMessage(files, "Operation successful!", MessageIcon::kInformation);

  ui.SetOutputLabel(OutputFileLines(run, ui.CurrentDirectory()));

  if (run.nercount <= 0) return;
  const std::string count = " " + std::to_string(run.nercount);
  std::string text;
  if (run.nercount == 1) {
    text = std::string("Kestrelon has detected ") + kCrLf + count +
           " non-elementary reaction in your mechanism." + kCrLf +
           "It has been flagged and placed at the end of each output file.";
  } else {
    text = std::string("Kestrelon has detected at least") + kCrLf + count +
           " non-elementary reactions in your mechanism." + kCrLf +
           "They have been flagged and placed at the end of each output file.";
  }
  text += std::string(kCrLf) + kCrLf +
          "Some non-elementary reactions may have slipped through the net, "
          "for example:" +
          kCrLf + "A+B+C=>2D+F+2D cannot be detected.";
  ui.ShowMessage(text, "Information", MessageIcon::kInformation);
}

}  // namespace kestrelon
