#include "model/text_io.h"

#include "model/error.h"
#include "model/numeric.h"
#include "model/user_file.h"

namespace tessarin {

PrintWriter& PrintWriter::Number(double x) {
    return Text(PrintedNumber(x));
}

PrintWriter& PrintWriter::Text(const std::string& text) {
    out_ << text;
    column_ += static_cast<int>(text.size());
    return *this;
}

PrintWriter& PrintWriter::Item(const Value& value) {
    return value.IsText() ? Text(value.ToText()) : Number(value.Number());
}

// A "," always moves on to the start of the next zone, even from the first column of one: a text
// that fills its zone exactly is still followed by blanks, so it never runs into the next item.
PrintWriter& PrintWriter::NextZone() {
    const int padding = kZoneWidth - column_ % kZoneWidth;
    return Text(std::string(static_cast<std::size_t>(padding), ' '));
}

PrintWriter& PrintWriter::EndLine() {
    out_ << "\r\n";
    column_ = 0;
    return *this;
}

FieldReader::FieldReader(std::istream& in, std::string failureMessage, std::string fileName)
    : in_(in), failureMessage_(std::move(failureMessage)), fileName_(std::move(fileName)) {}

void FieldReader::Fail(const std::string& cause) const {
    throw Error(FileFailure(fileName_, failureMessage_, cause));
}

void FieldReader::FailField(const std::string& expected) const {
    Fail("line " + std::to_string(fieldLine_) + " holds \"" + field_ + "\" where " + expected +
         " should be");
}

void FieldReader::FailAtEnd() const {
    Fail("it ends early, on line " + std::to_string(line_));
}

// Straight from the stream's buffer: files are read a character at a time, and the stream's own
// peek and get set up and check its state on every call, a quarter of the time of reading a
// project back.
int FieldReader::Peek() {
    std::streambuf* buffer = in_.rdbuf();
    return buffer ? buffer->sgetc() : EOF;
}

// Counts lines, and stops at a line too long to be one of the file's: a file of another kind, or
// one that never ends.
int FieldReader::Get() {
    std::streambuf* buffer = in_.rdbuf();
    const int c = buffer ? buffer->sbumpc() : EOF;
    if (c == '\n' || c == '\r') {
        line_ += c == '\n' ? 1 : 0;
        column_ = 0;
    } else if (c != EOF && ++column_ > kLongestTextLine) {
        Fail("line " + std::to_string(line_) + " is longer than " +
             std::to_string(kLongestTextLine) + " characters");
    }
    return c;
}

static bool IsBlank(int c) {
    return c == ' ' || c == '\t';
}
static bool IsLineEnd(int c) {
    return c == '\r' || c == '\n';
}

void FieldReader::SkipBlanks() {
    while (IsBlank(Peek())) {
        Get();
    }
}

void FieldReader::SkipLineEnd() {
    if (Peek() == '\r') {
        Get();
    }
    if (Peek() == '\n') {
        Get();
    }
}

// After a field: blanks, then one comma or one line end, belong to it.
void FieldReader::FinishField() {
    SkipBlanks();
    if (Peek() == ',') {
        Get();
    } else if (IsLineEnd(Peek())) {
        SkipLineEnd();
    }
}

std::string FieldReader::UnquotedField(bool blankEnds) {
    std::string field;
    for (int c = Peek(); c != EOF && c != ',' && !IsLineEnd(c) && !(blankEnds && IsBlank(c));
         c = Peek()) {
        field += static_cast<char>(Get());
    }
    while (!field.empty() && IsBlank(field.back())) {
        field.pop_back();
    }
    return field;
}

std::string FieldReader::NextRawField(bool blankEnds) {
    // Leading blanks and empty lines come before a field.
    while (IsBlank(Peek()) || IsLineEnd(Peek())) {
        Get();
    }
    if (Peek() == EOF) {
        FailAtEnd();
    }
    fieldLine_ = line_;
    std::string field;
    if (Peek() == '"') {
        Get();
        for (int c = Get(); c != '"'; c = Get()) {
            if (c == EOF) {
                FailAtEnd();
            }
            field += static_cast<char>(c);
            if (field.size() > kLongestTextLine) {
                Fail("the quoted text from line " + std::to_string(fieldLine_) +
                     " is longer than " + std::to_string(kLongestTextLine) + " characters");
            }
        }
    } else {
        field = UnquotedField(blankEnds);
    }
    FinishField();
    field_ = field;
    return field;
}

std::string FieldReader::Field() {
    return NextRawField(false);
}

double FieldReader::Number() {
    const auto number = ParseNumber(NextRawField(true));
    if (!number) {
        FailField("a number");
    }
    return *number;
}

std::int16_t FieldReader::Int16() {
    const double number = Number();
    try {
        return ToInt16(number);
    } catch (const OverflowError&) {
        FailField("a whole number from -32768 to 32767");
    }
}

Value FieldReader::ValueField() {
    return Value::FromField(NextRawField(true));
}

std::string FieldReader::Line() {
    if (Peek() == EOF) {
        FailAtEnd();
    }
    std::string line;
    for (int c = Peek(); c != EOF && !IsLineEnd(c); c = Peek()) {
        line += static_cast<char>(Get());
    }
    SkipLineEnd();
    return line;
}

bool FieldReader::AtEnd() {
    while (IsBlank(Peek()) || IsLineEnd(Peek())) {
        Get();
    }
    return Peek() == EOF;
}

}  // namespace tessarin
