// Language files and the initialisation file come from the user's folder: any bytes parse
// to a table, an ini or a clear error, and what parsed writes back in a form that parses
// to the same texts.

#include "document/inifile.h"
#include "document/languagetable.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    std::vector<std::string> warnings;
    const qv::IniFile ini = qv::IniFile::parse(bytes, "fuzz.ini", warnings);
    // A text that grew past a record in the conversion to UTF-8 is left out, with a warning.
    std::vector<std::string> writeWarnings;
    const std::string iniBytes = ini.serialize(writeWarnings);
    const qv::IniFile again = qv::IniFile::parse(iniBytes, "again.ini", warnings);
    if (writeWarnings.empty() && again.recentProjects != ini.recentProjects)
        std::abort();

    const qv::LanguageLoad load = qv::LanguageTable::parse(bytes, "fuzz.txt");
    if (load.table) {
        std::string written;
        std::string error;
        if (load.table->serialize(written, error)) {
            const qv::LanguageLoad reloaded = qv::LanguageTable::parse(written, "again.txt");
            if (!reloaded.table)
                std::abort();
            for (int n = 1; n <= 300; ++n) {
                if (reloaded.table->text(n) != load.table->text(n))
                    std::abort();
            }
        }
    }
    return 0;
}
