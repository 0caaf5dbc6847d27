#pragma once

#include "designer/designer.h"
#include "designer/objectgeometry.h"
#include "document/projectfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv::test {

// Appends an object of kind T at pixel position (left, top) on `page` and returns its index.
template <class T> int addObject(ProjectDocument& d, float left, float top, int page = 0)
{
    ObjectTable<T>& table = tableOf<T>(d);
    const int index = table.append();
    placeRecord(table[index], left, top);
    table[index].page = static_cast<decltype(table[index].page)>(page);
    return index;
}

// Gives the document a custom page of width x height pixels.
inline void setPage(ProjectDocument& d, float width, float height)
{
    d.settings.pageSizeCode = kPageSizeCustom;
    d.settings.surfaceWidth = pixelsToTwips(width);
    d.settings.surfaceHeight = pixelsToTwips(height);
}

inline int addField(ProjectDocument& d, float left, float top, std::string formula = {},
                    int tabOrder = 0)
{
    const int i = addObject<Field>(d, left, top);
    d.fields[i].fieldFormula = std::move(formula);
    d.fields[i].tag = "Field" + std::to_string(i);
    d.fields[i].tabOrder = static_cast<int16_t>(tabOrder);
    return i;
}

// The bytes of the document as a project file: two documents that encode alike are equal
// for everything the file keeps.
inline std::vector<uint8_t> encoded(const ProjectDocument& d)
{
    ProjectWriteResult result = encodeProject(d, "test.baf");
    EXPECT_TRUE(result.ok) << result.message;
    return result.bytes;
}

} // namespace qv::test
