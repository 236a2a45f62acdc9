// The auxiliary lines that follow a reaction in a cleaned mechanism file,
// read as items: "LOW /6.366E+20 -1.7200 2195.8/", "TROE /0.5 1.0E-30
// 1.0E+30 /", "DUP", and third-body efficiencies "H2/2.5/ H2O/12.0/".
//
// A line is a series of words, each optionally followed by values between
// two slashes; blanks around the slashes do not matter, and a missing
// closing slash closes at the end of the line. A word that names an
// auxiliary keyword (LOW, HIGH, TROE, SRI, REV, PLOG, ...) is a keyword
// item; any other word with one value is an efficiency (a species and its
// factor); "DUPLICATE" is read as "DUP". Items hold views into the line,
// which must outlive them. Reads only; never throws.
#ifndef KESTRELON_COMPARE_AUX_LINE_H_
#define KESTRELON_COMPARE_AUX_LINE_H_

#include <string>
#include <string_view>
#include <vector>

#include "model/cleaned_file.h"

namespace kestrelon {

struct AuxItem {
  std::string_view name;    // keyword or species ("DUPLICATE": "DUP")
  std::string_view values;  // the text between the slashes, as written
  bool has_values = false;  // written with slashes
  bool efficiency = false;  // a species with its factor

  // The values, split at blanks.
  std::vector<std::string_view> Values() const;
  // "/v1 v2 v3/" (single blanks) for an item with values, "" otherwise.
  std::string ValuesText() const;
};

// Calls `f` with each blank-separated word of `text`; stops early when `f`
// returns false. Returns the number of words visited.
template <typename F>
size_t ForEachWord(std::string_view text, F&& f) {
  size_t count = 0;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i > start) {
      ++count;
      if (!f(text.substr(start, i - start))) break;
    }
  }
  return count;
}

// Appends the items of one auxiliary line (blank-trimmed) to `items`.
void ParseAuxLine(std::string_view line, std::vector<AuxItem>* items);

// The items of a reaction of a cleaned file: its reverse-rate line first,
// as a "REV" item, then those of its auxiliary lines.
std::vector<AuxItem> AuxItemsOf(const CleanedReactionLine& reaction);

// Whether two reactions have the same reverse rate and auxiliary lines,
// text for text, and so the same items. Most matched reactions do; their
// items need not be read.
bool SameAuxLines(const CleanedReactionLine& x, const CleanedReactionLine& y);

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_AUX_LINE_H_
