// Wavelet files and the extracted wavelet's project block: any bytes give a wavelet or a message,
// a wavelet read runs through time 0 at an even, positive interval, and its block in a project
// file reads back as written.

#include <cmath>
#include <cstdint>
#include <sstream>

#include "files/project_wavelet_block.h"
#include "files/wavelet_file.h"
#include "fuzz_support.h"

using namespace tessarin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ReadResult<WaveletFile> read = ReadWaveletText(fuzz::Text(data, size), "fuzz.txt");
    fuzz::Require(read || !read.message.empty(), "a refused wavelet file says why");
    if (!read) {
        return 0;
    }
    const SampledTrace& s = read.value->samples;
    fuzz::Require(s.values.size() >= 2 && s.interval > 0 && std::isfinite(s.interval),
                  "a wavelet read has two samples or more at a positive interval");
    fuzz::Require(s.firstTime <= 0 && s.LastTime() >= -1e-9 * s.interval,
                  "a wavelet read runs through time 0");
    const std::string text = WaveletBlockText({s, "fuzz.txt"});
    std::istringstream in(text);
    block::BlockLines lines(in);
    lines.Next();  // the opening line
    const WaveletBlockRead back = ReadWaveletBlockAfterTag(lines);
    fuzz::Require(back.problem.empty() && back.wavelet, "a wavelet's block reads back");
    fuzz::Require(WaveletBlockText(*back.wavelet) == text, "the block reads back as written");
    return 0;
}
