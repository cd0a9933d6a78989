// The plain log reader (.dt and .den files): any bytes give depth-value pairs or the reader's own
// error; the pairs are then converted to time as the import does it.

#include <cstdint>

#include "fuzz_support.h"
#include "import/plain_log.h"

using namespace tessarin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    NoProgress progress;
    DepthLog log;
    try {
        log = ReadPlainLogText(fuzz::Text(data, size), "fuzz.dt", progress);
    } catch (const ImportError&) {
        return 0;
    }
    fuzz::Require(log.depth.size() == log.value.size(), "every depth has its value");
    fuzz::Require(log.Count() <= kMostLogPairs, "no more pairs than a log holds");
    fuzz::ConvertToTime(log);
    return 0;
}
