#include "builder/webfragment.h"

#include "designer/canvassettings.h"
#include "document/units.h"

namespace qv {

std::string WebFragment(const Script& script)
{
    const char q = '"';
    std::string fragment = "<Div Width=";
    fragment += q + singleText(twipsToPixels(script.width)) + q;
    fragment += " Height=";
    fragment += q + singleText(twipsToPixels(script.height)) + q;
    fragment += " Style=";
    fragment += q;
    fragment += "Left:" + singleText(twipsToPixels(script.left)) +
                "px; POSITION: absolute; Top:" + singleText(twipsToPixels(script.top)) + "px;";
    fragment += q;
    fragment += ">" + script.tag + "</Div>";
    return fragment;
}

} // namespace qv
