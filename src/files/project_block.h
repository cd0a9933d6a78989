#pragma once

// The tagged blocks a project file holds after its last log row (the seismic tie, an extracted
// wavelet): "name = value" lines, then a count of samples and the samples one a line, between an
// opening and a closing tag. The writing and reading that every block shares.

#include <istream>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tessarin::block {

// The shortest text that reads back as the same double.
std::string Number(double x);

std::string Quoted(const std::string& text);
std::string Trimmed(const std::string& text);

class BlockText {
public:
    void Line(const std::string& line) { text_ += line + "\r\n"; }
    void Field(const std::string& name, const std::string& value) { Line(name + " = " + value); }
    void Field(const std::string& name, double value) { Field(name, Number(value)); }
    std::string Text() && { return std::move(text_); }

private:
    std::string text_;
};

// Why a block cannot be read; thrown by the readers below and caught by the block's reader.
struct Damaged {
    std::string reason;
};

class BlockLines {
public:
    explicit BlockLines(std::istream& in) : in_(in) {}

    // The next line without its line end; nothing at the end of the file. A line longer than
    // any a block holds throws Damaged, so that a damaged file cannot fill the memory.
    std::optional<std::string> Next();
    // The next line; Damaged ("the file ends " + whereItEnds) at the end of the file.
    std::string Required(const std::string& whereItEnds);

private:
    std::istream& in_;
};

// The "name = value" lines of a block before its samples.
class Fields {
public:
    void Add(const std::string& name, std::string value) { values_[name] = std::move(value); }

    const std::string& Text(const std::string& name) const;
    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    double Number(const std::string& name) const { return ParsedNumber(name, Text(name)); }
    long long Whole(const std::string& name, long long lowest, long long highest) const;

    template <class Choice, std::size_t N>
    Choice Word(const std::string& name, const std::pair<Choice, const char*> (&words)[N]) const {
        const std::string text = Trimmed(Text(name));
        for (const auto& [choice, word] : words) {
            if (text == word) {
                return choice;
            }
        }
        throw Damaged{"its " + name + " " + Quoted(text) + " is none of the words it may be"};
    }

    static double ParsedNumber(const std::string& name, const std::string& given);

private:
    std::map<std::string, std::string> values_;
};

// The "name = value" lines up to and including "samples = N", and N (at least 1).
Fields ReadFields(BlockLines& lines, long long& count);

// `count` sample lines; `what` names them in a reason ("the trace's").
std::vector<double> ReadSamples(BlockLines& lines, long long count, const std::string& what,
                                const std::string& blockEnd);

// The closing line after the samples.
void ReadBlockEnd(BlockLines& lines, long long count, const std::string& what,
                  const std::string& blockEnd);

}  // namespace tessarin::block
