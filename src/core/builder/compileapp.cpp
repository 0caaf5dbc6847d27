#include "builder/compileapp.h"

#include "builder/appdatabuilder.h"
#include "builder/buildfolder.h"
#include "builder/datablockwalker.h"
#include "builder/datablockwriter.h"
#include "builder/iconpatch.h"
#include "builder/recordfiles.h"
#include "builder/replacebin.h"
#include "builder/setupscript.h"
#include "builder/setupvalues.h"
#include "document/filebytes.h"

#include <system_error>

namespace qv {

namespace fs = std::filesystem;

namespace {

constexpr int kToolBoxFirstImage = 100000;
constexpr int kToolBoxImageCount = 65;
constexpr size_t kOriginalNameFits = 12; // names shorter than this replace "Application.exe"

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

bool anyStretchedPicture(const ProjectDocument& document)
{
    for (int i = 1; i <= document.pictures.highWater(); ++i) {
        if (document.pictures[i].stretch)
            return true;
    }
    return false;
}

// Copies a file of the program's own into the new build.
bool copyInto(BuildFolder& output, const fs::path& from, const fs::path& name, std::string& error)
{
    std::vector<uint8_t> bytes;
    return ReadFileBytes(from, filelimit::kPicture, bytes, error) &&
           output.write(name, bytes.data(), bytes.size(), error);
}

// The tool-box images and the background tile, when the design asks for them.
bool writeProgramImages(BuildFolder& output, const ProjectDocument& document,
                        const BuildOptions& options, BuildResult& result)
{
    std::error_code error;
    const AppSettings& settings = document.settings;
    if (settings.toolBoxField != 0) {
        for (int n = kToolBoxFirstImage; n < kToolBoxFirstImage + kToolBoxImageCount; ++n) {
            const std::string name = std::to_string(n) + ".GIF";
            const fs::path source = options.programFolder / "Images" / name;
            if (!fs::is_regular_file(source, error)) {
                result.warnings.push_back("the tool-box image " + source.string() + " is missing");
                continue;
            }
            if (!copyInto(output, source, fs::path("Images") / name, result.message))
                return false;
        }
    }
    if (anyStretchedPicture(document)) {
        fs::path tile = settings.picturePath51;
        if (tile.empty() || !tile.is_absolute() || !fs::is_regular_file(tile, error))
            tile = options.programFolder / "main.jpg";
        if (fs::is_regular_file(tile, error) && !copyInto(output, tile, "0.jpg", result.message))
            return false;
    }
    return true;
}

// The script and its text files go with the build; the compiler runs once they are in the
// output folder, whose full path the script names.
bool writeSetupFiles(BuildFolder& output, ProjectDocument& document, const SetupInputs& in,
                     BuildResult& result)
{
    const SetupScript script = MakeSetupScript(in);
    const CodePage codePage = CodePage::forCharset(document.settings.defaultCharset);
    auto encode = [&](const std::string& text) {
        bool lossy = false;
        std::string bytes = codePage.fromUtf8(text, lossy);
        if (lossy)
            result.warnings.push_back("the setup files hold characters that the code page " +
                                      codePage.name() + " cannot hold; they became \"?\"");
        return bytes;
    };
    const std::string scriptBytes = encode(SetupScriptText(script.lines));
    if (!output.write(in.appName + ".iss", scriptBytes.data(), scriptBytes.size(), result.message))
        return false;
    if (script.writesLicence) {
        const std::string text = encode(SetupScriptText({in.licenceText}));
        if (!output.write(kLicenceFileName, text.data(), text.size(), result.message))
            return false;
    }
    if (script.writesReadme) {
        const std::string text = encode(SetupScriptText({in.readmeText}));
        if (!output.write(kReadmeFileName, text.data(), text.size(), result.message))
            return false;
    }
    output.claim(in.appName + "_Setup.exe");
    return true;
}

SetupInputs setupInputs(ProjectDocument& document, const std::string& appName,
                        const std::vector<std::string>& pictureNames, const fs::path& folder,
                        const fs::path& programFolder)
{
    SetupInputs in;
    const AppSettings& settings = document.settings;
    const auto& c = settings.versionTexts;
    in.appName = appName;
    in.productName = c[4];
    in.version = c[5];
    in.publisher = c[0];
    in.copyright = c[2];
    in.password = c[6];
    in.licenceText = c[7];
    in.readmeText = c[8];
    in.desktopIcon = settings.desktopIconOption != 0;
    in.webAddress = settings.aboutAddress;
    in.pictureFiles = pictureNames;
    std::error_code error;
    in.outputFolder = fs::absolute(folder, error);
    in.programFolder = programFolder;
    return in;
}

// Runs the installer compiler in the output folder; when it made the installer, the bare
// executable and the script are no longer needed.
void makeInstaller(const SetupInputs& in, const BuildOptions& options, BuildResult& result)
{
    std::error_code error;
    const fs::path& folder = result.outputFolder;
    const fs::path compiler = options.programFolder / "InnoSetup" / "ISCC.exe";
    const fs::path installer = folder / (in.appName + "_Setup.exe");
    if (!fs::is_regular_file(compiler, error)) {
        result.warnings.push_back("the installer was not made: the installer compiler " +
                                  compiler.string() + " is not there; the application " +
                                  "and its setup script are kept");
        return;
    }
    if (options.progress)
        options.progress(options.language.text(text::CompileSetup), 0.95);
    if (options.runAndWait)
        options.runAndWait(compiler, in.appName + ".iss", folder);
    if (!fs::is_regular_file(installer, error)) {
        result.warnings.push_back("the installer was not made: the installer compiler "
                                  "produced no " +
                                  installer.filename().string() +
                                  "; the application and its setup script are kept");
        return;
    }
    // Only now is the bare executable no longer the only copy.
    fs::remove(result.setupScript, error);
    fs::remove(result.executable, error);
    fs::remove(folder / kLicenceFileName, error);
    fs::remove(folder / kReadmeFileName, error);
    result.installerMade = true;
    result.installer = installer;
    result.executable.clear();
    result.setupScript.clear();
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
    // The name is written to disk as it is and into the data block in the code page; the
    // two must be the same name.
    bool lossy = false;
    const CodePage codePage = CodePage::forCharset(settings.defaultCharset);
    codePage.fromUtf8(appName, lossy);
    if (lossy) {
        result.message = "the application name \"" + appName +
                         "\" holds characters that the code page " + codePage.name() +
                         " of the design cannot hold; choose a name without them";
        return result;
    }
    if (options.createSetup) {
        SetupInputs values = setupInputs(document, appName, {}, {}, {});
        if (!CheckSetupValues(values, result.message))
            return result;
    }
    progress(text::CreatingApplication, 0);
    PrepareDocumentForBuild(document);

    std::vector<uint8_t> image = options.runtimeImage;
    std::vector<uint8_t> icon = options.iconBytes;
    if (icon.empty())
        icon = settings.iconBytes;
    std::string iconError; // an unreadable icon is reported as no icon below
    if (icon.empty())
        ReadFileBytes(options.programFolder / "Icons" / "Default.ico", filelimit::kIcon, icon,
                      iconError);
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

    // The new build is written beside the earlier one, which it replaces only when every
    // file of it is written.
    const fs::path folder = options.parentFolder / appName;
    result.outputFolder = folder;
    BuildFolder output(folder);
    if (!output.begin(result.message))
        return result;
    const std::string exeName = appName + ".exe";
    if (!output.write(exeName, executable.data(), executable.size(), result.message))
        return result;
    output.makeExecutable(exeName);
    progress(text::CreatingApplication, 0.85);
    if (!writeProgramImages(output, document, options, result))
        return result;
    std::vector<std::string> pictureNames;
    for (const EmbeddedPicture& picture : EmbeddedPictures(build.data)) {
        if (!output.write(picture.fileName, picture.bytes->data(), picture.bytes->size(),
                          result.message))
            return result;
        pictureNames.push_back(picture.fileName);
    }
    SetupInputs setup;
    if (options.createSetup) {
        result.setupRequested = true;
        progress(text::WriteSetupScript, 0.9);
        setup = setupInputs(document, appName, pictureNames, folder, options.programFolder);
        ApplySetupDefaults(setup);
        document.settings.versionTexts[4] = setup.productName;
        document.settings.versionTexts[5] = setup.version;
        if (!writeSetupFiles(output, document, setup, result))
            return result;
    }
    std::vector<std::string> kept;
    if (!output.commit(kept, result.message))
        return result;
    result.executable = folder / exeName;
    // The records the application keeps beside itself belong there: no word about them.
    std::erase_if(kept, [&](const std::string& name) {
        return IsRecordFile(name, appName, build.data.exportExtension);
    });
    if (!kept.empty()) {
        std::string names;
        for (const std::string& name : kept)
            names += (names.empty() ? "" : ", ") + name;
        result.warnings.push_back(folder.string() +
                                  " holds files that no build made; they were kept: " + names);
    }
    if (options.createSetup) {
        result.setupScript = folder / (appName + ".iss");
        makeInstaller(setup, options, result);
    }
    progress(0, 1);
    result.ok = true;
    return result;
}

} // namespace qv
