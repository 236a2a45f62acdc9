// The plot that `kestrelon compare A B --plot FILE` asks for, drawn by
// kestrelon-gui on the offscreen platform so that the command line itself
// links no Qt and no display is needed:
//
//   kestrelon-gui --draw-compare-plot A B FILE WIDTH HEIGHT T_LOW T_HIGH REL
//
// compares A and B (REL: the relative tolerance, or "digits" for the
// printed digits) and writes the k(B)/k(A) plot of the 20 reactions whose
// rate constants differ most, legend by equation, as FILE (SVG or PNG by
// its suffix) of WIDTH x HEIGHT pixels, with the chart code of the window.
// Returns the exit status: 0 written, 2 a file that cannot be read or
// written (said on stderr as "kestrelon: ..."), 64 bad arguments.
#ifndef KESTRELON_SHELL_PLOT_EXPORT_H_
#define KESTRELON_SHELL_PLOT_EXPORT_H_

namespace kestrelon {

inline constexpr char kDrawComparePlot[] = "--draw-compare-plot";

// `argv[1]` is kDrawComparePlot. Makes its own QApplication.
int DrawComparePlot(int argc, char** argv);

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_PLOT_EXPORT_H_
