// The lines the command line prints about a file whose sections were not
// all found, in its "kestrelon: FILE:LINE: ..." form; the causes themselves
// are found by run/unreadable_causes.h, which the window reads too. `file`
// is the input as named on the command line. Nothing here throws but
// std::bad_alloc.
#ifndef KESTRELON_CLI_END_DIAGNOSTICS_H_
#define KESTRELON_CLI_END_DIAGNOSTICS_H_

#include <string>
#include <string_view>
#include <vector>

#include "run/unreadable_causes.h"

namespace kestrelon {

// What a message about a refusal that `clean --permissive` lifts ends with.
inline constexpr std::string_view kPermissiveAdvice =
    "; use --permissive to clean it anyway";

// `kestrelon: FILE:N: "END  " is not counted: only a line reading
// exactly END closes a section`, then `advice`.
std::string DescribeNearEnd(const std::string& file, const NearEnd& near,
                            std::string_view advice = {});

// The lines the command line prints after the unreadable-file message:
// how many sections `endcount` lines reading exactly END close, then at most
// `limit` near ENDs and a line saying how many more there are.
std::vector<std::string> UnreadableDiagnostics(const std::string& file,
                                               int endcount,
                                               std::string_view text,
                                               std::string_view advice = {},
                                               size_t limit = 20);

}  // namespace kestrelon

#endif  // KESTRELON_CLI_END_DIAGNOSTICS_H_
