// The command line: any arguments, and any bytes in the file they name, end in exit status 0, 1
// or 2, a failure in one line led by the tool's name, never a crash, a sanitizer report or an
// exception that leaves the tool.
//
// An input is the arguments, one a line, then a NUL byte and the content of a file. "@" in an
// argument is the path of that file, so "@.las" is the same content under a LAS file's name.
// Everything runs in a folder of the run's own; inputs that name other paths, or ask for more
// than a few SEG-Y traces, are passed over, so that the run writes nothing elsewhere and
// nothing large. The drawing module is not loaded (pictures and PDF files fail with their
// message): the display has fuzz targets of its own through the readers.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "fuzz_support.h"

using namespace tessarin;

namespace {

// The arguments with "@" replaced, or nothing for an input that must not run.
std::optional<std::vector<std::string>> Arguments(std::string_view line, const std::string& file) {
    std::vector<std::string> arguments;
    std::size_t start = 0;
    while (start <= line.size() && arguments.size() < 24) {
        const std::size_t end = std::min(line.find('\n', start), line.size());
        std::string argument(line.substr(start, end - start));
        if (argument.find('/') != std::string::npos || argument.starts_with('~')) {
            return std::nullopt;
        }
        if (!arguments.empty() && arguments.back() == "--traces" && argument.size() > 2) {
            return std::nullopt;
        }
        for (std::size_t at = argument.find('@'); at != std::string::npos;
             at = argument.find('@', at + file.size())) {
            argument.replace(at, 1, file);
        }
        arguments.push_back(std::move(argument));
        start = end + 1;
    }
    return arguments;
}

std::filesystem::path Folder() {
    static const std::filesystem::path folder = fuzz::TempPath("cli");
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::filesystem::create_directories(Folder() / "config");
    std::filesystem::current_path(Folder());
    // The tool reads the user's saved settings: here an empty store of the run's own.
    ::setenv("XDG_CONFIG_HOME", (Folder() / "config").c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = fuzz::Text(data, size);
    const std::size_t nul = input.find('\0');
    const std::string file = (Folder() / "in").string();
    const auto arguments = Arguments(std::string_view(input).substr(0, nul), file);
    if (!arguments) {
        return -1;  // not kept in the corpus
    }
    const std::string content = nul == std::string::npos ? "" : input.substr(nul + 1);
    fuzz::WriteFile(file, content);
    fuzz::WriteFile(file + ".las", content);

    std::ostringstream out, err;
    std::streambuf* const coutBuffer = std::cout.rdbuf(out.rdbuf());
    std::streambuf* const cerrBuffer = std::cerr.rdbuf(err.rdbuf());
    const int status = cli::RunTool(*arguments);
    std::cout.rdbuf(coutBuffer);
    std::cerr.rdbuf(cerrBuffer);

    fuzz::Require(status >= 0 && status <= 2, "the exit status is 0, 1 or 2");
    const std::string said = err.str();
    fuzz::Require(status != 1 || said.starts_with("tessarin-cli"),
                  "a failure is told in a line led by the tool's name");
    fuzz::Require(said.empty() || said.starts_with("tessarin-cli"),
                  "whatever is printed on standard error is led by the tool's name");
    // The outputs of one input must not decide the next one's.
    for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
        if (entry.path().filename() != "config") {
            std::error_code ignored;
            std::filesystem::remove_all(entry.path(), ignored);
        }
    }
    return 0;
}
