#include "output/ner_list.h"

#include <string>

#include "output/ea_convert.h"
#include "output/number_format.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

constexpr OutUnit kUnits[] = {OutUnit::kJoule, OutUnit::kCalorie,
                              OutUnit::kKelvin};
constexpr const char* kWorkFiles[] = {kTempo4, kTempo5, kTempo6};

// The working table holds "(+" as "+(" and the input's commas as ";".
void RestoreWorkingForms(std::string& line) {
  ReplaceAll(line, "+(", "(+");
  ReplaceAll(line, ";", ",");
}

// Prints the reaction line of row `row` once per output unit into `lists`.
void ListReaction(const RunContext& ctx, int row, LineBuffer (&lists)[3]) {
  std::string line = ctx.table.Get(row, 1);
  EraseAll(line, "#NER#");
  RestoreWorkingForms(line);
  size_t p1 = line.find(' ');
  size_t p2 = p1 == std::string::npos ? p1 : line.find(' ', p1 + 1);
  size_t p3 = p2 == std::string::npos ? p2 : line.find(' ', p2 + 1);
  if (p3 == std::string::npos) {
    FailAtRow(ctx, row,
              "non-elementary reaction without its three coefficients A, n "
              "and Ea");
  }
  const std::string head =
      line.substr(0, p1) + " " +
      FormatNumber(LeadingNumber(line.substr(p1 + 1, p2 - p1 - 1)),
                   ctx.patterns.a) +
      " " +
      FormatNumber(LeadingNumber(line.substr(p2 + 1, p3 - p2 - 1)),
                   ctx.patterns.n) +
      " ";
  const double ea = LeadingNumber(line.substr(p3 + 1));
  for (int u = 0; u < 3; ++u) {
    std::string out = head + FormatNumber(ConvertEa(ctx.unit, kUnits[u], ea),
                                          ctx.patterns.ea);
    ReplaceAll(out, "|=>", "=>");
    lists[u].Add(out);
  }
}

}  // namespace

void TakeOutNonElementary(RunContext& ctx) {
  ctx.nercount = 0;
  WorkingTable& table = ctx.table;
  const int first = ctx.vars.index.reacrow + 1;
  const int end = ctx.vars.index.reacend;
  LineBuffer lists[3];
  ctx.listed_origin.clear();
  for (int r = first; r < end; ++r) {
    if (!StartsWith(table.Get(r, 1), "#NER#")) continue;
    ++ctx.nercount;
    AtRow(ctx, r, [&] { ListReaction(ctx, r, lists); });
    ctx.listed_origin.push_back(ctx.InputLineOfRow(r));
    table.At(r, 1).clear();
    // The block ends at the next reaction line: within the section only
    // reaction lines hold "=>" (in "<=>", "|=>" or "=>").
    int next = r + 1;
    for (; next < end && !Contains(table.Get(next, 1), "=>"); ++next) {
      std::string line = table.Get(next, 1);
      EraseAll(line, "#DATAUX#");
      RestoreWorkingForms(line);
      // A line of blanks in the input is an empty row here; the main part
      // of the files skips such rows, and so does the list.
      if (!line.empty()) {
        for (LineBuffer& list : lists) list.Add(line);
        ctx.listed_origin.push_back(ctx.InputLineOfRow(next));
      }
      table.At(next, 1).clear();
    }
    r = next - 1;
  }
  for (int u = 0; u < 3; ++u) {
    WriteFile(ctx.WorkPath(kWorkFiles[u]), lists[u].text());
  }
}

void AppendNonElementaryList(RunContext& ctx) {
  if (ctx.nercount > 0) {
    const std::string* outputs[] = {&ctx.vars.outpathj, &ctx.vars.outpathcal,
                                    &ctx.vars.outpathk};
    for (int u = 0; u < 3; ++u) {
      LineBuffer heading;
      heading.Add(kNerHeading);
      AppendFile(*outputs[u],
                 heading.text() + ReadFile(ctx.WorkPath(kWorkFiles[u])));
    }
    ctx.output_origin.push_back(0);  // the heading
    ctx.output_origin.insert(ctx.output_origin.end(),
                             ctx.listed_origin.begin(),
                             ctx.listed_origin.end());
  }
  for (const char* work : kWorkFiles) RemoveFile(ctx.WorkPath(work));
}

}  // namespace kestrelon
