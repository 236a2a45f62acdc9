// The texts of the error dialog that opens when a file cannot be treated:
// what it says, and the example of the layout the program expects (sixteen
// lines joined by CR LF, no line break after the last). The window shows
// them in its dialog; the command line prints them on stderr.
#ifndef KESTRELON_MODEL_ERROR_LAYOUT_H_
#define KESTRELON_MODEL_ERROR_LAYOUT_H_

namespace kestrelon {

inline constexpr const char* kErrorDialogTitle = "Possible Causes...";
inline constexpr const char* kErrorCannotRead =
    "Kestrelon cannot read this file.";
inline constexpr const char* kErrorNotValid =
    "This is not a valid CHEMKIN file, or its format is not currently "
    "supported.";
inline constexpr const char* kErrorTryToSave =
    "Try to save your file with a Windows Text Editor (Notepad, Wordpad...) "
    "or check that your file has the following format:";
inline constexpr const char* kErrorExampleLayout =
    "ELEMENTS !3 lines minimum\r\n"
    "AR SI C O\r\n"
    "F H CL\r\n"
    "END\r\n"
    "SPECIES !3 lines minimum\r\n"
    "CH3 H2O HO2 CCl4 CH4\r\n"
    "CO CO2 OH\r\n"
    "END\r\n"
    "THERMO !3 lines minimum\r\n"
    "...\r\n"
    "...\r\n"
    "END\r\n"
    "REACTIONS !3 lines minimum\r\n"
    "...\r\n"
    "...\r\n"
    "END";

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_ERROR_LAYOUT_H_
