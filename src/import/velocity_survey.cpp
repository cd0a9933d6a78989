#include "import/velocity_survey.h"

#include <fstream>
#include <sstream>

#include "import/file_bytes.h"
#include "import/import_error.h"
#include "model/numeric.h"
#include "model/pair_sort.h"
#include "model/text_io.h"

namespace tessarin {

// The most points a file may hold: entries 1 to 21 of the tables.
static constexpr int kMostSurveyPoints = kTableSize - 1;

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

VelocitySurvey ReadVelocitySurveyText(const std::string& text) {
    try {
        std::istringstream stream(text);
        FieldReader in(stream, import_message::kSurveyFileInvalid);
        VelocitySurvey survey;
        survey.datumElevation = Value(in.Number());
        while (!in.AtEnd()) {
            if (survey.count == kMostSurveyPoints) {
                in.Fail();
            }
            const double depth = in.Number();
            const double time = in.Number();  // fails at the end: a depth without its time
            ++survey.count;
            survey.depths[static_cast<std::size_t>(survey.count)] = depth;
            survey.times[static_cast<std::size_t>(survey.count)] = time;
        }
        return survey;
    } catch (const Error&) {
        throw ImportError(import_message::kSurveyFileInvalid, import_message::kSurveyFileTitle);
    }
}

VelocitySurvey ReadVelocitySurveyFile(const std::string& path) {
    std::string text;
    try {
        text = ReadFileBytes(path);
    } catch (const Error&) {
        throw ImportError(import_message::kSurveyFileInvalid, import_message::kSurveyFileTitle);
    }
    return ReadVelocitySurveyText(text);
}

std::string VelocitySurveyFileText(const VelocitySurvey& survey) {
    std::ostringstream out;
    PrintWriter print(out);
    print.Item(survey.datumElevation).EndLine();
    for (int i = 1; i <= survey.count; ++i) {
        const auto entry = static_cast<std::size_t>(i);
        print.Text(FormatPattern(survey.depths[entry], "####0"))
            .NextZone()
            .Text(FormatPattern(survey.times[entry], "0.##0"))
            .EndLine();
    }
    return out.str();
}

void WriteVelocitySurveyFile(const std::string& path, const VelocitySurvey& survey) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << VelocitySurveyFileText(survey);
    out.close();
    if (!out) {
        throw Error("The velocity survey file \"" + path + "\" could not be written.");
    }
}

}  // namespace tessarin
