// Whatever a file on disk holds, the readers that open files by their path (project,
// language file, initialisation file, built application, a build's list of files) give a
// result or a message; a build's list never names anything outside its folder.
#include "builder/buildfolder.h"
#include "builder/datablockreader.h"
#include "document/filebytes.h"
#include "document/inifile.h"
#include "document/languagetable.h"
#include "document/projectfile.h"

#include <cstdlib>
#include <fstream>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                              ("qv-fuzz-read-files-" + std::to_string(::getpid()));
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const qv::ProjectReadResult project = qv::readProjectFile(path);
    if (!project.ok() && project.message.find(path.string()) == std::string::npos)
        std::abort();
    qv::LanguageTable::read(path);
    qv::readIniFile(path);
    qv::ReadAppFile(path);

    std::vector<uint8_t> head;
    std::vector<uint8_t> whole;
    std::string error;
    if (!qv::ReadFileHead(path, 5, head, error) ||
        !qv::ReadFileBytes(path, qv::filelimit::kProject, whole, error) || head.size() > 5 ||
        whole.size() != size || !std::equal(head.begin(), head.end(), whole.begin()))
        std::abort();

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::filesystem::path& name : qv::ParseBuildList(text)) {
        if (name.is_absolute() || name.lexically_normal() != name || *name.begin() == "..")
            std::abort();
    }
    return 0;
}
