#include "import/depth_to_time.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "import/import_error.h"
#include "import/spline.h"

namespace tessarin {
namespace {

bool AllFinite(const std::vector<double>& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// A depth in a message: two decimals, as the project file and the text export write depths.
std::string DepthText(double depth) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", depth);
    return text;
}

// Any failure of the survey calibration.
struct SurveyFault {};

void Require(bool condition) {
    if (!condition) {
        throw SurveyFault{};
    }
}

// The survey's two-way time in seconds at a depth below the survey datum.
struct SurveySpline {
    std::vector<double> depth;
    std::vector<double> time;
    std::vector<double> y2;

    explicit SurveySpline(const Project& p) {
        const int count = p.velocitySurveyCount;
        Require(count >= 2 && count < kTableSize);
        depth.assign(p.velocitySurveyDepths.begin() + 1,
                     p.velocitySurveyDepths.begin() + 1 + count);
        time.assign(p.velocitySurveyTimes.begin() + 1, p.velocitySurveyTimes.begin() + 1 + count);
        const double firstSlope = (time[1] - time[0]) / (depth[1] - depth[0]);
        y2 = SplineSecondDerivatives(depth, time, firstSlope, 0.0);
        Require(std::isfinite(firstSlope) && AllFinite(y2));
    }

    double At(double below) const {
        const auto value = SplineValue(depth, time, y2, below);
        Require(value && std::isfinite(*value));
        return *value;
    }
};

// The sonic time at depth x, by linear interpolation over the log interval lo, hi (1-based).
double SonicTimeAt(const DepthLog& sonic, const std::vector<double>& time, Bracket b, double x) {
    const auto lo = static_cast<std::size_t>(b.lo - 1);
    const auto hi = static_cast<std::size_t>(b.hi - 1);
    return time[lo] +
           (x - sonic.depth[lo]) * (time[hi] - time[lo]) / (sonic.depth[hi] - sonic.depth[lo]);
}

// The seismic datum from the survey: "Specify", at the survey datum, with the velocity that puts
// the top of the log at the survey's time there. Returns that time.
double SetDatum(const SurveySpline& survey, double top, Project& p) {
    const double surveyDatum = p.velocitySurveyDatumElevation.Number();
    const double topBelowSurveyDatum = top + surveyDatum - p.kbElevation.Number();
    const double y0 = survey.At(topBelowSurveyDatum);
    p.datumType = kSpecifiedDatum;
    p.datumElevation = p.velocitySurveyDatumElevation;
    double velocity = y0 > 0 ? 2.0 * topBelowSurveyDatum / y0 : 8000.0;
    p.datumVelocity = Value(velocity == 0 ? 8000.0 : velocity);
    return y0;
}

void Calibrate(const DepthLog& sonic, std::vector<double>& time, Project& p,
               ImportProgress& progress) {
    const SurveySpline survey(p);
    const double surveyDatum = p.velocitySurveyDatumElevation.Number();
    const double kb = p.kbElevation.Number();
    const double top = sonic.depth.front();
    const double y0 = SetDatum(survey, top, p);

    // Ratio points: the survey's one-way time from the top of the log over the sonic's, at every
    // survey point below the top of the log but the first.
    std::vector<double> depthP{top};
    std::vector<double> ratio{0.0};
    Bracket last{1, 2};
    for (std::size_t i = 1; i < survey.depth.size(); ++i) {
        const double x = survey.depth[i] - surveyDatum + kb;
        if (x > top) {
            last = BisectIncreasing(sonic.depth, x);
            const double ts = SonicTimeAt(sonic, time, last, x);
            depthP.push_back(x);
            ratio.push_back(((survey.time[i] - y0) * 1000000.0 / 2.0) / ts);
        }
    }
    Require(depthP.size() >= 2);
    ratio[0] = ratio[1];
    if (depthP.back() < sonic.depth.back()) {
        // A last ratio point at the bottom of the log, carried on from the deepest survey point
        // over the log interval around it.
        const double tx = SonicTimeAt(sonic, time, last, sonic.depth.back());
        ratio.push_back(1.0 + (ratio.back() - 1.0) * tx / time.back());
        depthP.push_back(sonic.depth.back());
    }
    Require(AllFinite(ratio));
    const std::vector<double> y2 = SplineSecondDerivatives(depthP, ratio, 0.0, 0.0);
    Require(AllFinite(y2));

    progress.Step("Applying velocity survey to sonic log");
    double r = 0.0;
    const std::size_t n = time.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (sonic.depth[i] < depthP.back()) {
            r = SplineValue(depthP, ratio, y2, sonic.depth[i]).value_or(r);
        }
        time[i] *= r;
        progress.Advance(static_cast<double>(i + 1) / n);
    }
    Require(AllFinite(time));
}

}  // namespace

