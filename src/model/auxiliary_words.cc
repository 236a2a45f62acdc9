#include "model/auxiliary_words.h"

namespace kestrelon {
namespace {

constexpr std::string_view kKeywords[] = {
    "LOW",     "HIGH",  "TROE",  "SRI",   "REV",       "LT",
    "RLT",     "PLOG",  "CHEB",  "TCHEB", "PCHEB",     "FORD",
    "RORD",    "UNITS", "TDEP",  "EXCI",  "JAN",       "FIT1",
    "HV",      "MOME",  "XSMI",  "DUP",   "DUPLICATE", "USRPROG",
    "COLLEFF", "EFFS",  "STICK", "MWON",  "MWOFF"};

}  // namespace

std::string_view FirstAuxiliaryWord(std::string_view line) {
  size_t end = 0;
  while (end < line.size() && line[end] != ' ' && line[end] != '/') ++end;
  return line.substr(0, end);
}

bool IsAuxiliaryKeyword(std::string_view word) {
  for (std::string_view k : kKeywords) {
    if (word == k) return true;
  }
  return false;
}

bool CopiedToReverse(std::string_view line) {
  const std::string_view word = FirstAuxiliaryWord(line);
  if (word == "DUP" || word == "DUPLICATE") return true;
  return !word.empty() && !IsAuxiliaryKeyword(word) &&
         line.find('/') != std::string_view::npos;
}

}  // namespace kestrelon
