#pragma once

// How tessarin-cli lays out its help: the usage lines first, then what the command does, then
// every option with its value, meaning, default and the options it needs or excludes, wrapped
// to a terminal's 80 columns. --help-all puts the tool's help and every command's together in
// the shape help2man turns into the manual page, so that the page and --help say the same.

#include <CLI/CLI.hpp>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tessarin::cli {

// A titled list of terms and their meanings, such as the exit statuses.
struct HelpList {
    std::string heading;
    std::vector<std::pair<std::string, std::string>> rows;
    std::string closing;  // a paragraph after the rows
};

// What a command's help says besides its options.
struct CommandText {
    std::vector<std::string> usage;  // synopsis lines, each starting "tessarin-cli"
    std::string about;               // paragraphs after the one-line summary
    std::vector<HelpList> lists;     // after the options
    std::string examples;            // example command lines, one a line
};

class HelpFormatter : public CLI::Formatter {
public:
    void Describe(const CLI::App* app, CommandText text);

    std::string make_help(const CLI::App* app, std::string name,
                          CLI::AppFormatMode mode) const override;
    std::string make_option(const CLI::Option* option, bool isPositional) const override;

private:
    // `inManual`: the command's part of --help-all, led by "*tessarin-cli COMMAND*", which
    // help2man makes a section of the page.
    std::string CommandHelp(const CLI::App* app, bool inManual) const;

    std::map<const CLI::App*, CommandText> texts_;
};

// Registers the help texts of a command on the formatter it shares with the tool.
void DescribeCommand(CLI::App& app, CommandText text);

// `text` broken at blanks into lines of at most `width` characters (a longer word stands alone);
// its own line breaks are kept.
std::vector<std::string> WrapLines(const std::string& text, std::size_t width);

}  // namespace tessarin::cli
