#include "document/recentprojects.h"

#include <algorithm>

namespace qv {

namespace {

// The last component of a path; both separators count, since a list written on Windows
// may hold backslashes.
std::string_view fileNameOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

bool addRecentProject(RecentProjects& entries, std::string_view openedPath)
{
    if (openedPath.empty() || fileNameOf(openedPath) == "Default.baf") {
        return false;
    }
    if (std::find(entries.begin(), entries.end(), openedPath) != entries.end()) {
        return false;
    }
    std::move_backward(entries.begin(), entries.end() - 1, entries.end());
    entries.front() = std::string(openedPath);
    return true;
}

} // namespace qv
