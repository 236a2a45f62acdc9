// The file chooser's filter, from the run's text to the dialog's list.
//
// The run gives its filter as pairs of description and pattern separated by
// "|" ("*.RXN Files (*.rxn)|*.RXN|...|"), patterns of one pair separated by
// ";". On Linux names are case-sensitive, so each pattern is offered in
// lower and in upper case, and "*.*" becomes "*" (a file without a dot is a
// file too). Each pair becomes one Qt name filter, "description (patterns)",
// the description's own bracketed patterns replaced. Nothing here throws.
#ifndef KESTRELON_SHELL_CHOOSER_FILTERS_H_
#define KESTRELON_SHELL_CHOOSER_FILTERS_H_

#include <QStringList>
#include <string>

namespace kestrelon {

QStringList ChooserFilters(const std::string& filter);

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_CHOOSER_FILTERS_H_
