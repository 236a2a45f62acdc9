#include "cli/cli_services.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/run_error.h"
#include "run/run_driver.h"

namespace kestrelon {
namespace {

TEST(CliServicesTest, NamesFromTheOptionsOnceAndTheWaitOnStderr) {
  for (bool quiet : {false, true}) {
    CleanOptions o;
    o.mechanism = "m.inp";
    o.name = "clean";
    o.thermo_name = "therm";
    o.quiet = quiet;
    std::ostringstream out, err;
    CliServices ui(o, out, err);
    EXPECT_EQ(ui.AskText(NamePrompt::kThermoName, "Kestrelon", "?"), "therm");
    EXPECT_EQ(ui.AskText(NamePrompt::kCleanName, "Kestrelon", "?"), "clean");
    // The run asks again only when it refused the name; the message it
    // showed becomes the reason the run ends with.
    ui.ShowMessage("This name would overwrite the input file.", "Kestrelon",
                   MessageIcon::kNone);
    try {
      ui.AskText(NamePrompt::kCleanName, "Kestrelon", "?");
      ADD_FAILURE() << "a second question must end the run";
    } catch (const RunError& e) {
      EXPECT_EQ(e.reason(), "This name would overwrite the input file.");
    }
    // Quiet or not: a run that seems to hang needs its reason.
    ui.SetStatus(kWaitingForLock);
    EXPECT_EQ(err.str(),
              "kestrelon: m.inp: waiting for another run in this directory\n");
  }
}

}  // namespace
}  // namespace kestrelon
