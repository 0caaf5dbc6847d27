#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qv::cli {

// Exit codes of every command: 0 success, 1 bad input (one clear line on stderr),
// 2 wrong usage.
enum ExitCode { kExitOk = 0, kExitBadInput = 1, kExitUsage = 2 };

using CommandFunction = int (*)(const std::vector<std::string>& args);

struct CliCommand {
    const char* name;
    const char* usage; // the arguments after the command name, for the usage text
    CommandFunction run;
};

// Registers a command at static-initialisation time; a command file defines one
// `static const CommandRegistration` per command it offers.
class CommandRegistration {
public:
    explicit CommandRegistration(CliCommand command);
};

const std::vector<CliCommand>& registeredCommands();

// Prints "quorvalle-cli: <message>" on stderr and returns kExitUsage.
int usageError(const std::string& message);
// Prints "quorvalle-cli: <message>" on stderr and returns kExitBadInput.
int inputError(const std::string& message);
// Prints "quorvalle-cli: warning: <message>" on stderr as one line: what came from a
// file (names, captions, paths) is escaped so that it cannot forge lines or steer the
// terminal.
void warn(std::string_view message);

// An option given without its value; main() reports it as a usage error.
class MissingOptionValue : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Finds the value of an option "--name VALUE" in args; returns false when absent. Throws
// MissingOptionValue when the option is the last argument or is followed by another
// option. Removes nothing; callers use positionalArgs for what remains.
bool optionValue(const std::vector<std::string>& args, const std::string& name, std::string& value);
bool hasFlag(const std::vector<std::string>& args, const std::string& name);
// The arguments that are neither options nor option values. valueOptions lists the
// options that take a value.
std::vector<std::string> positionalArgs(const std::vector<std::string>& args,
                                        const std::vector<std::string>& valueOptions);

} // namespace qv::cli
