// The layout passes over the three cleaned files of a run (joule, calorie,
// kelvin; output/layout_pass.h). Reads what the output stage composed;
// writes each file's laid-out text, in order, into its staged copy in
// `publisher` (none for a check, which writes nothing).
//
// The joule file goes first: a large one in two halves side by side, the
// first straight into the file, the second held until the first is
// written. The calorie and kelvin files, which read what the joule file's
// keyword lines held, follow side by side. A file is begun (staged) just
// before its text goes out.
//
// Throws the failure that laying out the files one after another would
// meet first (a RunError of a keyword line, a FileError of a staged copy),
// after setting `failed` to its file (0 joule, 1 calorie, 2 kelvin).
#ifndef KESTRELON_RUN_FILE_LAYOUTS_H_
#define KESTRELON_RUN_FILE_LAYOUTS_H_

#include <array>
#include <string>

#include "model/run_record.h"
#include "output/output_stage.h"
#include "platform/file_publisher.h"

namespace kestrelon {

void LayOutFiles(const OutputResult& written, const CoefficientStyle& style,
                 const std::array<std::string, 3>& paths,
                 FilePublisher* publisher, int& failed);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_FILE_LAYOUTS_H_
