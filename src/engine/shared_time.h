#pragma once

// The time a synthetic and a seismic trace (and a window, when one is chosen) share, and the
// message that says it is too little. When they share none, the latest start lies after the
// earliest end: the message then says which ends before which starts, rather than naming the two
// times as a span that runs backwards.

#include <string>
#include <vector>

namespace tessarin {

// A start or an end of what a comparison is limited by.
struct TimeLimit {
    double time = 0;   // two-way seconds
    std::string what;  // "the synthetic", "the window"
};

struct SharedTime {
    TimeLimit start;  // the latest of the starts (the first given of equal ones)
    TimeLimit end;    // the earliest of the ends
};

SharedTime LatestStartEarliestEnd(const std::vector<TimeLimit>& starts,
                                  const std::vector<TimeLimit>& ends);

// "The synthetic and the seismic share too little time to be <done>: 0.300 s to 0.312 s, where
// <needed>." or, when they share none, "The synthetic and the seismic share no time to be <done>:
// the synthetic ends at 2.248 s, before the seismic starts at 2.500 s."
std::string TooLittleTimeMessage(const SharedTime& shared, const std::string& done,
                                 const std::string& needed);

}  // namespace tessarin
