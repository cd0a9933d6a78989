#include "files/project_file_check.h"

#include <optional>
#include <sstream>
#include <string>

#include "files/project_file.h"
#include "files/project_tie_block.h"
#include "files/project_wavelet_block.h"
#include "model/error.h"
#include "model/saved_value.h"

namespace tessarin {
namespace {

constexpr const char* kDocument = "project";

// A field's name, "KB elevation" or "depth of log sample 12", put together only when a refusal
// needs it: a log has thousands of fields.
struct FieldName {
    FieldName(const char* what) : what(what) {}  // NOLINT: names are written as plain texts
    FieldName(const char* what, std::size_t number) : what(what), number(number) {}
    std::string Text() const {
        return number ? std::string(what) + " " + std::to_string(*number) : std::string(what);
    }
    const char* what;
    std::optional<std::size_t> number;
};

[[noreturn]] void Refuse(const FieldName& field, const std::string& shown,
                         const std::string& reason) {
    throw Error(NotSavedMessage(kDocument, field.Text(), shown, reason));
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// One look at each field of the file, in the order of the file: `record` is what was meant to be
// written, `back` what the file gave back.
class FieldCheck {
public:
    virtual ~FieldCheck() = default;
    virtual void Line(const FieldName& name, const std::string& record,
                      const std::string& back) = 0;
    virtual void Field(const FieldName& name, const std::string& record,
                       const std::string& back) = 0;
    virtual void ValueField(const FieldName& name, const Value& record, const Value& back) = 0;
    virtual void NumberField(const FieldName& name, const Value& record, const Value& back) = 0;
    virtual void Count(const FieldName& name, int record, int back) = 0;
    virtual void Patterned(const FieldName& name, double record, double back,
                           std::string_view pattern) = 0;
    // A value the file holds but reading skips: it needs only to be writable.
    virtual void WrittenOnly(const FieldName& name, const Value& record) = 0;
};

// Before reading: the fields whose own text would not come back, with the reason. Numbers written
// with a pattern are looked at only when asked, since a log has thousands of them.
class OwnTextCheck : public FieldCheck {
public:
    explicit OwnTextCheck(bool patternedNumbers) : patternedNumbers_(patternedNumbers) {}

    void Line(const FieldName& name, const std::string& record, const std::string&) override {
        Check(name, Quoted(record), SavedLineProblem(record));
    }
    void Field(const FieldName& name, const std::string& record, const std::string&) override {
        Check(name, Quoted(record), SavedFieldProblem(record));
    }
    void ValueField(const FieldName& name, const Value& record, const Value&) override {
        Check(name, ShownValue(record), SavedValueProblem(record));
    }
    void NumberField(const FieldName& name, const Value& record, const Value&) override {
        Check(name, ShownValue(record), SavedNumberProblem(record));
    }
    void Count(const FieldName&, int, int) override {}
    void Patterned(const FieldName& name, double record, double,
                   std::string_view pattern) override {
        if (patternedNumbers_) {
            Check(name, ShownValue(Value(record)), PatternedNumberProblem(record, pattern));
        }
    }
    void WrittenOnly(const FieldName& name, const Value& record) override {
        ValueField(name, record, record);
    }

private:
    static void Check(const FieldName& name, const std::string& shown,
                      const std::optional<std::string>& problem) {
        if (problem) {
            Refuse(name, shown, *problem);
        }
    }

    bool patternedNumbers_;
};

// After reading: each field as the file gave it back against the record.
class ReadBackCheck : public FieldCheck {
public:
    void Line(const FieldName& name, const std::string& record, const std::string& back) override {
        if (record != back) {
            Differs(name, Quoted(record), Quoted(back));
        }
    }
    void Field(const FieldName& name, const std::string& record, const std::string& back) override {
        if (Trimmed(record) != back) {
            Differs(name, Quoted(record), Quoted(back));
        }
    }
    void ValueField(const FieldName& name, const Value& record, const Value& back) override {
        if (!SameSavedValue(record, back)) {
            Differs(name, ShownValue(record), ShownValue(back));
        }
    }
    void NumberField(const FieldName& name, const Value& record, const Value& back) override {
        ValueField(name, record, back);
    }
    void Count(const FieldName& name, int record, int back) override {
        if (record != back) {
            Differs(name, std::to_string(record), std::to_string(back));
        }
    }
    void Patterned(const FieldName& name, double record, double back,
                   std::string_view pattern) override {
        if (!SamePatternedNumber(record, back, pattern)) {
            Differs(name, ShownValue(Value(record)), ShownValue(Value(back)));
        }
    }
    void WrittenOnly(const FieldName&, const Value&) override {}

private:
    [[noreturn]] static void Differs(const FieldName& name, const std::string& shown,
                                     const std::string& backShown) {
        Refuse(name, shown, "it would read back as " + backShown);
    }
};

void CheckWell(const Project& r, const Project& b, FieldCheck& check) {
    check.Line("well name", r.wellName, b.wellName);
    const bool general = r.locationType == kGeneralLocation;
    const char* const locations[6] = {general ? "first location line" : "county",
                                      general ? "second location line" : "state",
                                      "section",
                                      "township",
                                      "range",
                                      "UWI"};
    for (std::size_t k = 0; k < 6; ++k) {
        check.Line(locations[k], r.wellLocation[k], b.wellLocation[k]);
    }
    check.ValueField("KB elevation", r.kbElevation, b.kbElevation);
    check.ValueField("GL elevation", r.glElevation, b.glElevation);
    check.Count("sample interval", r.sampleIntervalUs, b.sampleIntervalUs);
    check.ValueField("seismic datum elevation", r.datumElevation, b.datumElevation);
    check.ValueField("seismic datum velocity", r.datumVelocity, b.datumVelocity);
}

void CheckScalesAndWavelet(const Project& r, const Project& b, FieldCheck& check) {
    // Written but never read back: the user's own screen factor stays in force.
    check.WrittenOnly("screen scale correction", r.screenCorrection);
    check.ValueField("time scale", r.timeScale, b.timeScale);
    check.ValueField(r.measurementUnits == kMetric ? "traces per centimetre" : "traces per inch",
                     r.tracesPerUnit, b.tracesPerUnit);
    check.ValueField("amplitude", r.amplitudeScale, b.amplitudeScale);
    check.Count("number of traces", r.traceCount, b.traceCount);
    check.Field("AGC window length", r.agcWindow, b.agcWindow);

    const bool ricker = r.waveletType == kRickerWavelet;
    check.ValueField(ricker ? "Ricker frequency" : "low cut frequency", r.lowCut, b.lowCut);
    check.ValueField("low pass frequency", r.lowPass, b.lowPass);
    check.ValueField("high pass frequency", r.highPass, b.highPass);
    check.ValueField("high cut frequency", r.highCut, b.highCut);
    check.ValueField("wavelet phase", r.phaseDegrees, b.phaseDegrees);
    check.ValueField("wavelet length", r.waveletLength, b.waveletLength);
}

void CheckTables(const Project& r, const Project& b, FieldCheck& check) {
    check.Count("number of horizons", r.horizonCount, b.horizonCount);
    for (std::size_t k = 1; k <= static_cast<std::size_t>(r.horizonCount); ++k) {
        check.Line({"name of horizon", k}, r.horizonNames[k], b.horizonNames[k]);
        check.NumberField({"depth of horizon", k}, r.horizonDepths[k], b.horizonDepths[k]);
    }
    if (!r.applyVelocitySurvey) {
        return;
    }
    check.ValueField("velocity survey datum elevation", r.velocitySurveyDatumElevation,
                     b.velocitySurveyDatumElevation);
    check.Count("number of velocity survey points", r.velocitySurveyCount, b.velocitySurveyCount);
    for (std::size_t k = 1; k <= static_cast<std::size_t>(r.velocitySurveyCount); ++k) {
        check.Patterned({"depth of velocity survey point", k}, r.velocitySurveyDepths[k],
                        b.velocitySurveyDepths[k], "####0");
        check.Patterned({"time of velocity survey point", k}, r.velocitySurveyTimes[k],
                        b.velocitySurveyTimes[k], "0.##0");
    }
}

void CheckLogs(const Project& r, const Project& b, FieldCheck& check) {
    check.Count("number of log samples", r.lastSampleIndex, b.lastSampleIndex);
    const bool density = r.impedanceType == kSonicDensity;
    for (std::size_t i = 0; i <= static_cast<std::size_t>(r.lastSampleIndex); ++i) {
        check.Patterned({"depth of log sample", i}, r.timeDepth[i], b.timeDepth[i], "#####.#0");
        check.Patterned({"sonic of log sample", i}, r.timeSonic[i], b.timeSonic[i], "###.#0");
        if (density) {
            check.Patterned({"density of log sample", i}, r.timeDensity[i], b.timeDensity[i],
                            "#.##0");
        }
    }
}

// A block's lines must come back as written: the text the record writes is compared with the
// text the record read back would write, which holds every number to its last digit, so the
// refusal can show the line.
void CheckBlockLines(const char* whose, const std::string& meant, const std::string& got) {
    std::istringstream meantLines(meant);
    std::istringstream gotLines(got);
    for (std::string line, gotLine; std::getline(meantLines, line);) {
        std::getline(gotLines, gotLine);
        if (line != gotLine) {
            Refuse(whose, Quoted(line.substr(0, line.find('\r'))),
                   "it would read back as " + Quoted(gotLine.substr(0, gotLine.find('\r'))));
        }
    }
}

// The tie block must open again as the record's tie.
void CheckTie(const Project& record, const Project& back) {
    if (!record.tie) {
        return;
    }
    if (!back.tie) {
        Refuse("seismic trace from", Quoted(record.tie->source.path),
               "the block holding it would not open again and would be left out");
    }
    CheckBlockLines("seismic tie's line", TieBlockText(*record.tie), TieBlockText(*back.tie));
}

// The extracted wavelet in use must open again as the record's.
void CheckExtractedWavelet(const Project& record, const Project& back) {
    if (record.waveletType != kExtractedWavelet || !record.extractedWavelet) {
        return;
    }
    if (!back.extractedWavelet) {
        Refuse("extracted wavelet from", Quoted(record.extractedWavelet->source),
               "the block holding it would not open again and would be left out");
    }
    CheckBlockLines("extracted wavelet's line", WaveletBlockText(*record.extractedWavelet),
                    WaveletBlockText(*back.extractedWavelet));
}

void CheckEveryField(const Project& record, const Project& back, FieldCheck& check) {
    CheckWell(record, back, check);
    CheckScalesAndWavelet(record, back, check);
    CheckTables(record, back, check);
    CheckLogs(record, back, check);
}

}  // namespace

void CheckProjectFileReadsBack(const Project& record, const std::filesystem::path& written) {
    OwnTextCheck ownText(false);
    CheckEveryField(record, record, ownText);

    // Read into a fresh record: every field compared below is one the file sets.
    Project back;
    try {
        ReadProjectFile(back, written);
    } catch (const Error&) {
        OwnTextCheck withNumbers(true);
        CheckEveryField(record, record, withNumbers);
        throw Error("The project was not saved: the file written would not open again.");
    }
    ReadBackCheck readBack;
    CheckEveryField(record, back, readBack);
    CheckTie(record, back);
    CheckExtractedWavelet(record, back);
}

}  // namespace tessarin
