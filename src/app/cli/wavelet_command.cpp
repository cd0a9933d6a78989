// tessarin-cli wavelet: builds a Ricker or bandpass wavelet through the Select Wavelet dialog's
// own Calculate rules and prints its samples, one "time amplitude" line each.

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/commands.h"
#include "engine/wavelet_calculate.h"
#include "model/numeric.h"
#include "model/project.h"

namespace tessarin::cli {
namespace {

// The sample-rate index of a two-way rate in milliseconds: 2, 1 or 0.5.
int SampleRateIndex(const std::string& rate) {
    const auto ms = ParseNumber(rate);
    if (ms && *ms == 2) {
        return 0;
    }
    if (ms && *ms == 1) {
        return 1;
    }
    if (ms && *ms == 0.5) {
        return 2;
    }
    throw UsageError{"--rate must be 2, 1 or 0.5 (milliseconds), not \"" + rate + "\""};
}

// LC,LP,HP,HC into the four corner boxes.
void SplitCorners(const std::string& list, WaveletTexts& texts) {
    std::vector<std::string> parts;
    std::stringstream in(list);
    std::string part;
    while (std::getline(in, part, ',')) {
        parts.push_back(part);
    }
    if (parts.size() != 4 || list.back() == ',') {
        throw UsageError{"--bandpass needs four corner frequencies LC,LP,HP,HC, not \"" + list +
                         "\""};
    }
    texts.lowCut = parts[0];
    texts.lowPass = parts[1];
    texts.highPass = parts[2];
    texts.highCut = parts[3];
}

// The project and dialog texts the options describe.
WaveletTexts ReadOptions(const Args& args, Project& project) {
    if (!args.Positional().empty()) {
        throw UsageError{"unexpected argument \"" + args.Positional().front() + "\""};
    }
    const bool ricker = args.Has("--ricker");
    if (ricker == args.Has("--bandpass")) {
        throw UsageError{"give either --ricker F or --bandpass LC,LP,HP,HC"};
    }
    project.sampleRateIndex = SampleRateIndex(args.Value("--rate").value_or("2"));
    project.sampleIntervalUs = SampleIntervalForRate(project.sampleRateIndex);

    WaveletTexts texts;
    if (ricker) {
        if (args.Has("--phase") || args.Has("--length")) {
            throw UsageError{"--phase and --length belong to the bandpass wavelet"};
        }
        project.waveletType = kRickerWavelet;
        texts.lowCut = *args.Value("--ricker");
    } else {
        project.waveletType = kBandpassWavelet;
        SplitCorners(*args.Value("--bandpass"), texts);
        texts.phase = args.Value("--phase").value_or("0");
        texts.length = args.Value("--length").value_or("0.16");
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

}  // namespace

int RunWavelet(const std::vector<std::string>& arguments) {
    try {
        const Args args(arguments, {"--ricker", "--bandpass", "--phase", "--length", "--rate"}, {});
        Project project;
        const WaveletTexts texts = ReadOptions(args, project);
        const CalculateOutcome outcome = CalculateWavelet(project, texts);
        if (!outcome.accepted) {
            std::cerr << "tessarin-cli wavelet: " << outcome.reason << "\n";
            return kExitRefused;
        }
        PrintSamples(project);
        return kExitOk;
    } catch (const UsageError& e) {
        std::cerr << "tessarin-cli wavelet: " << e.message << "\n";
        return kExitRefused;
    }
}

}  // namespace tessarin::cli
