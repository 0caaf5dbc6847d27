#include "clicommand.h"
#include "escapedtext.h"

#include "document/projectfile.h"

#include <iostream>

namespace qv::cli {

namespace {

// Reads IN as the designer's Open does and writes it to OUT, OUT being the project path.
int runRoundtrip(const std::vector<std::string>& args)
{
    const std::vector<std::string> files = positionalArgs(args, {});
    if (files.size() != 2)
        return usageError("usage: quorvalle-cli roundtrip IN OUT");
    ProjectReadResult read = readProjectFile(files[0]);
    if (!read.ok())
        return inputError(read.message);
    for (const std::string& warning : read.warnings)
        warn(warning);
    ProjectWriteResult written = saveProjectFile(read.document, files[1]);
    if (!written.ok)
        return inputError(written.message);
    for (const std::string& warning : written.warnings)
        warn(warning);
    return kExitOk;
}

template <class T> int liveCount(const ObjectTable<T>& table)
{
    int count = 0;
    for (int i : table.indices()) {
        if (!isDeleted(table[i]))
            ++count;
    }
    return count;
}

int runInfo(const std::vector<std::string>& args)
{
    const std::vector<std::string> files = positionalArgs(args, {});
    if (files.size() != 1)
        return usageError("usage: quorvalle-cli info FILE");
    const ProjectReadResult read = readProjectFile(files[0]);
    if (!read.ok())
        return inputError(read.message);
    const ProjectDocument& d = read.document;
    std::cout << "title: " << EscapedText(d.settings.windowTitle) << '\n'
              << "version: " << d.settings.formatVersion << '\n'
              << "titles: " << liveCount(d.titles) << '\n'
              << "fields: " << liveCount(d.fields) << '\n'
              << "notes: " << liveCount(d.notes) << '\n'
              << "combos: " << liveCount(d.combos) << '\n'
              << "pictures: " << liveCount(d.pictures) << '\n'
              << "checkboxes: " << liveCount(d.checkboxes) << '\n'
              << "squares: " << liveCount(d.squares) << '\n'
              << "lines: " << liveCount(d.lines) << '\n'
              << "buttons: " << liveCount(d.buttons) << '\n'
              << "scripts: " << liveCount(d.scripts) << '\n';
    int reports = 0;
    for (const ReportSlot& slot : d.reportSlots)
        reports += slot.caption.empty() ? 0 : 1;
    std::cout << "reports: " << reports << '\n';
    for (size_t r = 0; r < d.reportSlots.size(); ++r) {
        const ReportSlot& slot = d.reportSlots[r];
        if (slot.caption.empty())
            continue;
        std::cout << "report " << r << ": " << EscapedText(slot.caption) << " ("
                  << slot.report.squares.size() << " squares, " << slot.report.lines.size()
                  << " lines, " << slot.report.images.size() << " images, "
                  << slot.report.labels.size() << " labels)\n";
    }
    return kExitOk;
}

const CommandRegistration roundtrip{{"roundtrip", "IN OUT", &runRoundtrip}};
const CommandRegistration info{{"info", "FILE", &runInfo}};

} // namespace

} // namespace qv::cli
