#include "designer/projectpaths.h"

namespace qv {

std::string chosenProjectPath(std::string_view folder, std::string_view fileName)
{
    std::string path(folder);
    if (folder.size() >= 4) {
        const bool slashes = folder.find('/') != std::string_view::npos &&
                             folder.find('\\') == std::string_view::npos;
        if (path.back() != '\\' && path.back() != '/')
            path += slashes ? '/' : '\\';
    }
    path.append(fileName);
    return path;
}

std::string withProjectExtension(std::string_view path)
{
    const size_t nameStart = path.find_last_of("/\\");
    const size_t dot = path.find_last_of('.');
    const bool dotInName =
        dot != std::string_view::npos && (nameStart == std::string_view::npos || dot > nameStart);
    std::string result(dotInName ? path.substr(0, dot) : path);
    return result + ".baf";
}

std::string replaceQuestion(std::string_view question, std::string_view path)
{
    std::string out;
    for (char c : question) {
        if (c == '*')
            out.append(path);
        else
            out += c;
    }
    return out;
}

} // namespace qv
