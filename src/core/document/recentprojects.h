#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qv {

inline constexpr int kRecentProjectCount = 5;

using RecentProjects = std::array<std::string, kRecentProjectCount>;

// After a project was opened: unless it is the start template (file name "Default.baf") or
// already one of the entries, the entries move down by one (the last is dropped) and the
// opened path becomes the first. Returns true when the list changed and must be stored.
bool addRecentProject(RecentProjects& entries, std::string_view openedPath);

} // namespace qv
