#pragma once

// Failures of the log import. Each carries the title of the message box the program shows for it;
// an empty title means the program ends the import quietly (a batch run still reports the text).

#include <string>

#include "model/error.h"

namespace tessarin {

class ImportError : public Error {
public:
    ImportError(const std::string& message, std::string title)
        : Error(message), title_(std::move(title)) {}

    const std::string& Title() const { return title_; }

private:
    std::string title_;
};

namespace import_message {
inline constexpr const char* kFormatErrorTitle = "File Format Error";
inline constexpr const char* kWrapped =
    "LAS file is in the wrapped mode.\r\n\r\n"
    "Tessarin does not support the LAS wrapped mode.   "
    "Please use an LAS utility, such as REFORMAT.EXE available from the "
    "Canadian Well Logging Society to format this LAS file in the unwrapped mode.";
inline constexpr const char* kNotStandard = "This file is not in standard LAS 1.2 or 2.0 format";
// Follows kNotStandard and its cause when a header line is too long to be one.
inline constexpr const char* kLongLineAdvice =
    "Please open this LAS file in a word processor such as Microsoft Word, make the page width "
    "wide enough so that there is one depth per line on screen in the data section of the file, "
    "and save as 'text with line breaks'.  Try to import the new file.";
inline constexpr const char* kCurveReadFailed = "Error reading LAS file.";

inline constexpr const char* kSurveyWarningTitle = "Warning";
inline constexpr const char* kSurveyNotApplicable =
    "The velocity survey datum or the velocity survey depth-time values "
    "are not consistent with the sonic log datum (KB) or the times derived from the sonic log.\n"
    "The velocity survey cannot be applied.";

// OK of the Velocity Survey dialog with fewer than two complete rows.
inline constexpr const char* kSurveyTooFewRows =
    "The velocity survey needs at least two rows that hold both a depth and a time.";

inline constexpr const char* kSurveyFileTitle = "Open Velocity Survey File";
inline constexpr const char* kSurveyFileInvalid =
    "This is not a valid Tessarin velocity survey file.";
}  // namespace import_message

}  // namespace tessarin
