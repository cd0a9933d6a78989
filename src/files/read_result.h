#pragma once

// What a reader of the user's files hands back: the data, or a message for the user that names
// the file and the cause. Readers never throw into their caller.

#include <optional>
#include <string>
#include <utility>

namespace tessarin {

template <class T>
struct ReadResult {
    std::optional<T> value;
    std::string message;  // why there is no value; empty when there is one

    static ReadResult Of(T v) { return ReadResult{std::move(v), {}}; }
    static ReadResult Failure(std::string why) { return ReadResult{std::nullopt, std::move(why)}; }

    explicit operator bool() const { return value.has_value(); }
};

}  // namespace tessarin
