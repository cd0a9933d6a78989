#include "cli/help_formatter.h"

#include <algorithm>
#include <sstream>

namespace tessarin::cli {
namespace {

constexpr std::size_t kLineWidth = 79;
constexpr std::size_t kTermColumn = 30;  // where option descriptions start

// Paragraphs separated by blank lines, each wrapped to the line width.
std::string Paragraphs(const std::string& text) {
    std::string out;
    for (const std::string& line : WrapLines(text, kLineWidth)) {
        out += line + "\n";
    }
    return out;
}

// "  TERM" and its meaning wrapped in the column beside it, or below it when the term is long.
std::string TermAndMeaning(const std::string& term, const std::string& meaning,
                           std::size_t column) {
    const std::string name = "  " + term;
    const std::vector<std::string> lines = WrapLines(meaning, kLineWidth - column);
    std::string out = name;
    std::size_t next = 0;
    if (name.size() + 2 > column) {
        out += "\n";
    } else if (!lines.empty()) {
        out += std::string(column - name.size(), ' ') + lines[0] + "\n";
        next = 1;
    }
    for (; next < lines.size(); ++next) {
        out += std::string(column, ' ') + lines[next] + "\n";
    }
    return out;
}

std::string NameList(const std::set<CLI::Option*>& options) {
    std::string names;
    for (const CLI::Option* option : options) {
        names += (names.empty() ? "" : " and ") + option->get_name();
    }
    return names;
}

// "-h,--help" as a reader and the manual page expect it: "-h, --help".
std::string SpacedNames(std::string names) {
    for (std::size_t comma = 0; (comma = names.find(',', comma)) != std::string::npos;) {
        names.insert(++comma, " ");
    }
    return names;
}

std::string OptionMeaning(const CLI::Option* option) {
    std::string text = option->get_description();
    if (!option->get_default_str().empty()) {
        text += " Default: " + option->get_default_str() + ".";
    }
    if (option->get_required()) {
        text += " Required.";
    }
    if (!option->get_needs().empty()) {
        text += " Needs " + NameList(option->get_needs()) + ".";
    }
    if (!option->get_excludes().empty()) {
        text += " Not together with " + NameList(option->get_excludes()) + ".";
    }
    return text;
}

// The words of a synopsis, a bracketed group counting as one word, and an option with its value
// ("-o PROJECT.tsp") too.
std::vector<std::string> UsageWords(const std::string& usage) {
    std::vector<std::string> words(1);
    int depth = 0;
    for (const char c : usage) {
        if (c == ' ' && depth == 0) {
            words.emplace_back();
            continue;
        }
        depth += c == '[' ? 1 : c == ']' ? -1 : 0;
        words.back() += c;
    }
    std::vector<std::string> joined;
    for (const std::string& word : words) {
        const bool isValue = !word.empty() && word[0] != '-' && word[0] != '[';
        if (isValue && !joined.empty() && joined.back()[0] == '-' &&
            joined.back().find(' ') == std::string::npos) {
            joined.back() += " " + word;
        } else {
            joined.push_back(word);
        }
    }
    return joined;
}

// The options under their headings, in the order their groups first appear. A command with one
// group of options lists them under `single`.
std::vector<std::pair<std::string, std::vector<const CLI::Option*>>> OptionGroups(
    const std::vector<const CLI::Option*>& options, const std::string& single) {
    std::vector<std::pair<std::string, std::vector<const CLI::Option*>>> groups;
    for (const CLI::Option* option : options) {
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const auto& g) { return g.first == option->get_group(); });
        if (group == groups.end()) {
            groups.emplace_back(option->get_group(), std::vector<const CLI::Option*>{});
            group = groups.end() - 1;
        }
        group->second.push_back(option);
    }
    if (groups.size() == 1) {
        groups.front().first = single;
    }
    return groups;
}

// Example command lines, each led by "$ "; a line that starts with blanks continues the command
// above it (which ends with a backslash), as a shell takes it. help2man sets in constant width
// only lines led by "$ " or "> ", so in the manual's text a continuation is led by "> ", the
// shell's own prompt for one.
std::string ExampleLines(const std::string& examples, bool inManual) {
    std::string out;
    std::istringstream lines(examples);
    for (std::string line; std::getline(lines, line);) {
        const bool continues = line.rfind(' ', 0) == 0;
        if (continues && inManual) {
            line.erase(0, line.find_first_not_of(' '));
        }
        out += (!continues ? "  $ " : inManual ? "  > " : "    ") + line + "\n";
    }
    return out;
}

// A synopsis that starts at `column`, broken between its words so that each line fits, the
// lines after the first starting at `indent`.
std::string UsageLines(const std::string& usage, std::size_t column, std::size_t indent) {
    std::string out;
    std::string line;
    std::size_t start = column;
    for (const std::string& word : UsageWords(usage)) {
        if (!line.empty() && start + line.size() + 1 + word.size() > kLineWidth) {
            out += line + "\n" + std::string(indent, ' ');
            line.clear();
            start = indent;
        }
        line += (line.empty() ? "" : " ") + word;
    }
    return out + line + "\n";
}

