// The size limit of the file a track is written into: a file may reach the
// limit, and the byte beyond it is refused, wherever it falls.
#include "score/track.h"

#include <gtest/gtest.h>

#include <string>

#include "frontend/tool_error.h"

namespace scoretext::score {
namespace {

Track three_notes() {
  Track track;
  for (int i = 0; i < 3; ++i) {
    track.note_on(480 * i, 0, 60, 100);
    track.note_off(480 * i + 240, 0, 60);
  }
  track.meta(0, 0x01, "a comment");
  return track;
}

TEST(TrackLimit, AFileMayReachTheLimitButNotPassIt) {
  std::string whole;
  three_notes().write(whole, 0, 1000);
  // FF 01 09 "a comment" and six notes (one delta byte at 0, two at 240),
  // then the end of the track.
  ASSERT_EQ(whole.size(), 13u + 4 + 5 * 5 + 4);
  for (std::size_t limit = 0; limit < whole.size() + 2; ++limit) {
    std::string out;
    Track track = three_notes();
    if (limit >= whole.size()) {
      EXPECT_NO_THROW(track.write(out, 0, limit)) << limit;
      EXPECT_EQ(out, whole);
    } else {
      try {
        track.write(out, 0, limit);
        ADD_FAILURE() << "limit " << limit << " not refused";
      } catch (const ToolError& e) {
        EXPECT_EQ(e.message(), Msg::OutputOverflow);
      }
    }
  }
}

TEST(TrackLimit, TheLongestDeltaTimeFitsFourBytes) {
  std::string out;
  append_delta(out, (std::int64_t{1} << 28) - 1);
  EXPECT_EQ(out, "\xFF\xFF\xFF\x7F");
  EXPECT_THROW(append_delta(out, std::int64_t{1} << 28), ToolError);
}

}  // namespace
}  // namespace scoretext::score
