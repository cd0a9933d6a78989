#include "model/project.h"

namespace tessarin {

std::int16_t SampleIntervalForRate(int sampleRateIndex) {
    switch (sampleRateIndex) {
        case 1:
            return 500;
        case 2:
            return 250;
        default:
            return 1000;
    }
}

int SampleRateForInterval(int sampleIntervalUs) {
    switch (sampleIntervalUs) {
        case 1000:
            return 0;
        case 500:
            return 1;
        case 250:
            return 2;
        default:
            return -1;
    }
}

double GardnerCoefficientFor(int measurementUnits) {
    return measurementUnits == kMetric ? 108.2812 : 357.3458;
}

}  // namespace tessarin
