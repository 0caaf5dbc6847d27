#pragma once

#include "records/inputref.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

// What a button of a built application asks the runtime to do, as plain data: the action
// text and the script are read into these values, and the runtime carries them out in
// order. Nothing here starts a program or opens a file.

namespace qv {

enum class NavigationCommand { First, BackTen, Previous, NewRecord, Next, Last };

namespace action {

// Open a web or mail address with the system's handler; record values in it are encoded.
struct OpenLink {
    std::string url;
    bool operator==(const OpenLink&) const = default;
};

// Open a file or folder inside the application's folder with the system's handler.
struct OpenPath {
    std::filesystem::path path; // absolute
    bool operator==(const OpenPath&) const = default;
};

// Start a program with these arguments, never through a shell, and do not wait for it.
struct RunProgram {
    std::string program; // a name looked up on PATH, or an absolute path
    std::vector<std::string> arguments;
    std::filesystem::path workingDirectory; // the application's folder
    bool operator==(const RunProgram&) const = default;
};

// Move through the records.
struct Navigate {
    NavigationCommand command = NavigationCommand::First;
    bool operator==(const Navigate&) const = default;
};

// Ask for a record number and show that record.
struct AskRecordNumber {
    bool operator==(const AskRecordNumber&) const = default;
};

// Close the application (after saving the record on screen, as closing the window does).
struct EndApplication {
    bool operator==(const EndApplication&) const = default;
};

// Run statements of the formula language on the window (FormulaEngine statement and IF
// lines); the text is prepared already.
struct RunFormula {
    std::string text;
    bool operator==(const RunFormula&) const = default;
};

// Put a value into an object of the record on screen, then recalculate its formulas.
struct SetValue {
    InputRef target;
    std::string value;
    bool operator==(const SetValue&) const = default;
};

// Show a computed value in a message: `title` is the script line, `text` the value.
struct ShowResult {
    std::string title;
    std::string text;
    bool operator==(const ShowResult&) const = default;
};

// Show a list of records (like the search window's list) with these columns; choosing a
// row opens its record.
struct ShowRecords {
    std::vector<InputRef> columns;
    std::vector<int32_t> ids;
    bool operator==(const ShowRecords&) const = default;
};

// Stored records were changed (by Replace): the record on screen is read again.
struct RecordsChanged {
    std::size_t count = 0;
    bool operator==(const RecordsChanged&) const = default;
};

} // namespace action

using Action =
    std::variant<action::OpenLink, action::OpenPath, action::RunProgram, action::Navigate,
                 action::AskRecordNumber, action::EndApplication, action::RunFormula,
                 action::SetValue, action::ShowResult, action::ShowRecords, action::RecordsChanged>;

// What to do, or why nothing can be done.
struct ActionOutcome {
    std::vector<Action> actions;
    // When not empty, a message for the user (what was refused and why); actions before
    // the refused step may still be listed, none after it.
    std::string error;
};

// A one-line description, for diagnostics and tests ("open link https://...").
std::string describe(const Action& action);

} // namespace qv
