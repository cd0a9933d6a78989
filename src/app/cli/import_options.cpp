#include "cli/import_options.h"

#include <CLI/CLI.hpp>

#include "cli/option_checks.h"
#include "model/numeric.h"

namespace tessarin::cli {
namespace {

// The headings the options are listed under, in the order of the import's own steps.
constexpr const char* kLogs = "Log files";
constexpr const char* kSynthetic = "Synthetic Information";
constexpr const char* kWell = "Well and datum";
constexpr const char* kWaveletAndScales = "Wavelet, AGC and scales";
constexpr const char* kOutput = "Project file";

CLI::Validator DepthRangeCheck() {
    return ReasonCheck([](const std::string& text) {
        return ParseDepthRange(text)
                   ? std::string()
                   : "needs TOP:BASE with TOP not below BASE, not \"" + text + "\"";
    });
}

CLI::Validator AgcWindowCheck() {
    return ReasonCheck([](const std::string& text) {
        const auto seconds = ParseNumber(text);
        return text == "None" || (seconds && *seconds > 0.0)
                   ? std::string()
                   : "must be a window in seconds or None, not \"" + text + "\"";
    });
}

CLI::Validator DatumVelocityCheck() {
    return ReasonCheck([](const std::string& text) -> std::string {
        const auto velocity = ParseNumber(text);
        if (!velocity) {
            return "needs a number, not \"" + text + "\"";
        }
        return *velocity > 0.0 ? "" : "must be above 0";
    });
}

void AddLogOptions(CLI::App& command, ImportArguments& a) {
    command
        .add_option("--sonic", a.sonic,
                    "The sonic log: a LAS file (a name ending in .las) or a plain file of depth "
                    "and value pairs. Its values are microseconds per foot in English units, per "
                    "metre in metric units (see --sonic-per-ft). Needed unless --gardner makes "
                    "the sonic from the density.")
        ->type_name("FILE")
        ->group(kLogs);
    command
        .add_option("--sonic-curve", a.sonicCurve,
                    "The sonic's curve in the LAS file, by its mnemonic in the curve section, "
                    "for example DT. Needs a LAS --sonic. Default: the first curve after the "
                    "depth, as the Import LAS File dialog first selects it, which may not be "
                    "the sonic.")
        ->type_name("MNEMONIC")
        ->group(kLogs);
    command
        .add_option("--density", a.density,
                    "A density log, LAS or plain, in g/cc (values above 100 are taken as kg/m3). "
                    "With it the impedance is the sonic times the density (Sonic - Density); "
                    "without it, the sonic alone (Sonic Only).")
        ->type_name("FILE")
        ->group(kLogs);
    command
        .add_option("--density-curve", a.densityCurve,
                    "The density's curve in the LAS file, for example RHOB. Needs a LAS "
                    "--density. Default: the first curve after the depth.")
        ->type_name("MNEMONIC")
        ->group(kLogs);
    command
        .add_flag("--gardner", a.gardner,
                  "Make the sonic from the density log by Gardner's relation, density = 0.31 x "
                  "velocity^0.25 with the velocity in m/s. Needs --density; give no --sonic.")
        ->group(kLogs);
    command
        .add_option("--depth-range", a.depthRange,
                    "Import only the depths from TOP to BASE, both included, of both logs, LAS "
                    "or plain, in the files' depth units; TOP may not be below BASE. Default: "
                    "every depth of the files.")
        ->type_name("TOP:BASE")
        ->check(DepthRangeCheck())
        ->group(kLogs);
}

void AddSyntheticOptions(CLI::App& command, ImportArguments& a) {
    command
        .add_option("--units", a.units,
                    "The units of the logs and the project: english (feet, ft/s, microseconds "
                    "per foot) or metric (metres, m/s, microseconds per metre). The log files "
                    "are read in these units, not converted. Units other than the saved ones "
                    "convert the saved KB, GL, datum and scales, as Synthetic Information does. "
                    "Default: the units saved in the program, english until others are saved.")
        ->type_name("english|metric")
        ->check(OneOfCheck({"english", "metric"}))
        ->group(kSynthetic);
    command
        .add_flag("--sonic-per-ft", a.sonicPerFoot,
                  "With --units metric: the sonic file holds microseconds per foot, and each "
                  "value is divided by 0.3048 to give microseconds per metre. A LAS curve "
                  "whose unit is per foot (us/ft) is read so without it. Not with --gardner.")
        ->group(kSynthetic);
    command
        .add_option("--rate", a.rate,
                    "Sample interval of the synthetic in milliseconds of two-way time: 2, 1 or "
                    "0.5. Default: the rate saved in the program, 2 until another is saved.")
        ->type_name("MS")
        ->check(SampleRateCheck())
        ->group(kSynthetic);
    command
        .add_option("--survey", a.survey,
                    "Calibrate the sonic to this velocity survey file, which needs two depth and "
                    "time points at least. The survey sets the seismic datum, so --datum and "
                    "--datum-velocity cannot go with it. Default: no calibration.")
        ->type_name("FILE.vs")
        ->group(kSynthetic);
    command
        .add_option("--horizons", a.horizons,
                    "Formation tops from this horizon file, sorted by depth. Tops outside the "
                    "imported log are left out with a warning naming them. Default: only the "
                    "start and end of the log.")
        ->type_name("FILE.hor")
        ->group(kSynthetic);
}

void AddWellOptions(CLI::App& command, ImportArguments& a) {
    command
        .add_option("--well-name", a.wellName,
                    "The well's name. Default: the WELL item of a LAS file's header.")
        ->type_name("TEXT")
        ->group(kWell);
    command
        .add_option("--location", a.location,
                    "The first line of the well's location, in the General format (a block "
                    "or field name, say). With --location-2 it replaces the location of the LAS "
                    "header (CNTY, STAT, SECT, TOWN, RANG).")
        ->type_name("TEXT")
        ->group(kWell);
    command
        .add_option("--location-2", a.location2,
                    "The second line of a General location (coordinates, say).")
        ->type_name("TEXT")
        ->group(kWell);
    command
        .add_option("--kb", a.kb,
                    "Elevation of the kelly bushing, from which the log depths are measured, in "
                    "feet or metres (the project's units). Default: the EKB of the LAS header, "
                    "else 0.")
        ->type_name("X")
        ->check(NumberCheck())
        ->group(kWell);
    command
        .add_option("--gl", a.gl,
                    "Ground level elevation in feet or metres. Default: the EGL of the LAS "
                    "header, else 0.")
        ->type_name("X")
        ->check(NumberCheck())
        ->group(kWell);
    command
        .add_option("--datum", a.datum,
                    "Elevation of the seismic datum in feet or metres (0 for sea level): time 0 "
                    "of the synthetic, as Specify in the Well and Datum Information dialog. "
                    "Default: the datum choice saved in the program, Start of Log (time 0 at the "
                    "first log sample) until another is saved.")
        ->type_name("X")
        ->check(NumberCheck())
        ->group(kWell);
    command
        .add_option("--datum-velocity", a.datumVelocity,
                    "Replacement velocity from the seismic datum down to the top of the log, in "
                    "ft/s or m/s, above 0. Default: the velocity saved in the program, 7000 "
                    "until another is saved.")
        ->type_name("X")
        ->check(DatumVelocityCheck())
        ->group(kWell);
}

void AddWaveletOptions(CLI::App& command, ImportArguments& a) {
    command
        .add_option("--ricker", a.ricker,
                    "A zero-phase Ricker wavelet of this peak frequency in Hz, 2.4 / HZ seconds "
                    "long. Not with --bandpass, --phase or --length. Default: the wavelet saved "
                    "in the program, a 5,15,40,60 Hz bandpass until another is saved.")
        ->type_name("HZ")
        ->group(kWaveletAndScales);
    command
        .add_option("--bandpass", a.bandpass,
                    "A bandpass wavelet with these corner frequencies in Hz, whole numbers from "
                    "0 to 500, each above the one before: low cut, low pass, high pass, high "
                    "cut.")
        ->type_name("LC,LP,HP,HC")
        ->check(CornerListCheck())
        ->group(kWaveletAndScales);
    command
        .add_option("--phase", a.phase,
                    "Constant phase rotation of the bandpass wavelet in whole degrees; 180 "
                    "reverses its polarity. Alone it changes the saved wavelet, if that is a "
                    "bandpass. "
                    "Default: the saved phase, 0 until another is saved.")
        ->type_name("DEGREES")
        ->group(kWaveletAndScales);
    command
        .add_option("--length", a.length,
                    "Total length of the bandpass wavelet in seconds of two-way time, at most "
                    "0.24. Alone it changes the saved wavelet, if that is a bandpass. Default: "
                    "the saved length, 0.16 until another is saved.")
        ->type_name("SECONDS")
        ->group(kWaveletAndScales);
    command
        .add_option("--wavelet-file", a.waveletFile,
                    "The wavelet of this wavelet file, as the project's extracted wavelet: two "
                    "columns, the two-way time from the wavelet's centre (seconds, or "
                    "milliseconds when they span more than 2) and the amplitude, as tie "
                    "--wavelet-out writes it. Not with --ricker, --bandpass, --phase or --length.")
        ->type_name("FILE")
        ->group(kWaveletAndScales);
    command
        .add_option("--agc", a.agc,
                    "Length of the AGC window in seconds, above 0, or None for no AGC. Default: "
                    "the saved window, None until another is saved.")
        ->type_name("SECONDS|None")
        ->check(AgcWindowCheck())
        ->group(kWaveletAndScales);
}

// The Set Scales and AGC dialog's boxes; its own rules judge the values.
void AddScalesOptions(CLI::App& command, ImportArguments& a) {
    const char* const saved = " Default: the saved value, ";
    command
        .add_option("--time-scale", a.timeScale,
                    std::string("Length of one second of two-way time on paper: inches per "
                                "second in English units, cm per second in metric; above 0.") +
                        saved + "5 until another is saved.")
        ->type_name("X")
        ->group(kWaveletAndScales);
    command
        .add_option("--traces-per-unit", a.tracesPerUnit,
                    std::string("Traces per inch (English) or per cm (metric) in each of the "
                                "two trace panels; above 0.") +
                        saved + "10 until another is saved.")
        ->type_name("X")
        ->group(kWaveletAndScales);
    command
        .add_option("--amplitude", a.amplitude,
                    std::string("Trace deflection in inches for a synthetic amplitude of 1; "
                                "values of 1 to 5 are usual without AGC.") +
                        saved + "0.5 until another is saved.")
        ->type_name("X")
        ->group(kWaveletAndScales);
    command
        .add_option("--panel-traces", a.panelTraces,
                    std::string("How many copies of the synthetic each trace panel shows, at "
                                "least 1.") +
                        saved + "5 until another is saved.")
        ->type_name("N")
        ->group(kWaveletAndScales);
}

}  // namespace

std::optional<DepthRange> ParseDepthRange(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) {
        return std::nullopt;
    }
    const auto top = ParseNumber(std::string_view(text).substr(0, colon));
    const auto base = ParseNumber(std::string_view(text).substr(colon + 1));
    if (!top || !base || *top > *base) {
        return std::nullopt;
    }
    return DepthRange{*top, *base};
}

void AddImportOptions(CLI::App& command, ImportArguments& a) {
    AddLogOptions(command, a);
    AddSyntheticOptions(command, a);
    AddWellOptions(command, a);
    AddWaveletOptions(command, a);
    AddScalesOptions(command, a);
    command
        .add_option("-o", a.output,
                    "The project file to write. It may not be one of the files the import "
                    "reads. Required.")
        ->type_name("PROJECT.tsp")
        ->group(kOutput);
}

}  // namespace tessarin::cli
