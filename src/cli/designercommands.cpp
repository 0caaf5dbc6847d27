#include "clicommand.h"

#include "designer/clipboardtext.h"
#include "designer/configuration.h"
#include "designer/objectdeletion.h"
#include "designer/objectgeometry.h"
#include "designer/taborder.h"
#include "document/projectfile.h"

#include <charconv>
#include <iostream>
#include <iterator>
#include <optional>

namespace qv::cli {

namespace {

std::optional<int> wholeNumber(const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool readProject(const std::string& path, ProjectReadResult& read, int& exitCode)
{
    read = readProjectFile(path);
    if (!read.ok()) {
        exitCode = inputError(read.message);
        return false;
    }
    for (const std::string& warning : read.warnings)
        warn(warning);
    return true;
}

int save(ProjectDocument& document, const std::string& path)
{
    ProjectWriteResult written = saveProjectFile(document, path);
    if (!written.ok)
        return inputError(written.message);
    for (const std::string& warning : written.warnings)
        warn(warning);
    return kExitOk;
}

// Reads --kind CODE --index N and checks that the object exists in the document.
bool objectOption(const std::vector<std::string>& args, const ProjectDocument& document,
                  ObjectRef& ref, int& exitCode)
{
    std::string kindText;
    std::string indexText;
    if (!optionValue(args, "--kind", kindText) || !optionValue(args, "--index", indexText)) {
        exitCode = usageError("--kind CODE and --index N are required");
        return false;
    }
    const auto code = wholeNumber(kindText);
    if (!code || !isObjectKindCode(*code)) {
        exitCode = inputError("--kind " + kindText + ": not an object kind code (1-9 or 20)");
        return false;
    }
    const auto index = wholeNumber(indexText);
    ref = ObjectRef{static_cast<ObjectKind>(*code), index.value_or(-1)};
    if (!index || !objectExists(document, ref)) {
        exitCode = inputError("--index " + indexText + ": no " + std::string(kindName(ref.kind)) +
                              " with that index");
        return false;
    }
    return true;
}

int runCopy(const std::vector<std::string>& args)
{
    const auto files = positionalArgs(args, {"--kind", "--index"});
    if (files.size() != 1)
        return usageError("usage: quorvalle-cli copy PROJECT --kind CODE --index N");
    ProjectReadResult read;
    int exitCode = kExitOk;
    if (!readProject(files[0], read, exitCode))
        return exitCode;
    ObjectRef ref;
    if (!objectOption(args, read.document, ref, exitCode))
        return exitCode;
    std::cout << clipboardText(read.document, {ref});
    return kExitOk;
}

int runPaste(const std::vector<std::string>& args)
{
    const auto files = positionalArgs(args, {});
    if (files.size() != 2)
        return usageError("usage: quorvalle-cli paste PROJECT OUT < CLIPBOARD-TEXT");
    ProjectReadResult read;
    int exitCode = kExitOk;
    if (!readProject(files[0], read, exitCode))
        return exitCode;
    const std::string text{std::istreambuf_iterator<char>(std::cin),
                           std::istreambuf_iterator<char>()};
    if (text.rfind(std::string(kClipboardHeader) + "\r\n", 0) != 0)
        return inputError("standard input: not object clipboard text (the first line must be "
                          "\"~Vennrask1.0\" ended by CR LF)");
    ProjectDocument& document = read.document;
    document.currentPage = 0;
    Designer designer(document);
    const Outcome outcome = pasteClipboardText(designer, text);
    if (!outcome.text.empty() && outcome.message == 0)
        warn(outcome.text);
    if (!outcome.done && outcome.message == 0)
        return inputError("standard input: no object records after the header line");
    if (outcome.message != 0)
        warn("some records were not pasted (message " + std::to_string(outcome.message) +
             ": a kind is full)");
    return save(document, files[1]);
}

int runDelete(const std::vector<std::string>& args)
{
    const auto files = positionalArgs(args, {"--kind", "--index"});
    if (files.size() != 2)
        return usageError("usage: quorvalle-cli delete PROJECT OUT --kind CODE --index N");
    ProjectReadResult read;
    int exitCode = kExitOk;
    if (!readProject(files[0], read, exitCode))
        return exitCode;
    ObjectRef ref;
    if (!objectOption(args, read.document, ref, exitCode))
        return exitCode;
    Designer designer(read.document);
    deleteObjects(designer, {ref});
    return save(read.document, files[1]);
}

int runAssignTab(const std::vector<std::string>& args)
{
    const auto files = positionalArgs(args, {});
    if (files.size() != 2)
        return usageError("usage: quorvalle-cli assign-tab PROJECT OUT");
    ProjectReadResult read;
    int exitCode = kExitOk;
    if (!readProject(files[0], read, exitCode))
        return exitCode;
    assignTab(read.document);
    return save(read.document, files[1]);
}

int runXmlPlate(const std::vector<std::string>& args)
{
    const auto files = positionalArgs(args, {});
    if (files.size() != 1)
        return usageError("usage: quorvalle-cli xml-plate PROJECT");
    ProjectReadResult read;
    int exitCode = kExitOk;
    if (!readProject(files[0], read, exitCode))
        return exitCode;
    std::cout << xmlPlate(read.document);
    return kExitOk;
}

const CommandRegistration copy{{"copy", "PROJECT --kind CODE --index N", &runCopy}};
const CommandRegistration paste{{"paste", "PROJECT OUT (clipboard text on stdin)", &runPaste}};
const CommandRegistration deleteObject{{"delete", "PROJECT OUT --kind CODE --index N", &runDelete}};
const CommandRegistration assignTabOrder{{"assign-tab", "PROJECT OUT", &runAssignTab}};
const CommandRegistration xmlPlateCommand{{"xml-plate", "PROJECT", &runXmlPlate}};

} // namespace

} // namespace qv::cli
