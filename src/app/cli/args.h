#pragma once

// A small command-line parser: options of the form "--name value" or "--flag", and positional
// arguments. Each command states which options take a value.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace tessarin::cli {

class Args {
public:
    // Throws UsageError for an unknown option or a missing value.
    Args(const std::vector<std::string>& arguments, const std::set<std::string>& valueOptions,
         const std::set<std::string>& flagOptions);

    bool Has(const std::string& option) const;
    std::optional<std::string> Value(const std::string& option) const;
    const std::vector<std::string>& Positional() const { return positional_; }

private:
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::vector<std::string> positional_;
};

}  // namespace tessarin::cli
