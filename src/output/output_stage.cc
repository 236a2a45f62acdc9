#include "output/output_stage.h"

#include <string>
#include <vector>

#include "output/ea_convert.h"
#include "output/ner_list.h"
#include "output/number_format.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "run/name_prompt.h"

namespace kestrelon {
namespace {

struct OutputFile {
  OutUnit unit;
  const char* word;  // between the name and the "."
  int ea_column;
};

constexpr OutputFile kOutputFiles[] = {
    {OutUnit::kJoule, "j", 6},
    {OutUnit::kCalorie, "cal", 7},
    {OutUnit::kKelvin, "kelvin", 5},
};

std::vector<std::string> OutputPaths(const RunContext& ctx,
                                     const std::string& name) {
  std::vector<std::string> paths;
  for (const OutputFile& f : kOutputFiles) {
    paths.push_back(ctx.vars.inputdir + name + f.word + "." + ctx.outext);
  }
  return paths;
}

// The cleaned files must not replace the thermodynamic file this run has
// just written: the summary would list a file that no longer exists.
bool OverwritesThermo(const RunContext& ctx,
                      const std::vector<std::string>& paths) {
  if (ctx.vars.nothermo != 0 || ctx.vars.thermopath.empty()) return false;
  for (const std::string& p : paths) {
    if (p == ctx.vars.thermopath) return true;
  }
  return false;
}

std::string AskCleanName(RunContext& ctx) {
  for (;;) {
    std::string name =
        AskFileName(ctx, NamePrompt::kCleanName, kCleanNamePrompt, kNoCleanName,
                    [&ctx](const std::string& candidate) {
                      return OutputPaths(ctx, candidate);
                    });
    if (!OverwritesThermo(ctx, OutputPaths(ctx, name))) return name;
    ctx.ui.ShowMessage(kOverwritesThermo, kProgramTitle, MessageIcon::kNone);
  }
}

void RemoveAuxiliaryTags(RunContext& ctx) {
  for (int r = ctx.vars.index.reacrow + 1; r < ctx.vars.index.reacend; ++r) {
    std::string& line = ctx.table.At(r, 1);
    if (StartsWith(line, "#DATAUX#")) EraseAll(line, "#DATAUX#");
  }
}

void WriteOutputFile(RunContext& ctx, const OutputFile& file,
                     const std::string& path) {
  WorkingTable& table = ctx.table;
  const SectionIndex& index = ctx.vars.index;
  for (int r = index.reacrow + 1; r < index.reacend; ++r) {
    const std::string& equation = table.Get(r, 2);
    if (StartsWith(equation, "####")) continue;
    table.Set(r, 1,
              equation + " " + table.Get(r, 9) + " " + table.Get(r, 10) + " " +
                  table.Get(r, file.ea_column));
  }
  LineBuffer out;
  for (int r = index.elemrow; r <= index.reacend; ++r) {
    std::string line = table.Get(r, 1);
    ReplaceAll(line, "+(", "(+");
    ReplaceAll(line, ";", ",");
    if (!line.empty()) out.Add(line);
  }
  WriteFile(path, out.text());
}

}  // namespace

void ConvertActivationEnergies(RunContext& ctx) {
  WorkingTable& table = ctx.table;
  for (int r = ctx.vars.index.reacrow + 1; r < ctx.vars.index.reacend; ++r) {
    AtRow(ctx, r, [&] {
      const double x = LeadingNumber(table.Get(r, 11));
      for (const OutputFile& f : kOutputFiles) {
        table.Set(
            r, f.ea_column,
            FormatNumber(ConvertEa(ctx.unit, f.unit, x), ctx.patterns.ea));
      }
    });
  }
}

void RunOutputStage(RunContext& ctx) {
  ctx.ui.SetStatus("Creating Files...");
  ctx.cleanname = AskCleanName(ctx);
  const std::vector<std::string> paths = OutputPaths(ctx, ctx.cleanname);
  ctx.vars.outpathj = paths[0];
  ctx.vars.outpathcal = paths[1];
  ctx.vars.outpathk = paths[2];
  ctx.ui.SetProgress(90);
  ctx.ui.Repaint();

  ConvertActivationEnergies(ctx);
  TakeOutNonElementary(ctx);
  RemoveAuxiliaryTags(ctx);
  for (int f = 0; f < 3; ++f) WriteOutputFile(ctx, kOutputFiles[f], paths[f]);
  AppendNonElementaryList(ctx);
}

}  // namespace kestrelon
