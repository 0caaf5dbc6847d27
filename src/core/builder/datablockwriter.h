#pragma once

#include "builder/appdata.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qv {

// The bytes of a built application's executable: the runtime image, the data block
// starting at the image's last byte (1-based position N = image length, which the block
// overwrites), and the 4-byte trailer holding the block's length. The KeyStr key bytes are
// read from the image itself. `sectionDone` is called after each section (1..18). Throws
// BuildRefused, naming the text, when a record cannot be stored; nothing is returned then.
// A text with characters that the application's code page cannot hold is written with "?"
// in their place and named in `warnings`.
std::vector<uint8_t> WriteAppFile(std::vector<uint8_t> runtimeImage, const AppData& data,
                                  const std::function<void(int)>& sectionDone = {},
                                  std::vector<std::string>* warnings = nullptr);

// A runtime image must reach past the key bytes of the first texts.
inline constexpr size_t kMinRuntimeImageSize = 1024;

} // namespace qv
