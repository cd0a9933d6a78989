#include "import/velocity_survey.h"

#include <sstream>

#include "files/replace_file.h"
#include "import/file_bytes.h"
#include "import/import_error.h"
#include "model/numeric.h"
#include "model/pair_sort.h"
#include "model/saved_value.h"
#include "model/text_io.h"
#include "model/user_file.h"

namespace tessarin {

// The most points a file may hold: entries 1 to 21 of the tables.
static constexpr int kMostSurveyPoints = kTableSize - 1;

// How a file writes each point.
static constexpr const char* kDepthPattern = "####0";
static constexpr const char* kTimePattern = "0.##0";

VelocitySurvey VelocitySurveyOf(const Project& project) {
    VelocitySurvey survey;
    survey.datumElevation = project.velocitySurveyDatumElevation;
    survey.count = project.velocitySurveyCount;
    survey.depths = project.velocitySurveyDepths;
    survey.times = project.velocitySurveyTimes;
    return survey;
}

void SetVelocitySurvey(Project& project, const VelocitySurvey& survey) {
    project.velocitySurveyDatumElevation = survey.datumElevation;
    project.velocitySurveyCount = survey.count;
    project.velocitySurveyDepths = survey.depths;
    project.velocitySurveyTimes = survey.times;
}

void ApplyVelocitySurveyValues(Project& project, const VelocitySurveyValues& values) {
    SetVelocitySurvey(project, values.survey);
    project.kbElevation = values.kbElevation;
}

VelocitySurveyRows VelocitySurveyRowsOf(const VelocitySurvey& survey) {
    VelocitySurveyRows rows;
    for (int i = 0; i < kVelocitySurveyRows && i < survey.count; ++i) {
        const auto entry = static_cast<std::size_t>(i + 1);
        rows[static_cast<std::size_t>(i)] = {PlainNumber(survey.depths[entry]),
                                             FormatPattern(survey.times[entry], "0.##0")};
    }
    return rows;
}

VelocitySurvey CollectVelocitySurveyRows(const VelocitySurveyRows& rows,
                                         const std::string& datumText) {
    VelocitySurvey survey;
    survey.datumElevation = Value::Text(datumText);
    for (const VelocitySurveyRow& row : rows) {
        if (row.depth.empty() || row.time.empty()) {
            continue;  // a row needs both its boxes
        }
        ++survey.count;
        const auto entry = static_cast<std::size_t>(survey.count);
        survey.depths[entry] = TextToNumber(row.depth);
        survey.times[entry] = TextToNumber(row.time);
    }
    return survey;
}

void SortVelocitySurvey(VelocitySurvey& survey) {
    SortPairsByKey(survey.count, survey.depths, survey.times);
}

bool AcceptVelocitySurvey(Project& project, const VelocitySurveyRows& rows,
                          const std::string& datumText, const std::string& kbText) {
    VelocitySurvey survey = CollectVelocitySurveyRows(rows, datumText);
    if (survey.count < 2) {
        return false;
    }
    SortVelocitySurvey(survey);
    SetVelocitySurvey(project, survey);
    project.kbElevation = Value::Text(kbText);
    project.projectChanged = true;
    return true;
}

VelocitySurvey ReadVelocitySurveyText(const std::string& text, const std::string& fileName) {
    try {
        std::istringstream stream(text);
        FieldReader in(stream, import_message::kSurveyFileInvalid, fileName);
        VelocitySurvey survey;
        survey.datumElevation = Value(in.Number());
        while (!in.AtEnd()) {
            if (survey.count == kMostSurveyPoints) {
                in.Fail("it holds more than " + std::to_string(kMostSurveyPoints) + " points");
            }
            const double depth = in.Number();
            const double time = in.Number();  // fails at the end: a depth without its time
            ++survey.count;
            survey.depths[static_cast<std::size_t>(survey.count)] = depth;
            survey.times[static_cast<std::size_t>(survey.count)] = time;
        }
        return survey;
    } catch (const Error& e) {
        throw ImportError(e.what(), import_message::kSurveyFileTitle);
    }
}

VelocitySurvey ReadVelocitySurveyFile(const std::string& path) {
    if (const auto problem = UnreadableFileProblem(path)) {
        throw ImportError(FileFailure(path, import_message::kSurveyFileInvalid, "it " + *problem),
                          import_message::kSurveyFileTitle);
    }
    std::string text;
    try {
        text = ReadFileBytes(path);
    } catch (const Error&) {
        throw ImportError(
            FileFailure(path, import_message::kSurveyFileInvalid, "it cannot be read"),
            import_message::kSurveyFileTitle);
    }
    return ReadVelocitySurveyText(text, path);
}

std::string VelocitySurveyFileText(const VelocitySurvey& survey) {
    std::ostringstream out;
    PrintWriter print(out);
    print.Item(survey.datumElevation).EndLine();
    for (int i = 1; i <= survey.count; ++i) {
        const auto entry = static_cast<std::size_t>(i);
        print.Text(FormatPattern(survey.depths[entry], kDepthPattern))
            .NextZone()
            .Text(FormatPattern(survey.times[entry], kTimePattern))
            .EndLine();
    }
    return out.str();
}

namespace {

constexpr const char* kSurveyDocument = "velocity survey";

[[noreturn]] void RefuseSurvey(const std::string& field, const std::string& shown,
                               const std::string& reason) {
    throw Error(NotSavedMessage(kSurveyDocument, field, shown, reason));
}

std::string PointField(const char* what, int point) {
    return std::string(what) + " of point " + std::to_string(point);
}

// The points whose written depth or time would not read back; only looked for when the file
// did not open again.
void CheckPointsCanBeWritten(const VelocitySurvey& survey) {
    for (int i = 1; i <= survey.count; ++i) {
        const auto entry = static_cast<std::size_t>(i);
        if (auto problem = PatternedNumberProblem(survey.depths[entry], kDepthPattern)) {
            RefuseSurvey(PointField("depth", i), ShownValue(Value(survey.depths[entry])), *problem);
        }
        if (auto problem = PatternedNumberProblem(survey.times[entry], kTimePattern)) {
            RefuseSurvey(PointField("time", i), ShownValue(Value(survey.times[entry])), *problem);
        }
    }
}

// The file just written must open again as `survey`, each point within the rounding of its
// pattern.
void CheckSurveyFileReadsBack(const VelocitySurvey& survey, const std::string& written) {
    const char* const datumName = "survey datum elevation";
    if (auto problem = SavedNumberProblem(survey.datumElevation)) {
        RefuseSurvey(datumName, ShownValue(survey.datumElevation), *problem);
    }
    VelocitySurvey back;
    try {
        back = ReadVelocitySurveyFile(written);
    } catch (const Error&) {
        CheckPointsCanBeWritten(survey);
        throw Error("The velocity survey was not saved: the file written would not open again.");
    }
    if (!SameSavedValue(survey.datumElevation, back.datumElevation)) {
        RefuseSurvey(datumName, ShownValue(survey.datumElevation),
                     "it would read back as " + ShownValue(back.datumElevation));
    }
    if (back.count != survey.count) {
        RefuseSurvey("number of points", std::to_string(survey.count),
                     "it would read back as " + std::to_string(back.count));
    }
    for (int i = 1; i <= survey.count; ++i) {
        const auto entry = static_cast<std::size_t>(i);
        if (!SamePatternedNumber(survey.depths[entry], back.depths[entry], kDepthPattern)) {
            RefuseSurvey(PointField("depth", i), ShownValue(Value(survey.depths[entry])),
                         "it would read back as " + ShownValue(Value(back.depths[entry])));
        }
        if (!SamePatternedNumber(survey.times[entry], back.times[entry], kTimePattern)) {
            RefuseSurvey(PointField("time", i), ShownValue(Value(survey.times[entry])),
                         "it would read back as " + ShownValue(Value(back.times[entry])));
        }
    }
}

}  // namespace

void WriteVelocitySurveyFile(const std::string& path, const VelocitySurvey& survey) {
    ReplaceFileContent(path, VelocitySurveyFileText(survey),
                       [&survey](const std::filesystem::path& written) {
                           CheckSurveyFileReadsBack(survey, written.string());
                       });
}

}  // namespace tessarin
