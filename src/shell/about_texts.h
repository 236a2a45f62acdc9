// The texts of the about tab and its two links. Lines of one box are joined
// by CR LF, as the rest of the program joins message lines; the window shows
// each CR LF as a line break. The links are opened by the window.
#ifndef KESTRELON_SHELL_ABOUT_TEXTS_H_
#define KESTRELON_SHELL_ABOUT_TEXTS_H_

namespace kestrelon {

inline constexpr const char* kWindowTitle =
    "Kestrelon -- Version 2.20 -- September 2004";

inline constexpr const char* kAboutProgram =
    "Kestrelon version 2.20 - September 2004\r\n"
    "for Windows 98, 2000, NT and XP";
inline constexpr const char* kAboutAuthors = "The Kestrelon developers";
inline constexpr const char* kAboutAffiliation =
    "Kestrelon project\r\n"
    "Chemical kinetics tools\r\n"
    "Open mechanism workbench\r\n"
    "Everywhere, Internet\r\n"
    "Fax: none";
inline constexpr const char* kAboutMailFirst = "developers@kestrelon.example";
inline constexpr const char* kAboutMailSecond = "support@kestrelon.example";
inline constexpr const char* kAboutDownloadPage =
    "https://kestrelon.example/download";

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_ABOUT_TEXTS_H_
