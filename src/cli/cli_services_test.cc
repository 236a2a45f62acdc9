#include "cli/cli_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "platform/run_error.h"

namespace kestrelon {
namespace {

CleanOptions Options(bool quiet = false) {
  CleanOptions o;
  o.mechanism = "dir/m.inp";
  o.name = "clean";
  o.thermo_name = "therm";
  o.quiet = quiet;
  return o;
}

TEST(ForTerminalTest, CrLfBecomesLf) {
  struct Case {
    const char* text;
    const char* want;
  } cases[] = {
      {"a\r\nb", "a\nb"},
      {"a\r\n\r\nb\r\n", "a\n\nb\n"},
      // A lone CR or LF is not a CR LF pair.
      {"a\rb\nc", "a\rb\nc"},
      {"\r", "\r"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ForTerminal(c.text), c.want);
}

TEST(CliServicesTest, NamePromptsAnswerFromTheOptionsOnce) {
  std::ostringstream out, err;
  CliServices ui(Options(), out, err);
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
}

TEST(CliServicesTest, MessagesGoToStdoutUnlessQuietAndErrorsToStderr) {
  for (bool quiet : {false, true}) {
    std::ostringstream out, err;
    CliServices ui(Options(quiet), out, err);
    ui.ShowMessage("3 Ouput Files have been created:\r\na\r\nb",
                   "Operation successful!", MessageIcon::kInformation);
    ui.ShowMessage("Your file can not be treated!", "Error !",
                   MessageIcon::kCritical);
    EXPECT_EQ(out.str(),
              quiet ? "" : "3 Ouput Files have been created:\na\nb\n");
    EXPECT_EQ(err.str(),
              "kestrelon: dir/m.inp: Your file can not be treated!\n");
  }
}

TEST(CliServicesTest, ErrorDialogPrintsTheExpectedLayout) {
  std::ostringstream out, err;
  CliServices ui(Options(true), out, err);
  ui.ShowErrorDialog();
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(),
            "Kestrelon cannot read this file.\n"
            "This is not a valid CHEMKIN file, or its format is not currently "
            "supported.\n"
            "Check that your file has the following format:\n"
            "ELEMENTS !3 lines minimum\nAR SI C O\nF H CL\nEND\n"
            "SPECIES !3 lines minimum\nCH3 H2O HO2 CCl4 CH4\nCO CO2 OH\nEND\n"
            "THERMO !3 lines minimum\n...\n...\nEND\n"
            "REACTIONS !3 lines minimum\n...\n...\nEND\n");
}

TEST(CliServicesTest, ChosenFileIsTheMechanismAsAnAbsolutePath) {
  std::ostringstream out, err;
  CleanOptions o = Options();
  o.mechanism = "./a/../m.inp";
  CliServices ui(o, out, err);
  std::optional<std::string> chosen = ui.ChooseFile({});
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, (std::filesystem::current_path() / "m.inp").string());
}

TEST(CliServicesTest, SettingsAreTheOptions) {
  std::ostringstream out, err;
  CleanOptions o = Options();
  o.settings.unit = EaUnit::kKelvin;
  o.settings.ea_pattern = "0";
  CliServices ui(o, out, err);
  WindowSettings s = ui.ReadSettings();
  EXPECT_EQ(s.unit, EaUnit::kKelvin);
  EXPECT_EQ(s.ea_pattern, "0");
  EXPECT_EQ(s.a_pattern, "0.000E+00");
}

}  // namespace
}  // namespace kestrelon