std::string SampleRateText(int sampleIntervalUs) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", 2.0 * sampleIntervalUs / 1000.0);
    return text;
}

std::vector<double> IntegrateSonic(const DepthLog& sonic, ImportProgress& progress) {
    progress.Step("Integrating sonic log");
    const std::size_t n = sonic.depth.size();
    std::vector<double> time(n, 0.0);
    for (std::size_t i = 1; i < n; ++i) {
        time[i] = time[i - 1] +
                  (sonic.value[i] + sonic.value[i - 1]) * (sonic.depth[i] - sonic.depth[i - 1]) / 2;
        progress.Advance(static_cast<double>(i + 1) / n);
    }
    return time;
}

namespace {

// Runs one step of the calibration; every failure of it is a survey that cannot be applied.
template <class Step>
void SurveyStep(Step step) {
    try {
        step();
    } catch (const SurveyFault&) {
        throw ImportError(import_message::kSurveyNotApplicable,
                          import_message::kSurveyWarningTitle);
    }
#ifndef TESSARIN_FUZZING
    // Whatever else goes wrong is a survey that cannot be applied, for the user. A fuzzing build
    // lets it through: it would be a fault of the calibration's own.
    catch (...) {
        throw ImportError(import_message::kSurveyNotApplicable,
                          import_message::kSurveyWarningTitle);
    }
#endif
}

}  // namespace

void CalibrateToVelocitySurvey(const DepthLog& sonic, std::vector<double>& time, Project& project,
                               ImportProgress& progress) {
    SurveyStep([&] { Calibrate(sonic, time, project, progress); });
}

void SetDatumFromVelocitySurvey(Project& project, double topDepth) {
    SurveyStep([&] { SetDatum(SurveySpline(project), topDepth, project); });
}

void ResampleSonic(const DepthLog& sonic, const std::vector<double>& time, Project& p,
                   ImportProgress& progress) {
    const double interval = p.sampleIntervalUs;
    const double latest = *std::max_element(time.begin(), time.end());
    const double lastSample = std::floor(latest / interval);
    if (lastSample + 10 > 32767) {
        throw ImportError(
            "The log is too long for the sample rate: it would need more than "
            "32767 time samples.",
            "");
    }
    const auto size = static_cast<std::size_t>(lastSample) + 11;
    p.timeDepth.assign(size, 0.0);
    p.timeSonic.assign(size, 0.0);
    p.timeDensity.assign(size, 0.0);
    p.intervalVelocity.assign(size, 0.0);
    p.syntheticTrace.assign(size, 0.0);

    progress.Step("Resampling sonic log at " + SampleRateText(p.sampleIntervalUs) + " msec");
    const std::size_t n = time.size();
    std::size_t j = 0;
    p.timeDepth[0] = sonic.depth[0];
    double t = interval;
    for (std::size_t k = 1; k < n;) {
        if (time[k] >= t) {
            ++j;
            const double f = (t - time[k - 1]) / (time[k] - time[k - 1]);
            p.timeDepth[j] = sonic.depth[k - 1] + (sonic.depth[k] - sonic.depth[k - 1]) * f;
            p.timeSonic[j - 1] = interval / (p.timeDepth[j] - p.timeDepth[j - 1]);
            t += interval;
        } else {
            ++k;
        }
        progress.Advance(static_cast<double>(k) / n);
    }
    if (j == 0) {
        throw ImportError("The sonic log is shorter than one time sample.", "");
    }
    p.lastSampleIndex = static_cast<std::int16_t>(j);
    p.timeSonic[j] = p.timeSonic[j - 1];
    if (!AllFinite(p.timeSonic) || !AllFinite(p.timeDepth)) {
        throw ImportError("The sonic log cannot be resampled: two time samples fall at one depth.",
                          "");
    }
}

