#include "run/summary.h"

namespace kestrelon {
namespace {

// A path of 50 characters or more is shown as the root of the current
// directory, "[...]/" and the bare file name.
constexpr size_t kLongPath = 50;

std::string Root(const std::string& cwd) { return cwd.substr(0, 1); }

}  // namespace

std::string OutputFileLines(const RunContext& ctx, const std::string& cwd) {
  const RunVariables& v = ctx.vars;
  std::string text;
  auto add = [&text](const std::string& line) {
    if (!text.empty()) text += kCrLf;
    text += "Output file: " + line;
  };
  if (v.nothermo == 0) {
    add(v.thermopath.size() < kLongPath
            ? v.thermopath
            : Root(cwd) + "[...]/" + ctx.thermoname + "." + ctx.thermoext);
  }
  const bool long_paths = v.outpathk.size() >= kLongPath;
  const std::string* paths[] = {&v.outpathj, &v.outpathcal, &v.outpathk};
  const char* words[] = {"j", "cal", "kelvin"};
  for (int i = 0; i < 3; ++i) {
    add(long_paths ? Root(cwd) + "[...]/" + ctx.cleanname + words[i] + "." +
                         ctx.outext
                   : *paths[i]);
  }
  return text;
}

void ShowSummary(RunContext& ctx) {
  const RunVariables& v = ctx.vars;
  ctx.ui.SetStatus("Information...");

  std::string files = v.nothermo == 0 ? "4 Ouput Files have been created:"
                                      : "3 Ouput Files have been created:";
  if (v.nothermo == 0) files += kCrLf + v.thermopath + " (Thermo Data)";
  files += kCrLf + v.outpathj + " (Ea in joule/mole)";
  files += kCrLf + v.outpathcal + " (Ea in calorie/mole)";
  files += kCrLf + v.outpathk + " (Ea/R in Kelvin)";
  ctx.ui.ShowMessage(files, "Operation successful!", MessageIcon::kInformation);

  ctx.ui.SetOutputLabel(OutputFileLines(ctx, ctx.ui.CurrentDirectory()));

  if (ctx.nercount <= 0) return;
  const std::string count = " " + std::to_string(ctx.nercount);
  std::string text;
  if (ctx.nercount == 1) {
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
  ctx.ui.ShowMessage(text, "Information", MessageIcon::kInformation);
}

}  // namespace kestrelon
