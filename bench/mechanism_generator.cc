#include "mechanism_generator.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace kestrelon {
namespace {

// A small linear congruential generator keeps the output identical on every
// machine and library, which std::mt19937 distributions do not promise.
class Lcg {
 public:
  uint32_t Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<uint32_t>(state_ >> 33);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }

 private:
  uint64_t state_ = 20041;
};

std::string Format(const char* fmt, double a, double b, double c) {
  char buf[96];
  std::snprintf(buf, sizeof(buf), fmt, a, b, c);
  return buf;
}

std::string SpeciesName(int i) {
  static const char* kBases[] = {"c7h15", "C7H14OOH", "c6h13o2", "C5H11",
                                 "c4h8o",  "C3H6CHO",  "c2h5o2",  "CH3COCH2",
                                 "c8h17",  "NC7KET"};
  return std::string(kBases[i % 10]) + "-" + std::to_string(i / 10 + 1);
}

class Writer {
 public:
  explicit Writer(int species) : species_(species) {}

  std::string text;
  int lines = 0;  // lines that reach the working table

  void Line(const std::string& line) {
    text += line;
    text += (lines % 3 == 0) ? "\n" : "\r\n";
    ++lines;
  }
  void Comment(const std::string& line) { text += "! " + line + "\r\n"; }
  std::string S() { return SpeciesName(rng_.Below(species_)); }
  std::string Arrhenius() {
    double a = (1 + rng_.Below(9000) / 1000.0) * kPow[rng_.Below(8)];
    double n = (rng_.Below(600) - 300) / 100.0;
    double ea = rng_.Below(60000) - 2000 + rng_.Below(10) / 10.0;
    return Format(rng_.Below(2) ? "%.3e  %.2f  %.1f" : "%.4E\t%.3f\t%.0f", a,
                  n, ea);
  }
  int Below(int n) { return rng_.Below(n); }

 private:
  static constexpr double kPow[] = {1e6, 1e9, 1e11, 1e12, 1e13, 1e14, 1e16, 1e20};
  int species_;
  Lcg rng_;
};

// Each form writes one reaction with its auxiliary lines and returns how
// many table lines it used.
int WriteReaction(Writer& w, int form) {
  const int before = w.lines;
  switch (form) {
    case 0:
      w.Line(w.S() + " + " + w.S() + " = " + w.S() + " + " + w.S() + "   " +
             w.Arrhenius() + "   ! abstraction");
      break;
    case 1:
      w.Line(w.S() + "+" + w.S() + "=>" + w.S() + "  " + w.Arrhenius());
      break;
    case 2:
      w.Line(w.S() + "(+m) <=> " + w.S() + " + h(+M)   " + w.Arrhenius());
      w.Line("   low  /  " + w.Arrhenius() + "  /");
      w.Line("   troe /  0.5  1.0E-30  1.0E+30  1.0E+10 /");
      w.Line("   h2/2.0/ h2o/6.0/ ar/0.7/ co/1.5/ co2/2.0/");
      break;
    case 3:
      w.Line(w.S() + " + h (+M) = " + w.S() + " (+M)  " + w.Arrhenius());
      w.Line("\tLOW/" + w.Arrhenius() + "/");
      w.Line("\tSRI/0.45 797.0 979.0/");
      break;
    case 4:
      w.Line(w.S() + "+" + w.S() + "(+m)=" + w.S() + "(+m) " + w.Arrhenius());
      w.Line("  HIGH / " + w.Arrhenius() + " /");
      break;
    case 5:
      w.Line(w.S() + " + oh = " + w.S() + " + h2o  " + w.Arrhenius());
      w.Line("  rev / " + w.Arrhenius() + " /");
      break;
    case 6: {
      std::string eq = w.S() + " + ho2 = " + w.S() + " + o2";
      w.Line(eq + "  " + w.Arrhenius());
      w.Line("  DUP");
      w.Line(eq + "  " + w.Arrhenius());
      w.Line("  dup");
      break;
    }
    case 7:
      w.Line("2" + w.S() + " = " + w.S() + "  " + w.Arrhenius());
      break;
    case 8:
      w.Line(w.S() + "+" + w.S() + "+" + w.S() + "+" + w.S() + "=>" + w.S() +
             "+" + w.S() + "  " + w.Arrhenius() + "  ! global step");
      w.Line("  FORD / " + w.S() + " 1.5 /");
      break;
    default:
      w.Line(w.S() + " + M = " + w.S() + " + h + M   " + w.Arrhenius());
      w.Line("   h2/2.5/ h2o/12.0/ co/1.9/ co2/3.8/");
      break;
  }
  return w.lines - before;
}

// Table lines each form uses, to know when the last block still fits.
constexpr int kFormLines[] = {1, 1, 4, 3, 2, 2, 4, 1, 2, 2};

}  // namespace

std::string GenerateMechanism(int table_lines) {
  if (table_lines < 64) table_lines = 64;
  const int species = table_lines / 20 > 60 ? table_lines / 20 : 60;
  const int per_line = 8;
  Writer w(species);
  w.text.reserve(static_cast<size_t>(table_lines) * 90 + species * 330);

  w.Comment("generated mechanism for benchmarks");
  w.Line("elements");
  w.Line("c h o n ar");
  w.Line("end");
  w.Line("species");
  for (int i = 0; i < species; i += per_line) {
    std::string line;
    for (int k = i; k < i + per_line && k < species; ++k) {
      line += SpeciesName(k) + (k % 3 ? "  " : "\t");
    }
    w.Line(line);
  }
  w.Line("end");

  w.text += "thermo\r\n   300.000  1000.000  5000.000\r\n";
  for (int i = 0; i < species; ++i) {
    char name[19];
    std::snprintf(name, sizeof(name), "%-18s", SpeciesName(i).c_str());
    w.text += std::string(name) +
              "G 1/05C   7H  15    0    0G   300.000  5000.000 1391.000    1\r\n"
              " 2.22148969E+01 3.47675750E-02-1.18407129E-05 1.83298478E-09-1.06130266E-13    2\r\n"
              "-4.20839680E+03-8.67986140E+01-3.79155767E-02 8.26774220E-02-5.73278460E-05    3\r\n"
              " 2.09869260E-08-3.18707240E-12 6.07727030E+03 4.21372727E+01                   4\r\n";
  }
  w.text += "end\r\n";

  w.Line("reactions  cal/mole");
  const int last = table_lines - 1;  // the closing END
  int form = 0;
  while (w.lines < last) {
    const int room = last - w.lines;
    const int f = form++ % 10;
    if (kFormLines[f] <= room) {
      WriteReaction(w, f);
    } else {
      WriteReaction(w, 1);
    }
    if (form % 50 == 0) w.Comment("next block");
  }
  w.Line("END");
  return w.text;
}

}  // namespace kestrelon
