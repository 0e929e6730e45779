// Joining two files: the first whole, then the tracks of the second.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace scoretext::smf {

// Checks the headers of both files (any format) from their first bytes,
// that both count time alike (Msg::SmfDivisionDiffers when their divisions differ:
// the tracks of the second would play at the wrong speed) and that their
// join fits: at most 65,535 tracks in all (Msg::SmfTooManyTracks) and at
// most kMaxFileBytes (Msg::SmfTooLarge).  Then makes first's header that
// of the joined file: format 1, the sum of both track counts.  The joined
// file is first followed by everything in second after its header.
void join_headers(std::span<std::uint8_t> first, std::size_t first_size,
                  std::span<const std::uint8_t> second, std::size_t second_size);

}  // namespace scoretext::smf
