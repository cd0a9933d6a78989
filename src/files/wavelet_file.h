#pragma once

// A wavelet as plain text: one sample a line, the two-way time and the amplitude, separated by
// blanks, TABs or a comma. The first line may be a title (it is when it does not hold two
// numbers); blank lines and lines beginning with "#" are skipped. numpy writes such a file with
// np.savetxt('w.txt', np.c_[t, a]).
//
// The times are seconds or milliseconds, told apart by their span: a span above 2 is read as
// milliseconds, since no wavelet lasts 2 seconds and none is as short as 2 milliseconds (a
// Ricker wavelet of 500 Hz still spans 3 ms). They must rise evenly and run through time 0, the
// wavelet's centre (a file of times from 0.9 to 1.1 s, cut from a trace, is refused rather than
// shifted, since the centre cannot be guessed). A line of other than two numbers (a number that
// is not finite among them), fewer than two samples, uneven times or only zero amplitudes are
// refused with a message naming the file and, where there is one, the line.

#include <string>
#include <string_view>

#include "files/read_result.h"
#include "model/project.h"
#include "model/sampled_trace.h"

namespace tessarin {

struct WaveletFile {
    SampledTrace samples;  // two-way seconds from the wavelet's centre
    bool timesInMilliseconds = false;

    // "times read as milliseconds" or "times read as seconds", so the user can be told.
    std::string TimeUnitNote() const;
};

ReadResult<WaveletFile> ReadWaveletFile(const std::string& path);
ReadResult<WaveletFile> ReadWaveletText(std::string_view text, const std::string& path);

// The project's wavelet, samples -h to h, as such a file: a comment line, then the times in
// seconds and the amplitudes, each with as many digits as read back as the same number.
// Throws Error when the project has no wavelet.
std::string WaveletFileText(const Project& project);

// WaveletFileText into the file at `path`, which is replaced only once it is complete. Throws
// Error naming the file when it cannot be written.
void WriteWaveletFile(const Project& project, const std::string& path);

// Reads the wavelet file at `path` and makes it the project's wavelet: the extracted type, the
// file's name as its source, built at the project's sample interval (MakeExtractedWavelet). On
// success the value is TimeUnitNote(); on any failure the message says why and the project is
// exactly as it was.
ReadResult<std::string> UseWaveletFile(Project& project, const std::string& path);

}  // namespace tessarin
