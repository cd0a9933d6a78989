#include "engine/shared_time.h"

#include "model/numeric.h"

namespace tessarin {
namespace {

std::string Seconds(double t) {
    return FormatPattern(t, "0.000") + " s";
}

}  // namespace

SharedTime LatestStartEarliestEnd(const std::vector<TimeLimit>& starts,
                                  const std::vector<TimeLimit>& ends) {
    SharedTime shared{starts.front(), ends.front()};
    for (const TimeLimit& s : starts) {
        shared.start = s.time > shared.start.time ? s : shared.start;
    }
    for (const TimeLimit& e : ends) {
        shared.end = e.time < shared.end.time ? e : shared.end;
    }
    return shared;
}

std::string TooLittleTimeMessage(const SharedTime& shared, const std::string& done,
                                 const std::string& needed) {
    const std::string lead = "The synthetic and the seismic share ";
    if (shared.start.time > shared.end.time) {
        return lead + "no time to be " + done + ": " + shared.end.what + " ends at " +
               Seconds(shared.end.time) + ", before " + shared.start.what + " starts at " +
               Seconds(shared.start.time) + ".";
    }
    return lead + "too little time to be " + done + ": " + Seconds(shared.start.time) + " to " +
           Seconds(shared.end.time) + ", where " + needed + ".";
}

}  // namespace tessarin
