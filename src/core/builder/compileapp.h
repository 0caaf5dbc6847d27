#pragma once

#include "builder/builddate.h"
#include "document/languagetable.h"
#include "document/projectdocument.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace qv {

struct BuildOptions {
    std::string appName;                // name of the output folder and its files
    std::filesystem::path parentFolder; // the output folder is made in here
    std::vector<uint8_t> runtimeImage;  // the application runtime to write out
    // The icon patched into the runtime; empty: the document's icon, else the program
    // folder's "Icons/Default.ico".
    std::vector<uint8_t> iconBytes;
    bool createSetup = false; // "Create Setup File"
    // The program's own folder: "Images/", "main.jpg", "Icons/", "InnoSetup/ISCC.exe" and
    // "Pagewright.ocx" are looked for here.
    std::filesystem::path programFolder;
    CivilDate buildDate = TodayLocal();
    // Called with a caption and the fraction done (0..1) as the build goes on; the captions
    // are texts of `language` (an empty one when the build is done).
    std::function<void(const std::string& caption, double done)> progress;
    LanguageTable language;
    // Runs a program with one argument in a folder and waits for it to end. The argument is
    // passed as it is (a list of arguments needs no quoting).
    std::function<void(const std::filesystem::path& program, const std::string& argument,
                       const std::filesystem::path& folder)>
        runAndWait;
};

struct BuildResult {
    bool ok = false;
    // When not 0, the language text of this number is the message (a design too small).
    int messageNumber = 0;
    std::string message; // why the build stopped
    std::filesystem::path outputFolder;
    std::filesystem::path executable;  // NAME.exe; empty when the installer replaced it
    std::filesystem::path installer;   // NAME_Setup.exe when made
    std::filesystem::path setupScript; // NAME.iss when kept
    bool setupRequested = false;
    bool installerMade = false;
    std::vector<std::string> warnings;
};

// Builds the stand-alone application of `document` into parentFolder/appName: the runtime
// with its icon and version texts patched, the data block and its trailer, the picture
// copies, the background tile and tool-box images when the design asks for them, and on
// request the installer script (and the installer when the compiler is there). Everything
// that can refuse the build is checked before the output folder is touched. The new files
// are written beside the earlier build and replace it only when all of them are written, so
// a failed build leaves the earlier one as it was; files in the folder that no build made
// are kept and named in a warning. The document receives the changes a build makes
// (generated names, cleared search columns, File Properties defaults).
BuildResult CompileApp(ProjectDocument& document, const BuildOptions& options);

// The name the Create Application dialog offers: the name box as it is, unless it is empty
// or longer than 60 characters, when the designed window's title (its first 60 characters)
// takes its place.
std::string SuggestedAppName(const std::string& nameBox, const std::string& windowTitle);
inline constexpr size_t kMaxSuggestedNameLength = 60;

// True for a name that can be the application's folder and file stem.
bool ValidAppName(const std::string& name, std::string& why);

} // namespace qv
