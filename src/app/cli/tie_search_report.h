#pragma once

// What tessarin-cli tie --search prints: the best trace around the tie's trace beside the chosen
// one, as text; every cell of the search with its offsets, lines, trace number, r and lag, as
// JSON.

#include <ostream>

#include "cli/json_writer.h"
#include "files/tie_search.h"

namespace tessarin::cli {

void PrintSearchRows(const TieSearch& search, std::ostream& out);

// The search as the member "search" of the object open in `json`.
void JsonSearch(const TieSearch& search, Json& json);

}  // namespace tessarin::cli
