#pragma once

// Sequential text output and free-format field input, the way the program's text files (project,
// horizon, velocity survey, text export) are written and read. Lines end in CR LF when written;
// LF alone is accepted when read.

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

#include "model/value.h"

namespace tessarin {

// Writes items as sequential print does. A number takes a sign position and a trailing blank;
// NextZone pads with blanks to the start of the next 14-character print zone, as a "," between
// items does (at least one blank, even at the start of a zone).
class PrintWriter {
public:
    static constexpr int kZoneWidth = 14;

    explicit PrintWriter(std::ostream& out) : out_(out) {}

    PrintWriter& Number(double x);
    PrintWriter& Text(const std::string& text);
    PrintWriter& Item(const Value& value);  // as text when it holds text, else as a number
    PrintWriter& NextZone();
    PrintWriter& EndLine();

    int Column() const { return column_; }

private:
    std::ostream& out_;
    int column_ = 0;
};

// Reads fields the way sequential input does. A field ends at a comma or a line end; a number
// also ends at a blank. Blanks around a field are skipped, and so is the comma that ends it.
// A field in double quotes is read up to the closing quote. A read that fails (at the end of the
// input, a field that is no number, a line longer than kLongestTextLine) throws Error with the
// message given at construction, led by the file's name and followed by the cause:
// "well.tsp: This is not a valid Tessarin project file: line 3 holds "x" where a number should
// be."
class FieldReader {
public:
    FieldReader(std::istream& in, std::string failureMessage, std::string fileName = {});

    std::string Field();   // a text field, trimmed
    double Number();       // a numeric field; a non-number fails
    std::int16_t Int16();  // a numeric field converted with halves to even
    Value ValueField();    // a number when the field reads as one, else text
    std::string Line();    // the rest of the current line, whole
    bool AtEnd();          // nothing but blanks and line ends remain

    [[noreturn]] void Fail(const std::string& cause) const;
    // Fails on the field read last: line N holds "FIELD" where EXPECTED should be.
    [[noreturn]] void FailField(const std::string& expected) const;
    [[noreturn]] void FailAtEnd() const;  // it ends early, on line N

private:
    int Peek();
    int Get();
    void SkipBlanks();
    void SkipLineEnd();
    void FinishField();
    std::string UnquotedField(bool blankEnds);
    std::string NextRawField(bool blankEnds);

    std::istream& in_;
    std::string failureMessage_;
    std::string fileName_;
    int line_ = 1;
    std::size_t column_ = 0;
    int fieldLine_ = 1;  // where the field read last begins
    std::string field_;  // the field read last
};

}  // namespace tessarin
