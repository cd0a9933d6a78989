// tessarin-cli wavelet: builds a Ricker or bandpass wavelet through the Select Wavelet dialog's
// own Calculate rules and prints its samples, one "time amplitude" line each.

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/help_formatter.h"
#include "cli/option_checks.h"
#include "engine/wavelet_calculate.h"
#include "model/project.h"

namespace tessarin::cli {
namespace {

struct WaveletOptions {
    std::optional<std::string> ricker;
    std::optional<std::string> bandpass;
    std::string phase = "0";
    std::string length = "0.16";
    std::string rate = "2";
};

// The project and dialog texts the options describe.
WaveletTexts ReadOptions(const WaveletOptions& options, Project& project) {
    if (options.ricker.has_value() == options.bandpass.has_value()) {
        throw UsageError{"give either --ricker HZ or --bandpass LC,LP,HP,HC"};
    }
    project.sampleRateIndex = SampleRateIndex(options.rate);
    project.sampleIntervalUs = SampleIntervalForRate(project.sampleRateIndex);

    WaveletTexts texts;
    if (options.ricker) {
        project.waveletType = kRickerWavelet;
        texts.lowCut = *options.ricker;
    } else {
        project.waveletType = kBandpassWavelet;
        const std::vector<std::string> corners = CornerList(*options.bandpass);
        texts.lowCut = corners[0];
        texts.lowPass = corners[1];
        texts.highPass = corners[2];
        texts.highCut = corners[3];
        texts.phase = options.phase;
        texts.length = options.length;
    }
    return texts;
}

void PrintSamples(const Project& project) {
    const OffsetArray& w = project.wavelet;
    const int h = -w.First();
    char line[64];
    for (int i = -h; i <= h; ++i) {
        const double t = 2.0 * i * project.sampleIntervalUs / 1000000.0;
        std::snprintf(line, sizeof line, "%.4f %.9g\n", t, w[i]);
        std::cout << line;
    }
}

int Run(const WaveletOptions& options) {
    Project project;
    const WaveletTexts texts = ReadOptions(options, project);
    const CalculateOutcome outcome = CalculateWavelet(project, texts);
    if (!outcome.accepted) {
        throw UsageError{outcome.reason};
    }
    PrintSamples(project);
    return kExitOk;
}

}  // namespace

CommandRun AddWaveletCommand(CLI::App& tool) {
    auto options = std::make_shared<WaveletOptions>();
    CLI::App* command =
        tool.add_subcommand("wavelet", "Print the samples of a Ricker or bandpass wavelet.");
    CommandText text;
    text.usage = {"tessarin-cli wavelet --ricker HZ [--rate MS]",
                  "tessarin-cli wavelet --bandpass LC,LP,HP,HC [--phase DEGREES] "
                  "[--length SECONDS] [--rate MS]"};
    text.about =
        "Builds the wavelet as the Select Wavelet dialog does and prints one sample a "
        "line: the two-way time in seconds, 0 at the wavelet's centre, and the "
        "amplitude, scaled so that the largest is 1. Input the dialog would refuse "
        "is refused with its reason.";
    text.examples =
        "tessarin-cli wavelet --ricker 30\n"
        "tessarin-cli wavelet --bandpass 5,10,40,55 --length 0.2 --rate 1";
    DescribeCommand(*command, std::move(text));

    CLI::Option* ricker =
        command
            ->add_option("--ricker", options->ricker,
                         "A zero-phase Ricker wavelet of this peak frequency, in Hz "
                         "(fractions allowed; 0 or less is taken as 1 Hz). Its length is "
                         "2.4 / HZ seconds.")
            ->type_name("HZ");
    CLI::Option* bandpass =
        command
            ->add_option("--bandpass", options->bandpass,
                         "A bandpass wavelet with these corner frequencies in Hz, whole "
                         "numbers from 0 to 500, each above the one before: low cut, low "
                         "pass, high pass, high cut. The spectrum rises from 0 at the low cut to "
                         "full at the low pass and falls from the high pass to 0 at the "
                         "high cut.")
            ->type_name("LC,LP,HP,HC")
            ->check(CornerListCheck());
    ricker->excludes(bandpass);
    command
        ->add_option("--phase", options->phase,
                     "Constant phase rotation of the bandpass wavelet, in whole degrees; "
                     "180 reverses its polarity.")
        ->type_name("DEGREES")
        ->capture_default_str()
        ->needs(bandpass);
    command
        ->add_option("--length", options->length,
                     "Total length of the bandpass wavelet in seconds of two-way time, at most "
                     "0.24; cut down to a whole number of samples.")
        ->type_name("SECONDS")
        ->capture_default_str()
        ->needs(bandpass);
    command
        ->add_option("--rate", options->rate,
                     "Sample interval in milliseconds of two-way time: 2, 1 or 0.5.")
        ->type_name("MS")
        ->capture_default_str()
        ->check(SampleRateCheck());
    return [options] { return Run(*options); };
}

}  // namespace tessarin::cli
