#include "vocal/note_attributes.h"

#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "frontend/testing.h"

namespace scoretext::vocal {
namespace {

using scoretext::testing::thrown_message;

Msg message_of(std::string_view token) {
  return thrown_message([&] { NoteAttributes().take(token); });
}

struct Edge {
  std::string_view keyword;
  int low;
  int high;
  Msg message;
};

constexpr Edge kSingles[] = {
    {"VEL:", 0, 127, Msg::AttributeVelocity}, {"OPE:", 0, 127, Msg::AttributeOpening},
    {"DA:", 0, 100, Msg::AttributeAccent},    {"PB:", 0, 100, Msg::AttributeBendDepth},
    {"PL:", 0, 100, Msg::AttributeBendLength}, {"DD:", 0, 100, Msg::AttributeDecay},
    {"PF:", 0, 1, Msg::AttributeFallPortamento}, {"PR:", 0, 1, Msg::AttributeRisePortamento},
};

constexpr Edge kCurves[] = {
    {"DYN:", 0, 127, Msg::ControlDyn}, {"BRE:", 0, 127, Msg::ControlBre},
    {"BRI:", 0, 127, Msg::ControlBri}, {"CLE:", 0, 127, Msg::ControlCle},
    {"GEN:", 0, 127, Msg::ControlGen}, {"POR:", 0, 127, Msg::ControlPor},
    {"PIT:", -8192, 8191, Msg::ControlPit}, {"PBS:", 0, 24, Msg::ControlPbs},
};

std::string token(std::string_view keyword, long long value) { return std::string(keyword) + std::to_string(value); }

TEST(NoteAttributes, EveryKeywordAcceptsItsRangeAndRefusesJustBeyondWithItsOwnMessage) {
  for (const Edge* table : {kSingles, kCurves}) {
    for (std::size_t i = 0; i < 8; ++i) {
      const Edge& e = table[i];
      SCOPED_TRACE(e.keyword);
      EXPECT_EQ(message_of(token(e.keyword, e.low)), Msg::Count_);
      EXPECT_EQ(message_of(token(e.keyword, e.high)), Msg::Count_);
      EXPECT_EQ(message_of(token(e.keyword, e.low - 1LL)), e.message);
      EXPECT_EQ(message_of(token(e.keyword, e.high + 1LL)), e.message);
      // Beyond 32 bits the value saturates and still fails the range.
      EXPECT_EQ(message_of(token(e.keyword, 99999999999LL)), e.message);
      EXPECT_EQ(message_of(token(e.keyword, -99999999999LL)), e.message);
    }
  }
}

TEST(NoteAttributes, EveryKeywordIsTakenOnceOnly) {
  for (const Edge* table : {kSingles, kCurves}) {
    for (std::size_t i = 0; i < 8; ++i) {
      const Edge& e = table[i];
      SCOPED_TRACE(e.keyword);
      NoteAttributes a;
      EXPECT_TRUE(a.take(token(e.keyword, e.high)));
      EXPECT_EQ(thrown_message([&] { a.take(token(e.keyword, e.low)); }), e.message);
    }
  }
}

TEST(NoteAttributes, VelocityTokenMakesVelRepeat) {
  NoteAttributes a;
  a.velocity_given();
  EXPECT_EQ(thrown_message([&] { a.take("VEL:90"); }), Msg::AttributeVelocity);
  EXPECT_TRUE(a.take("OPE:90"));
}

TEST(NoteAttributes, OtherTokensAreDeclinedAndValuesAreSignedNumbers) {
  NoteAttributes a;
  for (std::string_view t : {"VEL90", "VE:1", "PBX:1", "DY:1", "\"LA\"", "LY\"A\"", "V64"}) EXPECT_FALSE(a.take(t)) << t;
  EXPECT_EQ(a.controls(), nullptr);
  EXPECT_EQ(message_of("VEL:"), Msg::Malformed);
  EXPECT_EQ(message_of("DA:1,2"), Msg::Malformed);
  EXPECT_TRUE(a.take("OPE:+007"));
  EXPECT_EQ(a.value(Attribute::Opening), 7);
}

TEST(NoteAttributes, ApplySetsEachGivenValueOnItsOwnField) {
  NoteAttributes a;
  for (std::string_view t : {"VEL:1", "OPE:2", "DA:3", "PB:4", "PL:5", "DD:6", "PF:1"}) ASSERT_TRUE(a.take(t));
  NoteStyle style;
  style.rise_portamento = 1;
  int velocity = 64;
  a.apply(style, velocity);
  EXPECT_EQ(velocity, 1);
  const NoteStyle expected{3, 4, 5, 6, 1, 2, 1};
  EXPECT_EQ(std::tie(style.accent, style.bend_depth, style.bend_length, style.decay, style.fall_portamento,
                     style.opening, style.rise_portamento),
            std::tie(expected.accent, expected.bend_depth, expected.bend_length, expected.decay,
                     expected.fall_portamento, expected.opening, expected.rise_portamento));
}

std::vector<int> values(std::string_view text) {
  const ControlList list = parse_control_list(text, -8192, 8191, Msg::ControlPit);
  return std::vector<int>(list.values.begin(), list.values.begin() + list.count);
}

TEST(ControlList, ValuesCommasAndCounts) {
  EXPECT_EQ(values("0,64,-127"), (std::vector<int>{0, 64, -127}));
  // Empty values and bare signs read as 0.
  EXPECT_EQ(values(""), (std::vector<int>{0}));
  EXPECT_EQ(values("-,,+5"), (std::vector<int>{0, 0, 5}));
  EXPECT_EQ(values("1,2,3,4,5,6"), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  const auto fails = [](std::string_view text) {
    return thrown_message([&] { parse_control_list(text, 0, 127, Msg::ControlBre); });
  };
  EXPECT_EQ(fails("1,2,3,4,5,6,7"), Msg::ControlTooManyValues);
  EXPECT_EQ(fails("1,2,3,4,5,6,"), Msg::Extra);
  EXPECT_EQ(fails(","), Msg::Extra);
  EXPECT_EQ(fails("1,A"), Msg::AttributeUnknown);
  EXPECT_EQ(fails("+-1"), Msg::AttributeUnknown);
  EXPECT_EQ(fails("128,x"), Msg::ControlBre);  // values are checked from the left
}

TEST(NoteAttributes, CurvesAreKeptByKind) {
  NoteAttributes a;
  ASSERT_TRUE(a.take("PIT:-8192,8191"));
  ASSERT_TRUE(a.take("POR:64"));
  const auto controls = a.controls();
  ASSERT_NE(controls, nullptr);
  for (int kind = 0; kind < kControlKinds; ++kind) {
    EXPECT_EQ(controls->lists[static_cast<std::size_t>(kind)] != nullptr, kind == kPit || kind == kPor) << kind;
  }
  EXPECT_EQ(controls->lists[kPit]->values[0], -8192);
  EXPECT_EQ(controls->lists[kPor]->values[0], 64);
}

}  // namespace
}  // namespace scoretext::vocal
