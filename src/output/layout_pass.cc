#include "output/layout_pass.h"

#include <string>
#include <string_view>

#include "output/number_format.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

enum class Keyword { kNone, kLow, kHigh, kRev };

// Only the first word counts: "CH2LOW" or "HIGHX" in a reaction line must
// not turn that line into a keyword line.
bool BeginsWithWord(std::string_view line, std::string_view word) {
  if (!StartsWith(line, word)) return false;
  return line.size() == word.size() || line[word.size()] == ' ' ||
         line[word.size()] == '/';
}

Keyword KeywordOf(std::string_view line) {
  if (BeginsWithWord(line, "LOW")) return Keyword::kLow;
  if (BeginsWithWord(line, "HIGH")) return Keyword::kHigh;
  if (BeginsWithWord(line, "REV")) return Keyword::kRev;
  return Keyword::kNone;
}

struct Parameters {
  std::string keyword_text;  // everything before the first "/"
  std::string a;
  std::string n;
  std::string ea;
};

// Reads the "/A n Ea/" block of a keyword line and prints its three values.
Parameters ReadParameters(const RunContext& ctx, std::string line,
                          OutUnit unit) {
  ReplaceAll(line, "  ", " ");
  size_t first = line.find('/');
  if (first == std::string::npos ||
      line.find('/', first + 1) == std::string::npos) {
    line += '/';
  }
  ReplaceAll(line, "/ ", "/");
  ReplaceAll(line, " /", "/");
  const size_t p1 = line.find('/');
  const size_t p2 = p1 == std::string::npos ? p1 : line.find('/', p1 + 1);
  if (p2 == std::string::npos) {
    throw RunError("keyword line without its /A n Ea/ block");
  }
  const std::string block = line.substr(p1 + 1, p2 - p1 - 1);
  const size_t q1 = block.find(' ');
  const size_t q2 = q1 == std::string::npos ? q1 : block.find(' ', q1 + 1);
  if (q2 == std::string::npos) {
    throw RunError(
        "keyword line needs three values A, n and Ea between its "
        "slashes");
  }
  Parameters p;
  p.keyword_text = line.substr(0, p1);
  p.a = FormatNumber(LeadingNumber(block.substr(0, q1)), ctx.patterns.a);
  p.n = FormatNumber(LeadingNumber(block.substr(q1 + 1, q2 - q1 - 1)),
                     ctx.patterns.n);
  p.ea = FormatNumber(
      ConvertEa(ctx.unit, unit, LeadingNumber(block.substr(q2 + 1))),
      ctx.patterns.ea);
  return p;
}

std::string LayOutKeywordLine(const RunContext& ctx, const std::string& line,
                              OutUnit unit) {
  Parameters p = ReadParameters(ctx, line, unit);
  return p.keyword_text + " /" + p.a + " " + p.n + " " + p.ea + "/";
}

// The reverse reaction of `previous`, which must be a reversible reaction
// line "REACTANTS<=>PRODUCTS A n Ea".
std::string ReverseLine(const RunContext& ctx, const std::string& line,
                        const std::string& previous, OutUnit unit) {
  Parameters p = ReadParameters(ctx, line, unit);
  const size_t e = previous.find('=');
  const size_t s = previous.find(' ');
  if (e == std::string::npos || e == 0 || e + 1 >= previous.size() ||
      previous[e + 1] != '>' || s == std::string::npos || s < e + 2) {
    throw RunError("REV line does not follow its reaction line");
  }
  if (previous[e - 1] != '<') {
    throw RunError(
        "REV line after an irreversible reaction (\"=>\"): only a reversible "
        "reaction can have explicit reverse parameters");
  }
  const std::string reactants = previous.substr(0, e - 1);
  const std::string products = previous.substr(e + 2, s - e - 2);
  return products + "<=>" + reactants + " " + p.a + " " + p.n + " " + p.ea;
}

}  // namespace

void LayOutFile(RunContext& ctx, const std::string& path, OutUnit unit) {
  const std::string content = ReadFile(path);
  LineBuffer out;
  out.Reserve(content.size() + content.size() / 4);
  std::string previous;
  int number = 0;
  // Element and species lines are never keyword lines, whatever their
  // names; the reaction section and the list after it may hold them.
  bool in_reactions = false;
  for (std::string_view view : SplitLines(content)) {
    ++number;
    std::string line(view);
    if (line == "REACTIONS") in_reactions = true;
    try {
      switch (in_reactions ? KeywordOf(line) : Keyword::kNone) {
        case Keyword::kLow:
        case Keyword::kHigh:
          line = LayOutKeywordLine(ctx, line, unit);
          break;
        case Keyword::kRev:
          line = ReverseLine(ctx, line, previous, unit);
          break;
        case Keyword::kNone:
          break;
      }
    } catch (const RunError& e) {
      if (!e.file().empty()) throw;
      throw RunError(e.reason(), path, number);
    }
    out.Add(line);
    previous = std::move(line);
  }
  ReplaceThroughWorkingFile(path, ctx.WorkPath(kTempo3), out.text());
}

}  // namespace kestrelon
