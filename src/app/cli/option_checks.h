#pragma once

// Checks of option values that tessarin-cli's commands share. A value a check refuses stops the
// command before any work with "--option: reason" and exit status 2.

#include <CLI/CLI.hpp>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/tie.h"

namespace tessarin::cli {

// A check from a function that says what is wrong with a value, or gives "" when it is right.
CLI::Validator ReasonCheck(std::function<std::string(const std::string&)> reason);

// A number as the program's dialogs read one ("1250", "0.5", "-12.5").
CLI::Validator NumberCheck();
// A number greater than zero.
CLI::Validator PositiveNumberCheck();
// One of the words given, exactly.
CLI::Validator OneOfCheck(std::vector<std::string> words);
// A sample interval in milliseconds of two-way time: 2, 1 or 0.5.
CLI::Validator SampleRateCheck();
// Four corner frequencies separated by commas, LC,LP,HP,HC (the wavelet's rules judge the
// numbers themselves).
CLI::Validator CornerListCheck();
// A window "T0:T1" in two-way seconds, T0 before T1.
CLI::Validator TimeWindowCheck();

// The sample-rate index (0 "2 msec", 1 "1 msec", 2 "0.5 msec") of a rate SampleRateCheck took.
int SampleRateIndex(const std::string& milliseconds);

// The four parts of a list CornerListCheck took.
std::vector<std::string> CornerList(const std::string& list);

// The window of a "T0:T1" text; nothing when it is not one.
std::optional<TieWindow> ParseTimeWindow(const std::string& text);

// Whether two paths name one file: the same path, or (for files that exist) the same file by
// another name. An output must never overwrite an input.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace tessarin::cli
