#include "cli/args.h"

#include <cctype>

namespace tessarin::cli {

Args::Args(const std::vector<std::string>& arguments, const std::set<std::string>& valueOptions,
           const std::set<std::string>& flagOptions) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (arg.size() > 1 && arg[0] == '-' &&
            !(arg.size() > 1 && (std::isdigit(arg[1]) || arg[1] == '.'))) {
            if (valueOptions.count(arg)) {
                if (i + 1 >= arguments.size()) {
                    throw UsageError{"option " + arg + " needs a value"};
                }
                values_[arg] = arguments[++i];
            } else if (flagOptions.count(arg)) {
                flags_.insert(arg);
            } else {
                throw UsageError{"unknown option " + arg};
            }
        } else {
            positional_.push_back(arg);
        }
    }
}

bool Args::Has(const std::string& option) const {
    return flags_.count(option) > 0 || values_.count(option) > 0;
}

std::optional<std::string> Args::Value(const std::string& option) const {
    const auto it = values_.find(option);
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

}  // namespace tessarin::cli
