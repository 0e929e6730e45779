// Numbers in score text: an optional sign, then decimal digits.
#pragma once

#include <cstdint>
#include <string_view>

namespace scoretext {

// Reads the token as a signed 32-bit number.  A sign without digits reads as
// 0; values beyond the 32-bit range saturate at its limits.  An empty token or
// any other character throws Msg::Malformed.
std::int32_t parse_signed(std::string_view token);

// True when parse_signed would accept the token.
bool is_signed_number(std::string_view token);

}  // namespace scoretext
