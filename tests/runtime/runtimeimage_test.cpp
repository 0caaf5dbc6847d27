#include "builder/iconpatch.h"
#include "builder/replacebin.h"
#include "embeddedruntime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace qv {
namespace {

size_t countUtf16(std::span<const uint8_t> image, std::string_view text)
{
    std::string pattern;
    for (char c : text) {
        pattern.push_back(c);
        pattern.push_back('\0');
    }
    const std::string haystack(image.begin(), image.end());
    size_t count = 0;
    for (size_t at = haystack.find(pattern); at != std::string::npos;
         at = haystack.find(pattern, at + 1))
        ++count;
    return count;
}

// The builder patches whatever it finds: the runtime must carry each of its patch places
// exactly once, and nothing else that looks like one.
TEST(RuntimeImage, CarriesEachPatchPlaceOnce)
{
    const std::span<const uint8_t> image = embeddedRuntimeImage();
    ASSERT_GT(image.size(), 100000u);
    size_t markers = 0;
    size_t run = 0;
    for (uint8_t b : image) {
        run = b == kIconMarkerByte ? run + 1 : 0;
        if (run == kIconMarkerLength)
            ++markers;
    }
    EXPECT_EQ(markers, 1u);
    for (std::string_view placeholder :
         {kCompanyNamePlaceholder, kFileDescriptionPlaceholder, kLegalCopyrightPlaceholder,
          kLegalTrademarksPlaceholder, kProductNamePlaceholder, kOriginalFilenamePlaceholder})
        EXPECT_EQ(countUtf16(image, placeholder), 1u) << placeholder;
}

} // namespace
} // namespace qv
