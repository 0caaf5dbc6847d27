#include "builder/recordfiles.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace qv {

namespace {

constexpr std::string_view kHelpSuffix = ".chm";
constexpr const char* kDatabaseExtension = "db";
constexpr size_t kMaxExtensionLength = 16;

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string AppNameOf(const AppData& data, const std::string& fallback)
{
    const std::string& help = data.helpFileName;
    if (help.size() > kHelpSuffix.size() &&
        equalIgnoringCase(std::string_view(help).substr(help.size() - kHelpSuffix.size()),
                          kHelpSuffix)) {
        std::string name = help.substr(0, help.size() - kHelpSuffix.size());
        // A plain name only: the block could name a path.
        if (name.find_first_of("/\\:") == std::string::npos && name != "." && name != "..")
            return name;
    }
    return fallback;
}

std::string RecordFileExtension(std::string_view dataExtension)
{
    while (!dataExtension.empty() && dataExtension.front() == '.')
        dataExtension.remove_prefix(1);
    if (dataExtension.empty() || dataExtension.size() > kMaxExtensionLength ||
        equalIgnoringCase(dataExtension, "csv"))
        return kDatabaseExtension;
    for (char c : dataExtension) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-')
            return kDatabaseExtension;
    }
    std::string extension(dataExtension);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

std::string RecordFileName(const std::string& appName, std::string_view dataExtension)
{
    return appName + "." + RecordFileExtension(dataExtension);
}

bool IsRecordFile(const std::string& fileName, const std::string& appName,
                  std::string_view dataExtension)
{
    const std::string base = RecordFileName(appName, dataExtension);
    if (fileName == base)
        return true;
    static constexpr std::array<std::string_view, 3> kCompanions{"-wal", "-shm", "-journal"};
    for (std::string_view suffix : kCompanions) {
        if (fileName.size() == base.size() + suffix.size() && fileName.starts_with(base) &&
            fileName.ends_with(suffix))
            return true;
    }
    return false;
}

} // namespace qv