// A heading of the help. In the manual's text a heading of the tool's own help becomes a section
// of the page ("*Exit status*"); under a command, a sub-heading ("Arguments:").
std::string Heading(const std::string& title, bool pageSection) {
    return pageSection ? "*" + title + "*\n" : title + ":\n";
}

}  // namespace

std::vector<std::string> WrapLines(const std::string& text, std::size_t width) {
    std::vector<std::string> lines;
    std::istringstream paragraphs(text);
    for (std::string paragraph; std::getline(paragraphs, paragraph);) {
        std::istringstream words(paragraph);
        std::string line;
        for (std::string word; words >> word;) {
            if (!line.empty() && line.size() + 1 + word.size() > width) {
                lines.push_back(line);
                line.clear();
            }
            line += (line.empty() ? "" : " ") + word;
        }
        lines.push_back(line);
    }
    return lines;
}

void HelpFormatter::Describe(const CLI::App* app, CommandText text) {
    texts_[app] = std::move(text);
}

std::string HelpFormatter::make_option(const CLI::Option* option, bool isPositional) const {
    std::string term;
    if (isPositional) {
        term = option->get_name(true, false);
    } else {
        term = SpacedNames(option->get_name(false, true));
        if (option->get_type_size() != 0 && !option->get_type_name().empty()) {
            term += " " + option->get_type_name();
        }
    }
    return TermAndMeaning(term, OptionMeaning(option), kTermColumn);
}

std::string HelpFormatter::CommandHelp(const CLI::App* app, bool inManual) const {
    const auto found = texts_.find(app);
    const CommandText text = found != texts_.end() ? found->second : CommandText{};
    const bool isTool = app->get_parent() == nullptr;
    std::string out;
    if (inManual && !isTool) {
        // The synopses as paragraphs of the command's section.
        out += Heading("tessarin-cli " + app->get_name(), true);
        for (const std::string& usage : text.usage) {
            out += "\n" + UsageLines(usage, 0, 0);
        }
    } else {
        for (std::size_t k = 0; k < text.usage.size(); ++k) {
            const std::size_t command =
                text.usage[k].find(' ', std::string("tessarin-cli ").size());
            const std::size_t indent =
                7 + (isTool || command == std::string::npos ? 0 : command + 1);
            out += (k == 0 ? "Usage: " : "   or: ") + UsageLines(text.usage[k], 7, indent);
        }
    }
    out += "\n" + Paragraphs(app->get_description());
    if (!text.about.empty()) {
        out += "\n" + Paragraphs(text.about);
    }

    const auto positionals =
        app->get_options([](const CLI::Option* option) { return option->get_positional(); });
    if (!positionals.empty()) {
        out += "\n" + Heading("Arguments", false);
        for (const CLI::Option* option : positionals) {
            out += make_option(option, true);
        }
    }
    const auto commands = app->get_subcommands({});
    if (!commands.empty()) {
        out += "\n" + Heading("Commands", inManual);
        // The meanings in one column beside the longest name.
        std::size_t column = 12;
        for (const CLI::App* command : commands) {
            column = std::max(column, command->get_name().size() + 4);
        }
        for (const CLI::App* command : commands) {
            out += TermAndMeaning(command->get_name(), command->get_description(), column);
        }
    }
    // In the manual a command's own help option is left out: the tool's stands for all.
    const auto options = app->get_options([&](const CLI::Option* option) {
        return option->nonpositional() && !option->get_group().empty() &&
               !(inManual && !isTool && option == app->get_help_ptr());
    });
    // Only the tool's options make the page's OPTIONS section; a command's stay in its own.
    for (const auto& [heading, members] :
         OptionGroups(options, inManual && !isTool ? "Command options" : "Options")) {
        out += "\n" + Heading(heading, false);
        for (const CLI::Option* option : members) {
            out += make_option(option, false);
        }
    }
    for (const HelpList& list : text.lists) {
        out += "\n" + Heading(list.heading, inManual);
        for (const auto& [term, meaning] : list.rows) {
            out += TermAndMeaning(term, meaning, 6);
        }
        if (!list.closing.empty()) {
            out += "\n" + Paragraphs(list.closing);
        }
    }
    if (!text.examples.empty()) {
        // help2man sets lines led by "$ " as commands when they start a paragraph of their own.
        out += "\n" + Heading(inManual && !isTool ? "For example" : "Examples", false) +
               (inManual && !isTool ? "\n" : "");
        out += ExampleLines(text.examples, inManual);
    }
    return out;
}

std::string HelpFormatter::make_help(const CLI::App* app, std::string,
                                     CLI::AppFormatMode mode) const {
    if (mode != CLI::AppFormatMode::All) {
        return CommandHelp(app, false);
    }
    std::string out = CommandHelp(app, true);
    for (const CLI::App* command : app->get_subcommands({})) {
        out += "\n" + CommandHelp(command, true);
    }
    return out;
}

void DescribeCommand(CLI::App& app, CommandText text) {
    auto formatter = std::dynamic_pointer_cast<HelpFormatter>(app.get_formatter());
    if (formatter) {
        formatter->Describe(&app, std::move(text));
    }
}

}  // namespace tessarin::cli
