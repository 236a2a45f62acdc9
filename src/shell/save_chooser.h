// The save chooser of the compare tab: asks, through DesktopHooks, which
// file to write, opening in `last_dir`. A name given without a suffix takes
// that of the chosen filter ("report" under "JSON report (*.json)" is
// "report.json"). Returns the path, cleaned, and sets `last_dir` to its
// folder; returns an empty string when cancelled and leaves `last_dir` as
// it was. Writes nothing; nothing here throws beyond std::bad_alloc.
#ifndef KESTRELON_SHELL_SAVE_CHOOSER_H_
#define KESTRELON_SHELL_SAVE_CHOOSER_H_

#include <QString>
#include <QStringList>

class QWidget;

namespace kestrelon {

class DesktopHooks;

QString AskSaveName(DesktopHooks& hooks, QWidget* parent, QString& last_dir,
                    const QString& title, const QStringList& filters);

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_SAVE_CHOOSER_H_
