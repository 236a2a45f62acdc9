#include "cli/cli_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "platform/run_error.h"
#include "run/run_driver.h"

namespace kestrelon {
namespace {

CleanOptions Options(bool quiet) {
  CleanOptions o;
  o.mechanism = "./a/../m.inp";
  o.name = "clean";
  o.thermo_name = "therm";
  o.quiet = quiet;
  return o;
}

TEST(CliServicesTest, ForTerminalTurnsOnlyCrLfPairsIntoLf) {
  EXPECT_EQ(ForTerminal("a\r\n\r\nb\r\n"), "a\n\nb\n");
  EXPECT_EQ(ForTerminal("a\rb\nc\r"), "a\rb\nc\r");
}

TEST(CliServicesTest, NamePromptsAnswerFromTheOptionsOnce) {
  std::ostringstream out, err;
  CliServices ui(Options(false), out, err);
  EXPECT_EQ(ui.AskText(NamePrompt::kThermoName, "Kestrelon", "?"), "therm");
  EXPECT_EQ(ui.AskText(NamePrompt::kCleanName, "Kestrelon", "?"), "clean");
  // The run asks again only when it refused the name; the message it showed
  // becomes the reason the run ends with.
  ui.ShowMessage("This name would overwrite the input file.", "Kestrelon",
                 MessageIcon::kNone);
  try {
    ui.AskText(NamePrompt::kCleanName, "Kestrelon", "?");
    FAIL() << "a second question must end the run";
  } catch (const RunError& e) {
    EXPECT_EQ(e.reason(), "This name would overwrite the input file.");
  }
  EXPECT_EQ(ui.ChooseFile({}),
            (std::filesystem::current_path() / "m.inp").string());
}

TEST(CliServicesTest, MessagesGoToStdoutUnlessQuietAndErrorsToStderr) {
  for (bool quiet : {false, true}) {
    std::ostringstream out, err;
    CliServices ui(Options(quiet), out, err);
    ui.ShowMessage("3 Ouput Files have been created:\r\na\r\nb",
                   "Operation successful!", MessageIcon::kInformation);
    ui.SetStatus("In progress...");
    ui.SetStatus(kWaitingForLock);
    ui.ShowMessage("Your file can not be treated!", "Error !",
                   MessageIcon::kCritical);
    EXPECT_EQ(out.str(),
              quiet ? "" : "3 Ouput Files have been created:\na\nb\n");
    EXPECT_EQ(err.str(),
              std::string(quiet ? ""
                                : "kestrelon: ./a/../m.inp: waiting for "
                                  "another run in this directory\n") +
                  "kestrelon: ./a/../m.inp: Your file can not be treated!\n");
  }
}

}  // namespace
}  // namespace kestrelon
