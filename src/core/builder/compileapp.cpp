#include "builder/compileapp.h"

#include "builder/appdatabuilder.h"
#include "builder/datablockwalker.h"
#include "builder/datablockwriter.h"
#include "builder/filebytes.h"
#include "builder/iconpatch.h"
#include "builder/replacebin.h"
#include "builder/setupscript.h"

#include <fstream>
#include <system_error>

namespace qv {

namespace fs = std::filesystem;

namespace {

constexpr int kToolBoxFirstImage = 100000;
constexpr int kToolBoxImageCount = 65;
constexpr size_t kOriginalNameFits = 12; // names shorter than this replace "Application.exe"

// Files written by this build, removed again when a later write fails.
class OutputFiles {
public:
    bool write(const fs::path& path, const void* data, size_t size, std::string& error)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (out) {
            // Only a file this build created or emptied is removed again.
            written_.push_back(path);
            out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        }
        if (out)
            out.close();
        if (!out) {
            error = path.string() + " could not be written (disk full or no permission)";
            return false;
        }
        return true;
    }
    bool copy(const fs::path& from, const fs::path& to, std::string& error)
    {
        std::vector<uint8_t> bytes;
        if (!ReadFileBytes(from, bytes)) {
            error = from.string() + " could not be read";
            return false;
        }
        return write(to, bytes.data(), bytes.size(), error);
    }
    void removeAll()
    {
        std::error_code ignored;
        for (const fs::path& path : written_)
            fs::remove(path, ignored);
        written_.clear();
    }

private:
    std::vector<fs::path> written_;
};

void patchVersionTexts(std::vector<uint8_t>& image, const AppSettings& settings,
                       const std::string& appName)
{
    const auto& c = settings.versionTexts;
    ReplaceBin(image, kCompanyNamePlaceholder, c[0]);
    ReplaceBin(image, kFileDescriptionPlaceholder, c[1]);
    ReplaceBin(image, kLegalCopyrightPlaceholder, c[2]);
    ReplaceBin(image, kProductNamePlaceholder, c[4]);
    ReplaceBin(image, kLegalTrademarksPlaceholder, c[3]);
    if (Utf16Of(appName).size() < kOriginalNameFits)
        ReplaceBin(image, kOriginalFilenamePlaceholder, appName + ".exe");
}

// Every build leaves this file in its output folder. Only a folder that holds it, or none
// at all, is cleared for a new build: a name that happens to match a folder of the user's
// must not cost the user its files.
constexpr const char* kBuildMarkerName = ".quorvalle-build";

bool isEarlierBuildOrEmpty(const fs::path& folder)
{
    std::error_code error;
    if (fs::exists(folder / kBuildMarkerName, error))
        return true;
    return fs::directory_iterator(folder, error) == fs::directory_iterator() && !error;
}

// Deletes the files of an existing output folder; false when one cannot be deleted.
bool clearFolder(const fs::path& folder)
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.is_directory(error))
            continue;
        if (!fs::remove(entry.path(), error) || error)
            return false;
    }
    return !error;
}

bool anyStretchedPicture(const ProjectDocument& document)
{
    for (int i = 1; i <= document.pictures.highWater(); ++i) {
        if (document.pictures[i].stretch)
            return true;
    }
    return false;
}

} // namespace

std::string SuggestedAppName(const std::string& nameBox, const std::string& windowTitle)
{
    auto first60 = [](const std::string& text) {
        const std::u16string wide = Utf16Of(text);
        if (wide.size() <= kMaxSuggestedNameLength)
            return text;
        // Cut after the 60th character, never inside one.
        size_t characters = 0;
        size_t i = 0;
        while (i < text.size() && characters < kMaxSuggestedNameLength) {
            ++i;
            while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
                ++i;
            ++characters;
        }
        return text.substr(0, i);
    };
    if (nameBox.empty() || Utf16Of(nameBox).size() > kMaxSuggestedNameLength)
        return first60(windowTitle);
    return nameBox;
}

