// The working forms the table holds, undone for the cleaned files: "(+" is
// held as "+(" and the input's commas as ";". Reads and writes the text in
// place; never throws.
#ifndef KESTRELON_OUTPUT_WORKING_FORMS_H_
#define KESTRELON_OUTPUT_WORKING_FORMS_H_

#include <cstddef>
#include <string>

namespace kestrelon {

// What replacing every "+(" by "(+" from the left, and then every ";" by
// ",", would make of the `n` bytes at `p`.
void RestoreWorkingForms(char* p, size_t n);

inline void RestoreWorkingForms(std::string& text) {
  RestoreWorkingForms(text.data(), text.size());
}

}  // namespace kestrelon

#endif  // KESTRELON_OUTPUT_WORKING_FORMS_H_
