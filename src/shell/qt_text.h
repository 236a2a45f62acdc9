// Conversions between the run's texts and the window's. The run keeps text
// as bytes (UTF-8 where it came from the user) and joins the lines of a
// message with CR LF; Qt widgets take QString and break lines at LF.
// Nothing here throws.
#ifndef KESTRELON_SHELL_QT_TEXT_H_
#define KESTRELON_SHELL_QT_TEXT_H_

#include <QString>
#include <string>

namespace kestrelon {

// `text` with every CR LF (and any lone CR) shown as a line break.
inline QString ToDisplay(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QChar(u'\r'), QChar(u'\n'));
  return shown;
}

inline QString ToDisplay(const char* text) {
  return ToDisplay(std::string(text));
}

inline std::string FromDisplay(const QString& text) {
  return text.toStdString();
}

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_QT_TEXT_H_
