#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace qv::runtime {

// What a print command prints, and where to.
enum class PrintScope { Record, Found };
enum class PrintTarget { Preview, Pdf, Printer };
struct PrintChoice {
    PrintScope scope = PrintScope::Record;
    PrintTarget target = PrintTarget::Preview;
};

// How the runtime window asks the user for files, numbers and print choices and tells
// results. The standard ones show Qt's dialogs; tests answer in place of a person.
struct RuntimeDialogs {
    // A result to read, with a title (a script's result, an import that went well).
    std::function<void(const QString& title, const QString& text)> inform;
    // A file to write: "" when the user cancels.
    std::function<QString(const QString& caption, const QString& suggested, const QString& filter)>
        saveFile;
    // A file to read: "" when the user cancels.
    std::function<QString(const QString& caption, const QString& folder, const QString& filter)>
        openFile;
    // A record number, or nothing when the user cancels.
    std::function<std::optional<int64_t>(const QString& prompt)> askNumber;
    // What to print of a report and where to; `found` is how many records the last search
    // found (0: no search yet).
    std::function<std::optional<PrintChoice>(const QString& report, std::size_t found)> choosePrint;
    // Runs a modal window (a print preview, the printer choice) and returns its result.
    std::function<int(QDialog& dialog)> run;
};

RuntimeDialogs standardDialogs(QWidget* parent);

} // namespace qv::runtime
