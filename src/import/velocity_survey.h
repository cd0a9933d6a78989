#pragma once

// The velocity survey: depths below the survey datum and two-way times in seconds from it, kept in
// the record's fixed tables (entries 1 to velocitySurveyCount), typed into the Velocity Survey
// dialog's twenty rows or read from a ".vs" file.

#include <array>
#include <string>

#include "model/project.h"

namespace tessarin {

inline constexpr int kVelocitySurveyRows = 20;

// The texts of one row of the dialog.
struct VelocitySurveyRow {
    std::string depth;
    std::string time;
};
using VelocitySurveyRows = std::array<VelocitySurveyRow, kVelocitySurveyRows>;

// A survey table apart from the record.
struct VelocitySurvey {
    Value datumElevation;
    int count = 0;
    std::array<double, kTableSize> depths{};
    std::array<double, kTableSize> times{};
};

// What the Velocity Survey dialog hands back on OK.
struct VelocitySurveyValues {
    VelocitySurvey survey;  // sorted by depth; the datum elevation as typed
    Value kbElevation;      // as typed
};

// The record takes the survey and the KB elevation (nothing else).
void ApplyVelocitySurveyValues(Project& project, const VelocitySurveyValues& values);

// The survey of the record, and the record's survey replaced by one.
VelocitySurvey VelocitySurveyOf(const Project& project);
void SetVelocitySurvey(Project& project, const VelocitySurvey& survey);

// The rows as the dialog shows them: depths in plain decimal form, times formatted "0.##0",
// entries beyond the count empty.
VelocitySurveyRows VelocitySurveyRowsOf(const VelocitySurvey& survey);

// The points of the rows whose depth and time are both filled, in row order (Save File). Throws
// ConversionError for a filled box that is not a number.
VelocitySurvey CollectVelocitySurveyRows(const VelocitySurveyRows& rows,
                                         const std::string& datumText);

// Sorts the points by depth, each time moving with its depth.
void SortVelocitySurvey(VelocitySurvey& survey);

// OK of the dialog: with at least two complete rows the record takes the sorted survey, its datum
// text and the KB text, and is marked changed; with fewer nothing changes and the result is
// false (the dialog stays open and tells import_message::kSurveyTooFewRows).
bool AcceptVelocitySurvey(Project& project, const VelocitySurveyRows& rows,
                          const std::string& datumText, const std::string& kbText);

// The ".vs" file: the survey datum elevation on the first line, then one point per line, the
// depth formatted "####0" and, in the next print zone, the time formatted "0.##0". Reading
// throws ImportError "This is not a valid Tessarin velocity survey file." (title "Open Velocity
// Survey File"), led by the file's name and followed by the cause, for a file that cannot be
// read, a value that is not a number, a depth without its time or more than 21 points.
VelocitySurvey ReadVelocitySurveyFile(const std::string& path);
VelocitySurvey ReadVelocitySurveyText(const std::string& text, const std::string& fileName = {});
std::string VelocitySurveyFileText(const VelocitySurvey& survey);

// Writes the file, replacing an older one only when the new file is complete and reads back as
// `survey` (each point within the rounding of its pattern). Otherwise throws Error naming the
// file, or the field that would not come back and why, and the older file stays as it was.
void WriteVelocitySurveyFile(const std::string& path, const VelocitySurvey& survey);

}  // namespace tessarin
