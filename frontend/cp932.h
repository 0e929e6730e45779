// UTF-8 to CP932 with iconv(3), for the message table: at build time for the
// bytes the programs write, and at run time where that was not possible.
#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

namespace scoretext {

// Converts `utf8` into `out`; a byte that cannot be converted is kept as it
// stands.  False (and `out` untouched) when the system has no converter.
inline bool convert_to_cp932(std::string_view utf8, std::string& out) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  // Every character takes at most two bytes in CP932 and at least one in
  // UTF-8, so twice the input is room enough.
  out.assign(utf8.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t in_left = utf8.size();
  char* dst = out.data();
  size_t dst_left = out.size();
  while (in_left > 0) {
    if (iconv(cd, &in, &in_left, &dst, &dst_left) != static_cast<size_t>(-1)) break;
    *dst++ = *in++;
    --in_left;
    --dst_left;
  }
  out.resize(out.size() - dst_left);
  iconv_close(cd);
  return true;
}

}  // namespace scoretext
