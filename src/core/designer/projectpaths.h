#pragma once

#include <string>
#include <string_view>

namespace qv {

// The path the file dialog gives for a chosen folder and file name: joined with a
// separator, except after a drive root (a folder path shorter than 4 characters, "C:\").
std::string chosenProjectPath(std::string_view folder, std::string_view fileName);

// Save As always writes a ".baf" project: the part after the last "." of the file name
// (not of a folder name) is replaced by "baf"; a name without one gets ".baf" appended.
std::string withProjectExtension(std::string_view path);

// Save is Save As while no path was chosen in this session (SavePath empty).
inline bool saveNeedsDialog(std::string_view savePath)
{
    return savePath.empty();
}

// The replace question (language text 226): "*" stands for the path.
std::string replaceQuestion(std::string_view question, std::string_view path);

} // namespace qv
