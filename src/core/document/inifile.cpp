#include "document/inifile.h"

#include "document/atomicfile.h"
#include "document/codepage.h"
#include "document/filebytes.h"
#include "document/languagetable.h"
#include "document/utf8.h"

#include <cstdint>
#include <vector>

namespace qv {

namespace {

constexpr int kStoredRecords = IniFile::kLanguageRecord;
constexpr std::size_t kStoredBytes = kStoredRecords * IniFile::kRecordSize;
// A missing file is created with the five recent-project records only.
constexpr std::size_t kNewFileBytes = kRecentProjectCount * IniFile::kRecordSize;
// The file is a few hundred bytes; a huge one is not ours, and its tail is not kept.
constexpr std::size_t kMaxKeptBytes = 1u << 20;

std::string readRecord(std::string_view bytes, int record, const std::string& fileName,
                       std::vector<std::string>& warnings)
{
    const std::size_t offset = static_cast<std::size_t>(record - 1) * IniFile::kRecordSize;
    if (offset >= bytes.size()) {
        return {};
    }
    const std::string where =
        "Initialisation file '" + fileName + "', record " + std::to_string(record);
    if (bytes.size() - offset < 2) {
        warnings.push_back(where + " is cut short by the end of the file; read as empty");
        return {};
    }
    const std::size_t length =
        static_cast<unsigned char>(bytes[offset]) |
        static_cast<std::size_t>(static_cast<unsigned char>(bytes[offset + 1])) << 8;
    if (length > IniFile::kMaxTextBytes) {
        warnings.push_back(where + " claims " + std::to_string(length) + " bytes, more than the " +
                           std::to_string(IniFile::kMaxTextBytes) +
                           " a record holds; read as empty");
        return {};
    }
    if (bytes.size() - offset - 2 < length) {
        warnings.push_back(where + " is cut short by the end of the file; read as empty");
        return {};
    }
    const std::string_view text = bytes.substr(offset + 2, length);
    if (isValidUtf8(text)) {
        return std::string(text);
    }
    return CodePage::western().toUtf8(text);
}

void appendRecord(std::string& bytes, const std::string& text, const std::string& what,
                  std::vector<std::string>& warnings)
{
    std::string record(IniFile::kRecordSize, '\0');
    if (text.size() > IniFile::kMaxTextBytes) {
        warnings.push_back(what + " '" + text + "' is " + std::to_string(text.size()) +
                           " bytes long; a record of the initialisation file holds " +
                           std::to_string(IniFile::kMaxTextBytes) + ", so it is not stored");
    } else {
        record[0] = static_cast<char>(text.size() & 0xFF);
        record[1] = static_cast<char>(text.size() >> 8);
        record.replace(2, text.size(), text);
    }
    bytes += record;
}

} // namespace

IniFile IniFile::parse(std::string_view bytes, const std::string& fileName,
                       std::vector<std::string>& warnings)
{
    IniFile ini;
    for (int i = 0; i < kRecentProjectCount; ++i) {
        ini.recentProjects[static_cast<std::size_t>(i)] =
            readRecord(bytes, i + 1, fileName, warnings);
    }
    ini.language = readRecord(bytes, kLanguageRecord, fileName, warnings);
    // The name becomes part of a path; one that would leave the languages folder is refused.
    if (!ini.language.empty() && !isValidLanguageName(ini.language)) {
        warnings.push_back("Initialisation file '" + fileName + "', record " +
                           std::to_string(kLanguageRecord) + " holds '" + ini.language +
                           "', which is not a language name; no language is chosen");
        ini.language.clear();
    }
    if (bytes.size() > kStoredBytes) {
        ini.laterRecords = std::string(bytes.substr(kStoredBytes, kMaxKeptBytes));
    }
    return ini;
}

std::string IniFile::serialize(std::vector<std::string>& warnings) const
{
    std::string bytes;
    bytes.reserve(kStoredBytes + laterRecords.size());
    for (int i = 0; i < kRecentProjectCount; ++i) {
        appendRecord(bytes, recentProjects[static_cast<std::size_t>(i)],
                     "Recent project " + std::to_string(i + 1), warnings);
    }
    appendRecord(bytes, language, "The language name", warnings);
    bytes += laterRecords;
    return bytes;
}

IniLoad readIniFile(const std::filesystem::path& path)
{
    IniLoad result;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec) {
        std::string error;
        if (!writeFileAtomically(path, std::string(kNewFileBytes, '\0'), error)) {
            result.error = "Cannot create the initialisation file: " + error;
        } else {
            result.created = true;
        }
        return result;
    }
    // Only the records in use are read; the rest of a long file is never touched.
    std::vector<uint8_t> head;
    std::string error;
    if (!ReadFileHead(path, kStoredBytes + kMaxKeptBytes, head, error)) {
        result.error = "Cannot read the initialisation file " + error;
        return result;
    }
    const std::string bytes(head.begin(), head.end());
    result.ini = IniFile::parse(bytes, path.string(), result.warnings);
    return result;
}

bool writeIniFile(const std::filesystem::path& path, const IniFile& ini, std::string& error,
                  std::vector<std::string>& warnings)
{
    const std::string bytes = ini.serialize(warnings);
    if (!writeFileAtomically(path, bytes, error)) {
        error = "Cannot save the initialisation file: " + error;
        return false;
    }
    return true;
}

} // namespace qv
