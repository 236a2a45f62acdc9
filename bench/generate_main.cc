// kestrelon_generate LINES FILE: writes a generated mechanism whose working
// table holds LINES lines.
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "mechanism_generator.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: kestrelon_generate LINES FILE\n";
    return 64;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << kestrelon::GenerateMechanism(std::atoi(argv[1]));
  return out ? 0 : 1;
}
