#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qv {

// What the installer script is made from: the File Properties texts, the About box's web
// address and the built application's files.
struct SetupInputs {
    std::string appName;
    std::string productName; // Comments(4)
    std::string version;     // Comments(5)
    std::string publisher;   // Comments(0)
    std::string copyright;   // Comments(2)
    std::string password;    // Comments(6)
    std::string licenceText; // Comments(7)
    std::string readmeText;  // Comments(8)
    bool desktopIcon = false;
    std::string webAddress;                // Configurations Text6
    std::vector<std::string> pictureFiles; // generated names, in order
    std::filesystem::path outputFolder;
    std::filesystem::path programFolder;
};

// The defaults applied to the File Properties texts before a script is written: a product
// name shorter than 3 characters becomes the application name, a version whose number is 0
// (empty or not a number) becomes "1". The dialog keeps the changed values.
void ApplySetupDefaults(SetupInputs& inputs);

struct SetupScript {
    std::vector<std::string> lines; // written with CR LF after each
    bool writesLicence = false;     // "License.txt" holds the licence text
    bool writesReadme = false;      // "Readme.txt" holds the information text
};

inline constexpr size_t kSetupTextMinimum = 10; // longer texts get their own file
inline constexpr const char* kLicenceFileName = "License.txt";
inline constexpr const char* kReadmeFileName = "Readme.txt";

// The installer script for the installer compiler, line by line.
SetupScript MakeSetupScript(const SetupInputs& inputs);

// The script's lines as the bytes of the file: each line followed by CR LF.
std::string SetupScriptText(const std::vector<std::string>& lines);

} // namespace qv
