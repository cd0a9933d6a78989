// tessarin-cli tie-summary RESULT.json...: the --json results of many tessarin-cli tie runs, one
// a well, gathered into one table, best tie first, the poor ones flagged.

#include <CLI/CLI.hpp>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/help_formatter.h"
#include "cli/option_checks.h"
#include "cli/tie_table.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin::cli {
namespace {

constexpr const char* kPrefix = "tessarin-cli tie-summary: ";

struct SummaryArguments {
    std::vector<std::string> results;
    bool csv = false;
    std::string minR = "0.5";
};

// A number of the result; nothing for null (a figure the tie could not find) or a missing key.
std::optional<double> Figure(const QJsonObject& object, const char* key) {
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isDouble() ? std::optional(value.toDouble()) : std::nullopt;
}

std::optional<double> Figure(const QJsonObject& object, const char* group, const char* key) {
    return Figure(object.value(QLatin1String(group)).toObject(), key);
}

// "line.sgy trace 5 (inline 6, crossline 8)", or the name alone for a text trace.
std::string TraceText(const QJsonObject& seismic) {
    std::string text =
        QFileInfo(seismic.value(QLatin1String("file")).toString()).fileName().toStdString();
    if (const auto number = Figure(seismic, "trace")) {
        text += " trace " + PlainNumber(*number) + " (inline " +
                PlainNumber(Figure(seismic, "inline").value_or(0)) + ", crossline " +
                PlainNumber(Figure(seismic, "crossline").value_or(0)) + ")";
    }
    return text;
}

// The figures of one result file; throws Error saying why it is not a tie result.
TieRow ReadResult(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        throw Error(path + ": cannot be read: " + file.errorString().toStdString());
    }
    const QByteArray bytes = file.readAll();
    if (bytes.trimmed().isEmpty()) {
        throw Error(path +
                    ": not a tie result: the file is empty (the tie that was to write it "
                    "failed, or has not finished)");
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        throw Error(path + ": not a tie result: not JSON (" + error.errorString().toStdString() +
                    " at byte " + std::to_string(error.offset) + ")");
    }
    const QJsonObject o = document.object();
    for (const char* key : {"seismic", "window", "best_lag", "best_phase", "pep"}) {
        if (!o.value(QLatin1String(key)).isObject()) {
            throw Error(path + ": not a tie result: it has no \"" + key +
                        "\" (tessarin-cli tie --json writes one)");
        }
    }
    if (!o.value(QLatin1String("zero_lag_r")).isDouble() &&
        !o.value(QLatin1String("zero_lag_r")).isNull()) {
        throw Error(path + ": not a tie result: it has no \"zero_lag_r\"");
    }
    TieRow row;
    row.well = o.value(QLatin1String("well")).toString().toStdString();
    row.trace = TraceText(o.value(QLatin1String("seismic")).toObject());
    row.windowStart = Figure(o, "window", "start_s").value_or(NAN);
    row.windowEnd = Figure(o, "window", "end_s").value_or(NAN);
    row.r = Figure(o, "zero_lag_r");
    row.lagMs = Figure(o, "best_lag", "lag_ms");
    row.lagR = Figure(o, "best_lag", "r");
    row.phaseDegrees = Figure(o, "best_phase", "phase_degrees");
    row.phaseR = Figure(o, "best_phase", "r");
    row.pep = Figure(o, "pep", "zero_lag");
    row.stretchR = Figure(o, "stretch", "r_after");
    row.stretchStrain = Figure(o, "stretch", "largest_strain");
    row.waveletPhaseDegrees = Figure(o, "wavelet", "phase_degrees");
    row.waveletPep = Figure(o, "wavelet", "pep");
    return row;
}

int RunSummary(const SummaryArguments& a) {
    std::vector<TieRow> rows;
    try {
        for (const std::string& path : a.results) {
            rows.push_back(ReadResult(path));
        }
    } catch (const Error& e) {
        std::cerr << kPrefix << OneLine(e.what()) << "\n";
        return kExitFailure;
    }
    SortByR(rows);
    const double minR = *ParseNumber(a.minR);
    if (a.csv) {
        PrintTieCsv(rows, minR, std::cout);
    } else {
        PrintTieTable(rows, minR, std::cout);
    }
    return kExitOk;
}

}  // namespace

CommandRun AddTieSummaryCommand(CLI::App& tool) {
    auto arguments = std::make_shared<SummaryArguments>();
    CLI::App* command = tool.add_subcommand(
        "tie-summary", "Gather the --json results of many ties into one table, best tie first.");
    CommandText text;
    text.usage = {"tessarin-cli tie-summary RESULT.json... [--csv] [--min-r R]"};
    text.about =
        "Reads the files \"tessarin-cli tie ... --json\" wrote, one a well, and prints one row "
        "for each: the well's name, the seismic file and trace, the window, r at zero lag, the "
        "best lag and its r, the best phase and its r, PEP at zero lag and phase, and, where "
        "the tie made them, r after the stretch with its largest strain and the extracted "
        "wavelet's phase and PEP. A figure the tie did not make is shown as \"-\" (empty in "
        "CSV); the text leaves out a column no tie has a figure for. The rows are sorted by r at "
        "zero lag, best first, and the last column flags "
        "the ties whose r is below --min-r. A file that is not a tie result stops the command "
        "with a line naming it, before anything is printed.";
    text.examples =
        "tessarin-cli tie-summary results/*.json\n"
        "tessarin-cli tie-summary results/*.json --csv --min-r 0.6 > ties.csv";
    DescribeCommand(*command, std::move(text));
    command
        ->add_option("RESULT.json", arguments->results, "The results of tessarin-cli tie --json.")
        ->required();
    command->add_flag("--csv", arguments->csv,
                      "Print the table as CSV (RFC 4180) instead of text.");
    command
        ->add_option("--min-r", arguments->minR, "Flag the ties whose r at zero lag is below this.")
        ->type_name("R")
        ->capture_default_str()
        ->check(NumberCheck());
    return [arguments] { return RunSummary(*arguments); };
}

}  // namespace tessarin::cli
