// The seismic tie block after a project's log rows: any bytes give a tie, nothing, or the reason
// the block (or only its stretch) was left out, and a tie read is written and read back unchanged.

#include <cstdint>
#include <sstream>

#include "files/project_tie_block.h"
#include "fuzz_support.h"

using namespace tessarin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(fuzz::Text(data, size));
    const TieBlockRead read = ReadTieBlock(in);
    // A damaged stretch line is the one problem a tie may come with: the tie without its knees.
    fuzz::Require(!(read.tie && !read.problem.empty()) || read.tie->knees.empty(),
                  "a tie read with a problem has lost only its stretch");
    if (!read.tie) {
        return 0;
    }
    std::istringstream again(TieBlockText(*read.tie));
    const TieBlockRead back = ReadTieBlock(again);
    fuzz::Require(back.problem.empty() && back.tie, "a tie written reads back");
    // NaN never equals itself: compare what the file would hold instead.
    fuzz::Require(TieBlockText(*back.tie) == TieBlockText(*read.tie),
                  "the tie reads back as written");
    return 0;
}
