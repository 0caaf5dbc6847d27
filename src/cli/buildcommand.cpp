#include "clicommand.h"

#include "builder/compileapp.h"
#include "builder/iconpatch.h"
#include "document/filebytes.h"
#include "document/languagetable.h"
#include "document/projectfile.h"

#ifdef QV_HAVE_EMBEDDED_RUNTIME
#include "embeddedruntime.h"
#endif

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace qv::cli {

namespace {

namespace fs = std::filesystem;

// The shipped files: languages, icons, images, the installer compiler.
fs::path programFolder()
{
    return fs::path(QV_SOURCE_DATA_DIR);
}

// The shipped English texts; an empty table when the file cannot be read.
LanguageTable englishTexts()
{
    LanguageLoad load = LanguageTable::read(programFolder() / "Languages" / "English.txt");
    return load.table ? std::move(*load.table) : LanguageTable();
}

// Starts `program` with one argument in `folder` and waits for it to end. A program that
// cannot be started simply makes nothing; the build looks for its output.
void runAndWait(const fs::path& program, const std::string& argument, const fs::path& folder)
{
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.c_str()) == 0) {
            const std::string path = program.string();
            execl(path.c_str(), path.c_str(), argument.c_str(), static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    if (child > 0) {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
}

int runBuild(const std::vector<std::string>& args)
{
    static const std::string kUsage = "usage: quorvalle-cli build PROJECT --name NAME --out "
                                      "PARENTDIR [--runtime FILE] [--setup] [--icon FILE.ico]";
    const std::vector<std::string> files =
        positionalArgs(args, {"--name", "--out", "--runtime", "--icon"});
    BuildOptions options;
    std::string out;
    if (files.size() != 1 || !optionValue(args, "--name", options.appName) ||
        !optionValue(args, "--out", out))
        return usageError(kUsage);
    for (const std::string& arg : args) {
        if (arg.rfind("--", 0) == 0 && arg != "--name" && arg != "--out" && arg != "--runtime" &&
            arg != "--icon" && arg != "--setup")
            return usageError("unknown option " + arg + "\n" + kUsage);
    }
    options.parentFolder = out;
    options.createSetup = hasFlag(args, "--setup");
    options.programFolder = programFolder();
    options.runAndWait = &runAndWait;
    options.language = englishTexts();

    std::error_code error;
    if (!fs::is_directory(options.parentFolder, error))
        return inputError(out + ": the output folder does not exist");

    std::string runtimePath;
    if (optionValue(args, "--runtime", runtimePath)) {
        std::string why;
        if (!ReadFileBytes(runtimePath, filelimit::kRuntime, options.runtimeImage, why))
            return inputError(why);
    } else {
#ifdef QV_HAVE_EMBEDDED_RUNTIME
        const auto image = embeddedRuntimeImage();
        options.runtimeImage.assign(image.begin(), image.end());
#else
        return inputError("this build carries no application runtime; name one with --runtime");
#endif
    }

    std::string iconPath;
    if (optionValue(args, "--icon", iconPath)) {
        std::string why;
        if (!ReadFileBytes(iconPath, filelimit::kIcon, options.iconBytes, why))
            return inputError(why);
        if (!IconPatchable(options.iconBytes))
            return inputError(iconPath + ": " + std::string(kIconRefusedMessage));
    }

    ProjectReadResult read = readProjectFile(files[0]);
    if (!read.ok())
        return inputError(read.message);
    for (const std::string& warning : read.warnings)
        warn(warning);

    const BuildResult result = CompileApp(read.document, options);
    for (const std::string& warning : result.warnings)
        warn(warning);
    if (!result.ok) {
        std::string message = result.message;
        if (result.messageNumber != 0) {
            const std::string& text = options.language.text(result.messageNumber);
            if (!text.empty())
                message = text;
        }
        return inputError(files[0] + ": the application was not built: " + message);
    }
    if (result.setupRequested && !result.installerMade)
        std::cerr << "quorvalle-cli: the installer was not made; " << result.executable.string()
                  << " and " << result.setupScript.string() << " are kept\n";
    std::cout << fs::absolute(result.outputFolder, error).string() << '\n';
    return kExitOk;
}

const CommandRegistration build{
    {"build", "PROJECT --name NAME --out PARENTDIR [--runtime FILE] [--setup] [--icon FILE.ico]",
     &runBuild}};

} // namespace

} // namespace qv::cli
