// Wavelet files: what the program writes reads back to the same samples, numpy's savetxt files
// read in seconds or milliseconds, bad files are refused naming the file and the line, and a file
// that cannot be the wavelet leaves the project as it was. In the project file the extracted
// wavelet's block comes back to the last digit, and a damaged one falls back to the Ricker
// wavelet with the reason while the rest opens.

#include "files/wavelet_file.h"

#include <gtest/gtest.h>

#include "core_test_support.h"
#include "engine/wavelet.h"
#include "files/open_project.h"
#include "files/project_file.h"

namespace tessarin::test {
namespace {

TEST(WaveletFile, WhatIsWrittenReadsBackAsTheSameSamplesAndBecomesTheWavelet) {
    const TempDir dir;
    Project p = Ricker(35, 0.13, 2);
    MakeRickerWavelet(p);
    WriteWaveletFile(p, dir.File("w.txt"));
    const Project before = p;
    // Beyond 32767 samples of 0.5 ms on each side of time 0.
    WriteWholeFile(dir.File("long.txt"), "-20000 1\n20000 1\n");
    EXPECT_NE(UseWaveletFile(p, dir.File("long.txt")).message, "");
    EXPECT_EQ(p, before);
    EXPECT_EQ(UseWaveletFile(p, dir.File("w.txt")).value, "times read as seconds");
    EXPECT_EQ(p.wavelet, before.wavelet);
    EXPECT_EQ(p.extractedWavelet->source, "w.txt");
}

TEST(WaveletFile, TimesSpanningAbove2AreMilliseconds) {
    // As np.savetxt('w.txt', np.c_[t, a]) writes them: a span of 2 is seconds, above it ms.
    const std::string seconds =
        "-1.000000000000000000e+00 1.000000000000000000e+00\n"
        "1.000000000000000000e+00 -2.500000000000000000e-01\n";
    for (const auto& [text, ms, first, interval] :
         {std::tuple{"# t a\n" + seconds, false, -1.0, 2.0},
          {"0.000000000000000000e+00 1.0e+00\n2.500000000000000000e+00 0\n", true, 0.0, 25e-4}}) {
        const ReadResult<WaveletFile> read = ReadWaveletText(text, "w.txt");
        ASSERT_TRUE(read) << read.message;
        EXPECT_EQ(read.value->timesInMilliseconds, ms) << text;
        EXPECT_EQ(std::pair(read.value->samples.firstTime, read.value->samples.interval),
                  std::pair(first, interval));
    }
}

TEST(WaveletFile, BadFilesAreRefusedNamingTheFileAndTheLine) {
    for (const auto& [text, message] : {
             std::pair{
                 "-0.002,0\n0,1\n\n0.002,inf\n",
                 std::string(
                     ", line 4: two numbers are expected, the two-way time and the amplitude.")},
             {"0 1\n",
              " holds fewer than two samples of time and amplitude: a wavelet needs at "
              "least two."},
             {"-4\t0\n-2\t1\n0\t1\n0\t1\n4\t0\n",
              ", line 4: the time 0 ms breaks the even sampling of 2 ms (2 ms expected); the "
              "wavelet must be sampled evenly in rising time."},
             {"0.9 0\n0.902 1\n",
              ": its times run from .9 to .902 s and never reach time 0, the "
              "wavelet's centre: give the times from the centre."},
         }) {
        EXPECT_EQ(ReadWaveletText(text, "w.txt").message, "The wavelet file \"w.txt\"" + message);
    }
}

TEST(ProjectWaveletFile, TheBlockComesBackAndADamagedOneFallsBackToTheRickerWavelet) {
    Project saved;
    OpenProjectFile(saved, MemorySettingsStore(), DataPath("ranch_7_22.tsp"));
    saved.tie = SeismicTie{};
    saved.tie->trace = {0.25, 0.004, {1, -2, 3}};
    saved.waveletType = kExtractedWavelet;
    saved.extractedWavelet = ExtractedWavelet{{-0.006, 0.003, {0.1, -1.0 / 3, 1, 2.0 / 7, 0}},
                                              "drifted.sgy trace 12, 0.60 - 1.40 s"};
    BuildWavelet(saved);
    std::ostringstream plain;  // the same project of a bandpass wavelet: no block
    Project bandpass = saved;
    bandpass.waveletType = kBandpassWavelet;
    WriteProjectFile(bandpass, plain);
    const TempDir dir;
    WriteProjectFile(saved, dir.File("w.tsp"));  // through the read-back check
    const std::string text = ReadWholeFile(dir.File("w.tsp"));
    EXPECT_EQ(text.substr(0, plain.str().size() + 11), plain.str() + "[Wavelet]\r\n");
    const std::string dropped =
        "The extracted wavelet stored in the project could not be read, so the project was "
        "opened with the Ricker wavelet of its stored parameters: ";
    for (const auto& [from, to, reason] : {
             std::tuple{"", "", ""},
             {"interval (s) = 0.003", "interval (s) = 0",
              "its sample interval is not greater than zero"},
             {"samples = 5", "samples = 6", "the block ends after 5 of the wavelet's 6 samples"},
             {"[End Wavelet]", "0.5",
              "after its 5 samples it holds \"0.5\" where [End Wavelet] should stand"},
         }) {
        std::string damaged = text;
        damaged.replace(damaged.find(from), std::string(from).size(), to);
        WriteWholeFile(dir.File("d.tsp"), damaged);
        Project opened;
        const OpenProjectReport report =
            OpenProjectFile(opened, MemorySettingsStore(), dir.File("d.tsp"));
        EXPECT_EQ(report.extractedWaveletProblem, *reason ? dropped + reason + "." : "");
        Project expected = saved;
        expected.projectFileName = opened.projectFileName;
        if (*reason) {
            expected.waveletType = kRickerWavelet;
            expected.extractedWavelet.reset();
            MakeRickerWavelet(expected);
        }
        EXPECT_EQ(opened, expected) << from;
    }
}

}  // namespace
}  // namespace tessarin::test
