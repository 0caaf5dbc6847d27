#include "clicommand.h"
#include "escapedtext.h"

#include <algorithm>
#include <iostream>

namespace qv::cli {

namespace {
std::vector<CliCommand>& commandTable()
{
    static std::vector<CliCommand> table;
    return table;
}

void printUsage(std::ostream& out)
{
    out << "usage: quorvalle-cli COMMAND [ARGS]\n\ncommands:\n";
    auto commands = registeredCommands();
    std::sort(commands.begin(), commands.end(), [](const CliCommand& a, const CliCommand& b) {
        return std::string(a.name) < b.name;
    });
    for (const CliCommand& command : commands)
        out << "  " << command.name << ' ' << command.usage << '\n';
}
} // namespace

CommandRegistration::CommandRegistration(CliCommand command)
{
    commandTable().push_back(command);
}

const std::vector<CliCommand>& registeredCommands()
{
    return commandTable();
}

int usageError(const std::string& message)
{
    std::cerr << "quorvalle-cli: " << message << '\n';
    return kExitUsage;
}

int inputError(const std::string& message)
{
    std::cerr << "quorvalle-cli: " << message << '\n';
    return kExitBadInput;
}

void warn(std::string_view message)
{
    std::cerr << "quorvalle-cli: warning: " << EscapedText(message) << '\n';
}

bool optionValue(const std::vector<std::string>& args, const std::string& name, std::string& value)
{
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != name)
            continue;
        // "--name --out DIR" gives --name no value; taking "--out" as the name would build
        // into a folder called "--out".
        if (i + 1 == args.size() || (args[i + 1].size() > 2 && args[i + 1].starts_with("--")))
            throw MissingOptionValue(name + " needs a value");
        value = args[i + 1];
        return true;
    }
    return false;
}

bool hasFlag(const std::vector<std::string>& args, const std::string& name)
{
    return std::find(args.begin(), args.end(), name) != args.end();
}

std::vector<std::string> positionalArgs(const std::vector<std::string>& args,
                                        const std::vector<std::string>& valueOptions)
{
    std::vector<std::string> result;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (std::find(valueOptions.begin(), valueOptions.end(), arg) != valueOptions.end()) {
            ++i;
            continue;
        }
        if (arg.size() > 2 && arg.starts_with("--"))
            continue;
        result.push_back(arg);
    }
    return result;
}

} // namespace qv::cli

int main(int argc, char** argv)
{
    using namespace qv::cli;
    if (argc < 2) {
        printUsage(std::cerr);
        return kExitUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "help") {
        printUsage(std::cout);
        return kExitOk;
    }
    for (const CliCommand& command : registeredCommands()) {
        if (name != command.name)
            continue;
        try {
            return command.run(std::vector<std::string>(argv + 2, argv + argc));
        } catch (const MissingOptionValue& missing) {
            return usageError(std::string(missing.what()) + "\nusage: quorvalle-cli " +
                              command.name + ' ' + command.usage);
        }
    }
    std::cerr << "quorvalle-cli: unknown command '" << name << "'\n";
    printUsage(std::cerr);
    return kExitUsage;
}
