#pragma once

#include <cstdint>
#include <span>

namespace qv {

// The application runtime that this program carries, as built with it; the application
// builder writes it out under the application's name.
std::span<const uint8_t> embeddedRuntimeImage();

} // namespace qv
