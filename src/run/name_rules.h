// How typed names and extensions become parts of file names.
//
// A typed name keeps everything but the eleven characters a file name may
// not hold (double quote . / \ : ? ' < > | *), each of which becomes "x";
// it is never rejected unless empty. Extensions come from the window's
// option buttons and "Customize:" boxes.
#ifndef KESTRELON_RUN_NAME_RULES_H_
#define KESTRELON_RUN_NAME_RULES_H_

#include <string>
#include <string_view>

#include "model/ui_services.h"
#include "platform/text_ops.h"

namespace kestrelon {

std::string CleanTypedName(std::string_view typed);

// "rxn", "mech", or the custom text less * . / \ : ? " ' < > |; "rxn" when
// nothing is left.
std::string MechanismExtension(MechExtChoice choice, std::string_view text);

// "dat", "the", or the custom text less * and ., with / \ : ? " ' < > |
// turned into "x"; "dat" when nothing is left.
std::string ThermoExtension(ThermoExtChoice choice, std::string_view text);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_NAME_RULES_H_
