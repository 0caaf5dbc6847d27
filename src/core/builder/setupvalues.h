#pragma once

#include <string>
#include <string_view>

namespace qv {

struct SetupInputs;

// Every value the installer script takes from the user is written on one line after its
// key: a line break in it would start lines of its own (a [Run] section, for one). False,
// with `error` naming the value, when one of them holds a line break or another control
// character.
bool CheckSetupValues(const SetupInputs& inputs, std::string& error);

// A value written inside double quotes as a parameter of the script ("Source: ..."): its own
// double quotes are doubled, as the script language reads them.
std::string QuotedSetupParameter(std::string_view value);

} // namespace qv
