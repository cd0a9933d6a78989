#pragma once

// The JSON that tessarin-cli prints for scripts, written as it goes: objects, lists, numbers
// rounded to a given number of places, texts escaped.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin::cli {

// JSON written by hand: the figures are a few numbers, texts and one list, and a library would be
// one more dependency for every build of the program.
class Json {
public:
    explicit Json(std::ostream& out) : out_(out) {}

    Json& Open(const char* name = nullptr) { return Begin(name, '{'); }
    Json& OpenList(const char* name) { return Begin(name, '['); }
    Json& Close() { return End('}'); }
    Json& CloseList() { return End(']'); }

    // Rounded to `decimals` places: a lag of 12 ms is 12, not 12.000000000000002.
    Json& Number(const char* name, double x, int decimals = 6) {
        Key(name);
        if (!std::isfinite(x)) {
            out_ << "null";
            return *this;
        }
        const double scale = std::pow(10.0, decimals);
        x = std::round(x * scale) / scale + 0.0;
        char text[32];
        out_ << std::string_view(text, std::to_chars(text, text + sizeof text, x).ptr);
        return *this;
    }
    Json& Text(const char* name, const std::string& text) {
        Key(name);
        out_ << '"';
        for (const char c : text) {
            if (c == '"' || c == '\\') {
                out_ << '\\' << c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out_ << escaped;
            } else {
                out_ << c;
            }
        }
        out_ << '"';
        return *this;
    }
    Json& Bool(const char* name, bool value) {
        Key(name);
        out_ << (value ? "true" : "false");
        return *this;
    }
    Json& TextOrNull(const char* name, const std::optional<std::string>& text) {
        return text ? Text(name, *text) : Null(name);
    }
    Json& Null(const char* name) {
        Key(name);
        out_ << "null";
        return *this;
    }

private:
    Json& Begin(const char* name, char bracket) {
        Key(name);
        out_ << bracket;
        first_.push_back(true);
        return *this;
    }
    Json& End(char bracket) {
        first_.pop_back();
        out_ << bracket;
        if (first_.empty()) {
            out_ << "\n";
        }
        return *this;
    }
    void Key(const char* name) {
        if (!first_.empty()) {
            out_ << (first_.back() ? "" : ", ");
            first_.back() = false;
        }
        if (name) {
            out_ << '"' << name << "\": ";
        }
    }

    std::ostream& out_;
    std::vector<bool> first_;
};

}  // namespace tessarin::cli
