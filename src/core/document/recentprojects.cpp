#include "document/recentprojects.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

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

std::string recentProjectPath(std::string_view path)
{
    if (path.empty()) {
        return {};
    }
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::path(path), ec);
    if (ec) {
        absolute = std::filesystem::path(path);
    }
    return absolute.lexically_normal().string();
}

bool addRecentProject(RecentProjects& entries, std::string_view openedPath)
{
    if (openedPath.empty() || fileNameOf(openedPath) == "Default.baf") {
        return false;
    }
    const std::string entry = recentProjectPath(openedPath);
    if (std::find(entries.begin(), entries.end(), entry) != entries.end()) {
        return false;
    }
    std::move_backward(entries.begin(), entries.end() - 1, entries.end());
    entries.front() = entry;
    return true;
}

} // namespace qv
