// Why a file was found unreadable: a section is closed only by a line that
// reads exactly END (in any case), so an END with blanks or TABs around it or
// a comment after it closes nothing. FindNearEnds reads the text of an input
// file (lines end at CR LF, CR or LF) and lists those lines: their text with
// the comment and the blanks and TABs around it taken away is END in any
// case, while the line itself, upper-cased with its TABs as blanks, is not
// exactly END. Nothing here throws.
#ifndef KESTRELON_CLI_END_DIAGNOSTICS_H_
#define KESTRELON_CLI_END_DIAGNOSTICS_H_

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// What a message about a refusal that `clean --permissive` lifts ends with.
inline constexpr std::string_view kPermissiveAdvice =
    "; use --permissive to clean it anyway";

struct NearEnd {
  int line = 0;      // 1-based
  std::string text;  // the line as written
};

std::vector<NearEnd> FindNearEnds(std::string_view text);

// `kestrelon: FILE:N: "END  " is not counted: only a line reading
// exactly END closes a section`, the line quoted as written, a TAB shown as
// \t, then `advice`. `file` is the input as named on the command line.
std::string DescribeNearEnd(const std::string& file, const NearEnd& near,
                            std::string_view advice = {});

// The lines the command line prints after the unreadable-file message:
// how many sections `endcount` lines reading exactly END close, then at most
// `limit` near ENDs (each ending with `advice`) and a line saying how many
// more there are.
std::vector<std::string> UnreadableDiagnostics(const std::string& file,
                                               int endcount,
                                               std::string_view text,
                                               std::string_view advice = {},
                                               size_t limit = 20);

}  // namespace kestrelon

#endif  // KESTRELON_CLI_END_DIAGNOSTICS_H_
