#include <CLI/CLI.hpp>
#include <algorithm>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/help_formatter.h"

namespace tessarin::cli {
namespace {

constexpr const char* kToolName = "tessarin-cli";

struct Command {
    CLI::App* app;
    CommandRun run;
};

void DescribeTool(CLI::App& tool) {
    CommandText text;
    text.usage = {"tessarin-cli COMMAND [OPTIONS]", "tessarin-cli COMMAND --help",
                  "tessarin-cli --help-all | --version"};
    text.about =
        "Each command has its own options; \"tessarin-cli COMMAND --help\" lists them "
        "with their units, defaults and allowed values.";
    text.examples =
        "tessarin-cli import --sonic well.las --ricker 30 -o well.tsp\n"
        "tessarin-cli info well.tsp\n"
        "tessarin-cli export well.tsp --png well.png --pdf well.pdf\n"
        "tessarin-cli export well.tsp --segy well_ --traces 5\n"
        "tessarin-cli wavelet --bandpass 5,10,40,55 --phase 90\n"
        "tessarin-cli tie well.tsp --seismic line.sgy --inline 1190 --crossline 1155\n"
        "tessarin-cli tie-summary results/*.json --csv";
    text.lists = {{"Exit status",
                   {{"0", "The work is done."},
                    {"1",
                     "The work failed: a file that cannot be read or written, a synthetic "
                     "that cannot be computed."},
                    {"2",
                     "The input was refused: an unknown command or option, a value the "
                     "command does not accept, options that do not go together."}},
                   "A failure prints one line on standard error, led by the command's name. "
                   "Warnings (horizons left out of a project, say) are printed the same way "
                   "and do not change the exit status."}};
    DescribeCommand(tool, std::move(text));
}

// "help" and "help COMMAND" are read as "--help" and "COMMAND --help".
std::vector<std::string> WithHelpWord(std::vector<std::string> arguments) {
    if (!arguments.empty() && arguments.front() == "help") {
        arguments.erase(arguments.begin());
        arguments.push_back("--help");
    }
    return arguments;
}

std::string Prefix(const CLI::App& tool) {
    const auto given = tool.get_subcommands();
    return given.empty() ? std::string(kToolName) + ": "
                         : std::string(kToolName) + " " + given.front()->get_name() + ": ";
}

bool IsInformation(const CLI::ParseError& e) {
    return dynamic_cast<const CLI::CallForHelp*>(&e) ||
           dynamic_cast<const CLI::CallForAllHelp*>(&e) ||
           dynamic_cast<const CLI::CallForVersion*>(&e);
}

}  // namespace

int RunTool(const std::vector<std::string>& given) {
    CLI::App tool(
        "Builds, inspects and exports synthetic seismograms without the window: imports "
        "a well's logs into a project file, writes its display as a picture or a PDF and "
        "its synthetic as a text table or SEG-Y files, and ties it to a seismic trace, for "
        "one well or many.",
        kToolName);
    tool.formatter(std::make_shared<HelpFormatter>());
    tool.set_help_flag("-h,--help", "Show this help and exit.");
    tool.set_help_all_flag("--help-all", "Show this help followed by every command's own.");
    tool.set_version_flag("--version", std::string(kToolName) + " " + TESSARIN_VERSION,
                          "Show the version and exit.");
    tool.require_subcommand(1);
    // An option given twice takes its last value, so a script can append what it overrides.
    tool.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    DescribeTool(tool);

    std::vector<Command> commands;
    for (auto add : {&AddImportCommand, &AddExportCommand, &AddInfoCommand, &AddWaveletCommand,
                     &AddTieCommand, &AddTieSummaryCommand}) {
        const std::size_t before = tool.get_subcommands({}).size();
        CommandRun run = add(tool);
        CLI::App* app = tool.get_subcommands({}).at(before);
        app->set_help_all_flag();  // --help-all belongs to the tool alone
        commands.push_back({app, std::move(run)});
    }

    const std::vector<std::string> arguments = WithHelpWord(given);
    if (arguments.empty()) {
        std::cout << tool.help();
        return kExitRefused;
    }
    // Before the command only the tool's own options may stand.
    const std::string& first = arguments.front();
    const bool known = std::any_of(commands.begin(), commands.end(),
                                   [&](const Command& c) { return c.app->get_name() == first; }) ||
                       tool.get_option_no_throw(first) != nullptr;
    if (!known) {
        std::cerr << kToolName << ": unknown " << (first.rfind('-', 0) == 0 ? "option" : "command")
                  << " \"" << first << "\" (see " << kToolName << " --help)\n";
        return kExitRefused;
    }

    try {
        std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
        tool.parse(reversed);
    } catch (const CLI::ParseError& e) {
        if (IsInformation(e)) {
            return tool.exit(e);
        }
        std::cerr << Prefix(tool) << e.what() << "\n";
        return kExitRefused;
    }
    for (const Command& command : commands) {
        if (command.app->parsed()) {
            // Nothing a command meets may end the tool without a word: a failure the command
            // did not foresee (a library's own, memory running out) is reported as its own are.
            try {
                return command.run();
            } catch (const UsageError& e) {
                std::cerr << Prefix(tool) << e.message << "\n";
                return kExitRefused;
            } catch (const std::exception& e) {
                std::cerr << Prefix(tool) << OneLine(e.what()) << "\n";
            } catch (...) {
                std::cerr << Prefix(tool) << "an unexpected failure ended the command\n";
            }
            return kExitFailure;
        }
    }
    return kExitRefused;
}

}  // namespace tessarin::cli
