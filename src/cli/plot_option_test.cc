#include "cli/plot_option.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>

#include "tests/support/process_support.h"

namespace kestrelon {
namespace {

using testing_support::RunKestrelon;
using testing_support::ScratchDir;

// Four changed reactions: three that differ in k, one written the other
// way round in B (its ratio is of opposite directions and is not drawn),
// and a reaction only in A.
const char* const kA =
    "ELEMENTS\r\nH O\r\nEND\r\nSPECIES\r\nH H2 O O2 OH H2O\r\nEND\r\n"
    "REACTIONS\r\n"
    "H+O2<=>OH+O 3.547E+15 -0.4060 69450.2\r\n"
    "O+H2<=>H+OH 5.080E+04 2.6700 26317.4\r\n"
    "OH+OH<=>O+H2O 3.570E+04 2.4000 -8828.2\r\n"
    "H2+O2<=>OH+OH 1.700E+13 0.0000 199911.5\r\n"
    "H+OH=>H2O 1.000E+16 -2.0000 0.0\r\nEND\r\n";
const char* const kB =
    "ELEMENTS\r\nH O\r\nEND\r\nSPECIES\r\nH H2 O O2 OH H2O\r\nEND\r\n"
    "REACTIONS\r\n"
    "H+O2<=>OH+O 1.040E+14 0.0000 63958.0\r\n"
    "O+H2<=>H+OH 3.820E+12 0.0000 33256.0\r\n"
    "OH+OH<=>O+H2O 3.570E+04 2.4000 -8000.0\r\n"
    "OH+OH<=>H2+O2 2.000E+12 0.0000 100000.0\r\nEND\r\n";

// (Its usage errors are cases of tests/cases/compare.txt.)
TEST(PlotOptionTest, TakesItsOptionsAndLeavesTheRest) {
  std::vector<std::string> args = {
      "--json",         "aj.rxn",     "--plot", "k.PNG", "--size", "640x480",
      "--temperatures", "500:2500.5", "bj.rxn", "--",    "--plot"};
  std::optional<PlotRequest> plot;
  std::ostringstream err;
  ASSERT_TRUE(TakePlotOptions(&args, &plot, err));
  EXPECT_EQ(args, (std::vector<std::string>{"--json", "aj.rxn", "bj.rxn", "--",
                                            "--plot"}));
  ASSERT_TRUE(plot);
  EXPECT_EQ(plot->file, "k.PNG");
  EXPECT_EQ(plot->width, 640);
  EXPECT_EQ(plot->height, 480);
  EXPECT_EQ(plot->t_low, 500.0);
  EXPECT_EQ(plot->t_high, 2500.5);

  args = {"aj.rxn", "bj.rxn", "--plot", "k.svg"};
  ASSERT_TRUE(TakePlotOptions(&args, &plot, err));
  EXPECT_EQ(plot->width, 1200);
  EXPECT_EQ(plot->height, 800);
  EXPECT_EQ(plot->t_low, 300.0);
  EXPECT_EQ(plot->t_high, 3000.0);
  EXPECT_EQ(err.str(), "");
}

bool GuiBuilt() {
  std::string binary = KESTRELON_BINARY;
  return ::access((binary.substr(0, binary.rfind('/') + 1) + "kestrelon-gui")
                      .c_str(),
                  X_OK) == 0;
}

std::string Output(const std::string& command) {
  std::string text;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) text.append(buf, n);
    ::pclose(pipe);
  }
  return text;
}

size_t Count(const std::string& text, const std::string& what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos;
       at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

// PNG: the width and height of the IHDR chunk, big-endian at 16 and 20.
std::pair<int, int> PngSize(const std::string& png) {
  auto be32 = [&png](size_t at) {
    int v = 0;
    for (size_t i = 0; i < 4; ++i)
      v = v * 256 + static_cast<unsigned char>(png[at + i]);
    return v;
  };
  if (png.size() < 24 || png.compare(1, 3, "PNG") != 0) return {0, 0};
  return {be32(16), be32(20)};
}

TEST(PlotOptionTest, WritesSvgAndPngWithoutADisplay) {
  if (!GuiBuilt()) GTEST_SKIP() << "built without the window";
  ::unsetenv("DISPLAY");
  ::unsetenv("WAYLAND_DISPLAY");
  ScratchDir dir;
  const std::string a = dir.Write("oldj.rxn", kA);
  const std::string b = dir.Write("newj.rxn", kB);

  auto r = RunKestrelon({"compare", a, b, "--plot", dir / "k.svg"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, RunKestrelon({"compare", a, b}).out);
  EXPECT_EQ(Output("xmllint --noout '" + dir / "k.svg" + "' 2>&1 && echo ok"),
            "ok\n");
  const std::string svg = dir.Read("k.svg");
  // One wide stroke per curve, and the legend names each by its equation.
  EXPECT_EQ(Count(svg, "stroke-width=\"2.5\""), 3u);
  for (const char* equation :
       {"H+O2&lt;=&gt;OH+O", "O+H2&lt;=&gt;H+OH", "OH+OH&lt;=&gt;O+H2O"}) {
    EXPECT_EQ(Count(svg, std::string(">") + equation + "<"), 1u) << equation;
  }
  EXPECT_EQ(Count(svg, "H2+O2&lt;=&gt;OH+OH"), 0u);

  r = RunKestrelon({"compare", "--plot", dir / "k.png", "--size", "640x480",
                    "--temperatures", "500:2000", a, b});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(PngSize(dir.Read("k.png")), std::make_pair(640, 480));

  // A plot that cannot be written: the report is there, the status is 2.
  r = RunKestrelon({"compare", a, b, "--plot", dir / "no/k.png"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "kestrelon: cannot write " + dir / "no/k.png" +
                       ": No such file or directory\n");
  EXPECT_NE(r.out, "");
}

// Without --plot the command line loads no Qt: the binary links none.
TEST(PlotOptionTest, CommandLineLinksNoQt) {
  const std::string libraries = Output(std::string("ldd ") + KESTRELON_BINARY);
  EXPECT_NE(libraries.find("libc.so"), std::string::npos);
  EXPECT_EQ(libraries.find("libQt"), std::string::npos);
}

}  // namespace
}  // namespace kestrelon
