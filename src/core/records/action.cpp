#include "records/action.h"

namespace qv {

namespace {

std::string navigationName(NavigationCommand command)
{
    switch (command) {
    case NavigationCommand::First: return "first";
    case NavigationCommand::BackTen: return "back ten";
    case NavigationCommand::Previous: return "previous";
    case NavigationCommand::NewRecord: return "new record";
    case NavigationCommand::Next: return "next";
    case NavigationCommand::Last: return "last";
    }
    return {};
}

template <class... Ts> struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

std::string describe(const Action& action)
{
    return std::visit(
        Overloaded{
            [](const action::OpenLink& a) { return "open link " + a.url; },
            [](const action::OpenPath& a) { return "open path " + a.path.string(); },
            [](const action::RunProgram& a) {
                std::string text = "run " + a.program;
                for (const std::string& argument : a.arguments)
                    text += " [" + argument + "]";
                return text;
            },
            [](const action::Navigate& a) { return "go to " + navigationName(a.command); },
            [](const action::AskRecordNumber&) { return std::string("ask for a record number"); },
            [](const action::EndApplication&) { return std::string("end the application"); },
            [](const action::RunFormula& a) { return "run formula " + a.text; },
            [](const action::SetValue& a) { return "set " + a.target.token() + " to " + a.value; },
            [](const action::ShowResult& a) { return "show " + a.title + ": " + a.text; },
            [](const action::ShowRecords& a) {
                std::string text = "show records";
                for (int32_t id : a.ids)
                    text += " " + std::to_string(id);
                text += " with";
                for (const InputRef& column : a.columns)
                    text += " " + column.token();
                return text;
            },
            [](const action::RecordsChanged& a) {
                return "records changed: " + std::to_string(a.count);
            },
        },
        action);
}

} // namespace qv