bool ValidAppName(const std::string& name, std::string& why)
{
    if (name.empty()) {
        why = "the application name is empty";
        return false;
    }
    if (name == "." || name == "..") {
        why = "the application name \"" + name + "\" names no folder";
        return false;
    }
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 32 ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
            why = "the application name \"" + name +
                  "\" holds a character that a file name cannot hold (/ \\ : * ? \" < > |)";
            return false;
        }
    }
    return true;
}

BuildResult CompileApp(ProjectDocument& document, const BuildOptions& options)
{
    BuildResult result;
    // The captions are the language's: the build's own text, then its setup steps.
    auto progress = [&](int text, double done) {
        if (options.progress)
            options.progress(options.language.text(text), done);
    };
    const std::string& appName = options.appName;
    const AppSettings& settings = document.settings;

    // Everything that can refuse the build comes before the output folder is touched.
    if (FieldCapacity(document) < kMinFieldCapacity) {
        result.messageNumber = kTooSmallMessage;
        result.message = "the fields of the design allow fewer than 30 characters per record";
        return result;
    }
    if (!ValidAppName(appName, result.message))
        return result;
    progress(text::CreatingApplication, 0);
    PrepareDocumentForBuild(document);

    std::vector<uint8_t> image = options.runtimeImage;
    std::vector<uint8_t> icon = options.iconBytes;
    if (icon.empty())
        icon = settings.iconBytes;
    if (icon.empty())
        ReadFileBytes(options.programFolder / "Icons" / "Default.ico", icon);
    if (!IconPatchable(icon))
        result.warnings.push_back("the application icon is not a 16-colour 32 x 32 icon; the "
                                  "application keeps the runtime's own icon");
    else if (PatchIcon(image, icon) == 0)
        result.warnings.push_back("the runtime carries no icon marker; its icon is unchanged");
    patchVersionTexts(image, settings, appName);

    AppDataBuild build = BuildAppData(document, appName, options.buildDate);
    for (std::string& warning : build.warnings)
        result.warnings.push_back(std::move(warning));
    std::vector<uint8_t> executable;
    try {
        executable = WriteAppFile(
            std::move(image), build.data,
            [&](int section) {
                progress(text::CreatingApplication,
                         0.1 + 0.7 * section / static_cast<double>(kBlockSectionCount));
            },
            &result.warnings);
    } catch (const BuildRefused& refused) {
        result.message = refused.what();
        return result;
    }

    // The output folder: old files go, a file that cannot go stops the build.
    const fs::path folder = options.parentFolder / appName;
    result.outputFolder = folder;
    std::error_code error;
    if (fs::is_directory(folder, error)) {
        if (!isEarlierBuildOrEmpty(folder)) {
            result.message = folder.string() +
                             " already holds files that are not an application built here; "
                             "choose another application name or folder";
            return result;
        }
        if (!clearFolder(folder)) {
            result.message = kOutputInUseMessage;
            return result;
        }
    } else if (!fs::create_directories(folder, error) || error) {
        result.message = folder.string() + " could not be created: " + error.message();
        return result;
    }

    OutputFiles output;
    auto fail = [&](const std::string& why) {
        output.removeAll();
        result.message = why;
        result.executable.clear();
        return result;
    };
    const fs::path marker = folder / kBuildMarkerName;
    if (!output.write(marker, nullptr, 0, result.message))
        return fail(result.message);
    const fs::path exePath = folder / (appName + ".exe");
    if (!output.write(exePath, executable.data(), executable.size(), result.message))
        return fail(result.message);
    fs::permissions(exePath, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add, error);
    result.executable = exePath;
    progress(text::CreatingApplication, 0.85);

    if (settings.toolBoxField != 0) {
        const fs::path images = folder / "Images";
        fs::create_directories(images, error);
        for (int n = kToolBoxFirstImage; n < kToolBoxFirstImage + kToolBoxImageCount; ++n) {
            const std::string name = std::to_string(n) + ".GIF";
            const fs::path source = options.programFolder / "Images" / name;
            if (!fs::is_regular_file(source, error)) {
                result.warnings.push_back("the tool-box image " + source.string() + " is missing");
                continue;
            }
            std::string why;
            if (!output.copy(source, images / name, why))
                return fail(why);
        }
    }
    if (anyStretchedPicture(document)) {
        fs::path tile = settings.picturePath51;
        if (tile.empty() || !fs::is_regular_file(tile, error))
            tile = options.programFolder / "main.jpg";
        std::string why;
        if (fs::is_regular_file(tile, error)) {
            if (!output.copy(tile, folder / "0.jpg", why))
                return fail(why);
        }
    }
    std::vector<std::string> pictureNames;
    for (const EmbeddedPicture& picture : EmbeddedPictures(build.data)) {
        std::string why;
        if (!output.write(folder / picture.fileName, picture.bytes->data(), picture.bytes->size(),
                          why))
            return fail(why);
        pictureNames.push_back(picture.fileName);
    }

    if (options.createSetup) {
        result.setupRequested = true;
        progress(text::WriteSetupScript, 0.9);
        SetupInputs in;
        in.appName = appName;
        auto& c = document.settings.versionTexts;
        in.productName = c[4];
        in.version = c[5];
        ApplySetupDefaults(in);
        c[4] = in.productName;
        c[5] = in.version;
        in.publisher = c[0];
        in.copyright = c[2];
        in.password = c[6];
        in.licenceText = c[7];
        in.readmeText = c[8];
        in.desktopIcon = settings.desktopIconOption != 0;
        in.webAddress = settings.aboutAddress;
        in.pictureFiles = pictureNames;
        in.outputFolder = fs::absolute(folder, error);
        in.programFolder = options.programFolder;
        const SetupScript script = MakeSetupScript(in);
        const CodePage codePage = CodePage::forCharset(settings.defaultCharset);
        auto encode = [&](const std::string& text) {
            bool lossy = false;
            std::string bytes = codePage.fromUtf8(text, lossy);
            if (lossy)
                result.warnings.push_back("the setup files hold characters that the code page " +
                                          codePage.name() + " cannot hold; they became \"?\"");
            return bytes;
        };
        const std::string scriptBytes = encode(SetupScriptText(script.lines));
        const fs::path scriptPath = folder / (appName + ".iss");
        std::string why;
        if (!output.write(scriptPath, scriptBytes.data(), scriptBytes.size(), why))
            return fail(why);
        result.setupScript = scriptPath;
        if (script.writesLicence) {
            const std::string text = encode(SetupScriptText({in.licenceText}));
            if (!output.write(folder / kLicenceFileName, text.data(), text.size(), why))
                return fail(why);
        }
        if (script.writesReadme) {
            const std::string text = encode(SetupScriptText({in.readmeText}));
            if (!output.write(folder / kReadmeFileName, text.data(), text.size(), why))
                return fail(why);
        }
        const fs::path compiler = options.programFolder / "InnoSetup" / "ISCC.exe";
        const fs::path installer = folder / (appName + "_Setup.exe");
        if (!fs::is_regular_file(compiler, error)) {
            result.warnings.push_back("the installer was not made: the installer compiler " +
                                      compiler.string() + " is not there; the application " +
                                      "and its setup script are kept");
        } else {
            progress(text::CompileSetup, 0.95);
            if (options.runAndWait)
                options.runAndWait(compiler, appName + ".iss", folder);
            if (!fs::is_regular_file(installer, error)) {
                result.warnings.push_back("the installer was not made: the installer compiler "
                                          "produced no " +
                                          installer.filename().string() +
                                          "; the application and its setup script are kept");
            } else {
                // Only now is the bare executable no longer the only copy.
                fs::remove(scriptPath, error);
                fs::remove(exePath, error);
                fs::remove(folder / kLicenceFileName, error);
                fs::remove(folder / kReadmeFileName, error);
                result.installerMade = true;
                result.installer = installer;
                result.executable.clear();
                result.setupScript.clear();
            }
        }
    }
    progress(0, 1);
    result.ok = true;
    return result;
}

} // namespace qv
