#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qv {

inline constexpr int kRecentProjectCount = 5;

using RecentProjects = std::array<std::string, kRecentProjectCount>;

// After a project was opened: unless it is the start template (file name "Default.baf") or
// already one of the entries, the entries move down by one (the last is dropped) and the
// opened path, made absolute (see recentProjectPath), becomes the first. Returns true when
// the list changed and must be stored.
bool addRecentProject(RecentProjects& entries, std::string_view openedPath);

// The form in which a recent project is stored: absolute (a relative path is taken from
// the current folder, so the entry still names the file when the program starts elsewhere)
// and without "." or ".." steps, so one file gives one entry however it was named.
std::string recentProjectPath(std::string_view path);

} // namespace qv
