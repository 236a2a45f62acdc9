// The plot options of `kestrelon compare`:
//
//   --plot FILE.svg|FILE.png [--size WIDTHxHEIGHT] [--temperatures LOW:HIGH]
//
// write the k(B)/k(A) plot of the 20 reactions whose rate constants differ
// most (by default 1200x800 pixels, 300 K to 3000 K) besides the report.
// The plot is drawn by kestrelon-gui, found beside the running program, on
// Qt's offscreen platform, so that this program links no Qt and no display
// is needed (see shell/plot_export.h for the hidden argument it is given).
// Nothing here throws beyond std::bad_alloc.
#ifndef KESTRELON_CLI_PLOT_OPTION_H_
#define KESTRELON_CLI_PLOT_OPTION_H_

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "compare/mechanism_compare.h"

namespace kestrelon {

struct PlotRequest {
  std::string file;
  int width = 1200;
  int height = 800;
  double t_low = 300.0;
  double t_high = 3000.0;
};

// The lines `kestrelon compare --help` gives the plot options.
extern const char kPlotHelp[];
// The usage line printed after a plot option's error.
extern const char kPlotUsage[];

// Takes the plot options out of `args` (up to a "--"), leaving the rest.
// On a usage error returns false and writes "kestrelon: REASON" and the
// usage line to `err`.
bool TakePlotOptions(std::vector<std::string>* args,
                     std::optional<PlotRequest>* plot, std::ostream& err);

// Compares the files of `settings` again in kestrelon-gui and writes the
// plot. Returns 0, or 2 when the plot cannot be written (the reason, as
// "kestrelon: ..." lines, on `err`).
int WritePlot(const PlotRequest& plot, const CompareSettings& settings,
              std::ostream& err);

}  // namespace kestrelon

#endif  // KESTRELON_CLI_PLOT_OPTION_H_
