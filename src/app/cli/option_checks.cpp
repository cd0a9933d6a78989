#include "cli/option_checks.h"

#include <filesystem>
#include <utility>

#include "model/numeric.h"
#include "model/project.h"

namespace tessarin::cli {
namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// "a", "a or b", "a, b or c".
std::string Alternatives(const std::vector<std::string>& words) {
    std::string text;
    for (std::size_t k = 0; k < words.size(); ++k) {
        text += (k == 0 ? "" : k + 1 == words.size() ? " or " : ", ") + words[k];
    }
    return text;
}

std::optional<int> RateIndex(const std::string& milliseconds) {
    const auto ms = ParseNumber(milliseconds);
    for (int index = 0; index < 3; ++index) {
        if (ms && *ms * 1000 == 2 * SampleIntervalForRate(index)) {
            return index;
        }
    }
    return std::nullopt;
}

}  // namespace

CLI::Validator ReasonCheck(std::function<std::string(const std::string&)> reason) {
    return CLI::Validator([reason = std::move(reason)](std::string& text) { return reason(text); },
                          "");
}

CLI::Validator NumberCheck() {
    return ReasonCheck([](const std::string& text) {
        return ParseNumber(text) ? std::string() : "needs a number, not " + Quoted(text);
    });
}

CLI::Validator PositiveNumberCheck() {
    return ReasonCheck([](const std::string& text) {
        const auto number = ParseNumber(text);
        return number && *number > 0.0 ? std::string()
                                       : "must be a number greater than zero, not " + Quoted(text);
    });
}

CLI::Validator OneOfCheck(std::vector<std::string> words) {
    return ReasonCheck([words](const std::string& text) {
        for (const std::string& word : words) {
            if (text == word) {
                return std::string();
            }
        }
        return "must be " + Alternatives(words) + ", not " + Quoted(text);
    });
}

CLI::Validator SampleRateCheck() {
    return ReasonCheck([](const std::string& text) {
        return RateIndex(text) ? std::string()
                               : "must be 2, 1 or 0.5 (milliseconds), not " + Quoted(text);
    });
}

CLI::Validator CornerListCheck() {
    return ReasonCheck([](const std::string& text) {
        return CornerList(text).size() == 4
                   ? std::string()
                   : "needs four corner frequencies LC,LP,HP,HC, not " + Quoted(text);
    });
}

CLI::Validator TimeWindowCheck() {
    return ReasonCheck([](const std::string& text) {
        return ParseTimeWindow(text)
                   ? std::string()
                   : "needs T0:T1 in seconds with T0 before T1, not " + Quoted(text);
    });
}

int SampleRateIndex(const std::string& milliseconds) {
    return RateIndex(milliseconds).value_or(0);
}

std::vector<std::string> CornerList(const std::string& list) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t comma; (comma = list.find(',', start)) != std::string::npos;) {
        parts.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    parts.push_back(list.substr(start));
    return parts;
}

std::optional<TieWindow> ParseTimeWindow(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) {
        return std::nullopt;
    }
    const auto start = ParseNumber(std::string_view(text).substr(0, colon));
    const auto end = ParseNumber(std::string_view(text).substr(colon + 1));
    if (!start || !end || !(*start < *end)) {
        return std::nullopt;
    }
    return TieWindow{*start, *end};
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::path(a).lexically_normal() ==
               std::filesystem::path(b).lexically_normal() ||
           std::filesystem::equivalent(a, b, error);
}

}  // namespace tessarin::cli
