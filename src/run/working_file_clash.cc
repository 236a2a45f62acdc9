#include "run/working_file_clash.h"

#include "model/run_error.h"
#include "model/run_record.h"
#include "platform/paths.h"

namespace kestrelon {

void RefuseInputAsWorkingFile(const std::string& inputpath,
                              const std::string& inputdir,
                              const std::string& shown) {
  for (const char* w : kWorkingFiles) {
    if (SameFile(inputdir + w, inputpath)) {
      throw RunError(std::string("the input file is the working file ") + w +
                         " of the run under another name (a link); rename "
                         "or move it first",
                     shown);
    }
  }
}

}  // namespace kestrelon
