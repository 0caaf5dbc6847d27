#include "builder/webfragment.h"

#include "document/units.h"

#include <cmath>
#include <cstdio>

namespace qv {

std::string SingleText(float value)
{
    if (value == 0 || std::isnan(value))
        return "0";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(value));
    return buffer;
}

std::string WebFragment(const Script& script)
{
    const char q = '"';
    std::string fragment = "<Div Width=";
    fragment += q + SingleText(twipsToPixels(script.width)) + q;
    fragment += " Height=";
    fragment += q + SingleText(twipsToPixels(script.height)) + q;
    fragment += " Style=";
    fragment += q;
    fragment += "Left:" + SingleText(twipsToPixels(script.left)) + "px; POSITION: absolute; Top:" +
                SingleText(twipsToPixels(script.top)) + "px;";
    fragment += q;
    fragment += ">" + script.tag + "</Div>";
    return fragment;
}

}  // namespace qv
