// The properties every cleaning run of the fuzzer must keep, checked on
// what the run left in the sandbox: the input unchanged, nothing outside
// the scratch directory, only files the run may write inside it, planted
// links and the bystander untouched, no working file after a success, the
// outputs present after a success, every written line closed by CR LF and
// upper case (so no "inf" or "nan"), failures with a reason and never an
// internal error, and a prompt end. A broken property is a Violation().
#ifndef KESTRELON_FUZZ_RUN_CHECKS_H_
#define KESTRELON_FUZZ_RUN_CHECKS_H_

#include <string_view>

#include "fuzz_settings.h"
#include "run/run_driver.h"

namespace kestrelon::fuzz {

inline constexpr const char* kWorkingFiles[] = {"tempo.int",  "tempo2.int",
                                                "tempo3.int", "tempo4.int",
                                                "tempo5.int", "tempo6.int"};

void CheckAfterRun(std::string_view data, const FuzzSettings& s,
                   const RunOutcome& outcome, double seconds);

}  // namespace kestrelon::fuzz

#endif  // KESTRELON_FUZZ_RUN_CHECKS_H_