void ConvertSonicToTime(const DepthLog& sonic, Project& p, ImportProgress& progress) {
    if (sonic.Count() < 2) {
        throw ImportError("The sonic log holds fewer than two depth-value pairs.", "");
    }
    std::vector<double> time = IntegrateSonic(sonic, progress);
    if (p.applyVelocitySurvey) {
        CalibrateToVelocitySurvey(sonic, time, p, progress);
    }
    ResampleSonic(sonic, time, p, progress);
    progress.Step("Completed");

    // The log ends: entry 1 and the last entry of the horizon table (entry 2 in a table that has
    // not been counted yet).
    const auto n = static_cast<std::size_t>(p.lastSampleIndex);
    const int last = std::max(p.horizonCount, 2);
    p.horizonNames[1] = "start of log";
    p.horizonDepths[1] = Value(p.timeDepth[0]);
    p.horizonNames[static_cast<std::size_t>(last)] = "end of log";
    p.horizonDepths[static_cast<std::size_t>(last)] = Value(p.timeDepth[n]);
    p.projectChanged = true;
}

void ResampleDensity(const DepthLog& density, Project& p, ImportProgress& progress) {
    const std::size_t nd = density.depth.size();
    if (nd < 2) {
        throw ImportError("The density log holds fewer than two depth-value pairs.", "");
    }
    progress.Step("Integrating density log");
    std::vector<double> integral(nd, 0.0);
    for (std::size_t i = 1; i < nd; ++i) {
        integral[i] = integral[i - 1] + (density.value[i] + density.value[i - 1]) *
                                            (density.depth[i] - density.depth[i - 1]) / 2;
        progress.Advance(static_cast<double>(i + 1) / nd);
    }

    progress.Step("Resampling density log at " + SampleRateText(p.sampleIntervalUs) + " msec");
    const auto last = static_cast<std::size_t>(p.lastSampleIndex);
    p.timeDensity.assign(last + 11, 0.0);
    const auto& td = p.timeDepth;
    const auto& dd = density.depth;
    // Samples outside the density log have none.
    std::size_t j0 = last + 1;
    std::size_t j1 = 0;
    for (std::size_t j = 0; j <= last; ++j) {
        if (td[j] < dd.front() || td[j] > dd.back()) {
            p.timeDensity[j] = kNoDensity;
        } else {
            j0 = std::min(j0, j);
            j1 = j;
        }
    }
    if (j0 >= j1) {
        // No sample interval of the sonic lies inside the density log: a synthetic made from it
        // would be a sonic-only one under the name of Sonic - Density.
        throw ImportError("The density log (from " + DepthText(dd.front()) + " to " +
                              DepthText(dd.back()) + ") does not overlap the sonic log (from " +
                              DepthText(td[0]) + " to " + DepthText(td[last]) + ").",
                          "Import Density Log");
    }
    // The density integral at each sample depth, then its average over each sample interval.
    std::vector<double> atSample(last + 1, 0.0);
    std::size_t k = 0;
    for (std::size_t j = j0; j <= j1; ++j) {
        while (!(dd[k] <= td[j] && td[j] < dd[k + 1]) && k < nd - 2) {
            ++k;
        }
        atSample[j] =
            integral[k] + (td[j] - dd[k]) * (integral[k + 1] - integral[k]) / (dd[k + 1] - dd[k]);
        progress.Advance(static_cast<double>(j - j0 + 1) / (j1 - j0 + 1));
    }
    for (std::size_t j = j0; j < j1; ++j) {
        double rho = (atSample[j + 1] - atSample[j]) / (td[j + 1] - td[j]);
        if (rho > 100) {
            rho /= 1000;  // kilograms per cubic metre
        }
        p.timeDensity[j] = rho;
    }
    // The last sample inside the log has no interval below it inside the log: it keeps the
    // density of the interval above it, as the last sonic sample does.
    p.timeDensity[j1] = p.timeDensity[j1 - 1];
    if (!AllFinite(p.timeDensity)) {
        throw ImportError("The density log cannot be resampled: it repeats a depth.", "");
    }
}

DepthLog GardnerSonic(const DepthLog& density, double gardnerCoefficient) {
    DepthLog sonic;
    sonic.depth = density.depth;
    sonic.value.reserve(density.value.size());
    for (double rho : density.value) {
        const double gcc = rho > 100 ? rho / 1000 : rho;
        sonic.value.push_back(1000000.0 / (gardnerCoefficient * std::pow(gcc, 4)));
    }
    if (!AllFinite(sonic.value)) {
        throw ImportError("The density log holds a density of 0, from which no sonic can be made.",
                          "");
    }
    sonic.decreasing = density.decreasing;
    return sonic;
}

}  // namespace tessarin
