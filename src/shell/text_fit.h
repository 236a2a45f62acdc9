// Fitting texts into the room a dialog has, measured with the font that
// shows them:
//   - WrapToWidth breaks a text into lines no wider than a width, at word
//     boundaries where it can and inside a word (a long path) where it must,
//     so no part of it is ever clipped;
//   - MessageBoxText keeps every line of a message on one line of a message
//     box (a path is never broken after its last "/", a sentence never
//     loses its last word to a line of its own), eliding in the middle a
//     line wider than the box may grow.
// Reads and writes nothing; nothing here throws.
#ifndef KESTRELON_SHELL_TEXT_FIT_H_
#define KESTRELON_SHELL_TEXT_FIT_H_

#include <QFont>
#include <QString>

namespace kestrelon {

// `text` with line breaks ("\n") put in; each line keeps the blanks it ends
// with, so removing the breaks gives `text` back. Breaks already in `text`
// stay.
QString WrapToWidth(const QString& text, const QFont& font, int width);

// Rich text for a QMessageBox: the lines of `text` (broken at "\n"),
// escaped, each kept whole on a line of its own and elided in the middle
// when wider than `max_width` pixels of `font`.
QString MessageBoxText(const QString& text, const QFont& font, int max_width);

// How wide the text of a message box may grow on a screen of
// `screen_width` pixels before Qt wraps it anywhere.
int MessageTextLimit(int screen_width);

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_TEXT_FIT_H_
