#include "drum/smf_part.h"

#include <gtest/gtest.h>

#include <tuple>

#include "frontend/testing.h"

namespace scoretext::drum {
namespace {

// status, key, velocity, time
using Event = std::tuple<int, int, int, std::int64_t>;

const DrumKit& kit() {
  static const DrumKit k = read_drum_definitions("C1 BD\nD1 SD\nF#1 HH\n");
  return k;
}

struct PartRun {
  std::vector<Event> events;
  std::vector<std::int64_t> running;  // BD, SD, HH
  std::string error;                  // the report, as the user sees it
};

PartRun run_part(std::string_view input) {
  PartRun result;
  StatementReader reader(input);
  SmfPart part(kit());
  try {
    read_smf_part(reader, part);
  } catch (const ToolError& e) {
    result.error = e.report();
  }
  for (std::size_t i = 0; i < part.events().size(); ++i) {
    const NoteEvent& e = part.events()[i];
    result.events.emplace_back(e.status, e.key, e.velocity, part.events().time(i));
  }
  for (std::size_t i = 0; i < kit().size(); ++i) result.running.push_back(part.running_time(i));
  return result;
}

std::vector<Event> events(std::string_view input) {
  const PartRun run = run_part(input);
  EXPECT_EQ(run.error, "") << input;
  return run.events;
}

std::string report(Msg m, std::string_view rest) { return testing::report(m, rest); }

TEST(SmfPart, StepsOfOneInstrument) {
  const PartRun run = run_part("SD 4 X 8 ]3 V90 8 ]3 8 ]3 X");
  EXPECT_EQ(run.error, "");
  EXPECT_EQ(run.events, (std::vector<Event>{{0x90, 38, 90, 480}, {0x80, 38, 0, 495}, {0x90, 38, 64, 560}}));
  EXPECT_EQ(run.running, (std::vector<std::int64_t>{0, 720, 0}));
}

TEST(SmfPart, EveryInstrumentKeepsItsOwnRunningTime) {
  const PartRun run = run_part("BD 4 4\nSD 1 X 2\nHH 8\nBD 2; SD 16\n");
  EXPECT_EQ(run.events, (std::vector<Event>{{0x90, 36, 64, 0},
                                            {0x90, 36, 64, 480},
                                            {0x90, 38, 64, 1920},
                                            {0x90, 42, 64, 0},
                                            {0x90, 36, 64, 960},
                                            {0x90, 38, 64, 2880}}));
  EXPECT_EQ(run.running, (std::vector<std::int64_t>{1920, 3000, 240}));
}

TEST(SmfPart, TheEighteenStepLengths) {
  const std::pair<const char*, int> lengths[] = {
      {"1", 1920}, {"1.", 2880}, {"1..", 3360}, {"2", 960},  {"2.", 1440},  {"2..", 1680},
      {"4", 480},  {"4.", 720},  {"4..", 840},  {"8", 240},  {"8.", 360},   {"8..", 420},
      {"16", 120}, {"16.", 180}, {"16..", 210}, {"32", 60},  {"32.", 90},   {"32..", 105}};
  for (const auto& [token, ticks] : lengths) {
    const PartRun run = run_part(std::string("BD ") + token + " X " + token);
    EXPECT_EQ(run.events, (std::vector<Event>{{0x90, 36, 64, ticks}})) << token;
    EXPECT_EQ(run.running[0], 2 * ticks) << token;
  }
  for (const char* token : {"14", "12", "64", "64.", "3", "4...", ".4", "04"}) {
    EXPECT_EQ(run_part(std::string("BD ") + token).error, report(Msg::BadLength, ":1 BD " + std::string(token) + "\n"))
        << token;
  }
}

TEST(SmfPart, TupletsDivideAndTruncate) {
  EXPECT_EQ(run_part("BD 32 ]32 X").running[0], 1);
  EXPECT_EQ(run_part("BD 16 ]3 X").running[0], 40);
  EXPECT_EQ(run_part("BD 16. ]7 X").running[0], 25);
  EXPECT_EQ(run_part("BD 1 ]2 X").running[0], 960);
  EXPECT_EQ(run_part("BD 4 ]10 ]2").error, report(Msg::BadLength, ":1 BD 4 ]10 ]2\n"));
  // Anything else after a length is no tuplet: the step is a hit, and the
  // token has to begin the next step.
  for (const char* token : {"]1", "]33", "]02", "]", "]3X", "]+3"}) {
    const PartRun run = run_part(std::string("BD 4 ") + token);
    EXPECT_EQ(run.error, report(Msg::BadLength, ":1 BD 4 " + std::string(token) + "\n")) << token;
    EXPECT_EQ(run.events.size(), 1u) << token;
  }
}

TEST(SmfPart, AVelocityHitHasANoteOffFifteenTicksLater) {
  // On a one-tick step the note-off comes after the following hits.
  EXPECT_EQ(events("HH 32 ]32 V100 32 ]32 32 ]32 v0"),
            (std::vector<Event>{{0x90, 42, 100, 0}, {0x80, 42, 0, 15}, {0x90, 42, 64, 1}, {0x90, 42, 0, 2},
                                {0x80, 42, 0, 17}}));
  EXPECT_EQ(events("BD 4 V127 4 V0064"), (std::vector<Event>{{0x90, 36, 127, 0},
                                                             {0x80, 36, 0, 15},
                                                             {0x90, 36, 64, 480},
                                                             {0x80, 36, 0, 495}}));
}

TEST(SmfPart, VelocityFaults) {
  EXPECT_EQ(run_part("BD 4 V").error, report(Msg::VelocityWrong, ":1 BD 4 V\n"));
  EXPECT_EQ(run_part("BD 4 V-1").error, report(Msg::VelocityWrong, ":1 BD 4 V-1\n"));
  EXPECT_EQ(run_part("BD 4 V99999999999").error, report(Msg::VelocityRange, ":1 BD 4 V99999999999\n"));
  // After a rest a velocity is where the next length belongs.
  EXPECT_EQ(run_part("BD 4 X V10").error, report(Msg::BadLength, ":1 BD 4 X V10\n"));
}

TEST(SmfPart, OneInstrumentAStatement) {
  EXPECT_EQ(run_part("4 BD").error, report(Msg::DrumUnknown, ":1 4 BD\n"));
  // A name alone does nothing; lower case names the same instrument.
  EXPECT_EQ(events("BD\nbd 4"), (std::vector<Event>{{0x90, 36, 64, 0}}));
}

std::string image_of(std::string_view input) {
  StatementReader reader(input);
  SmfPart part(kit());
  read_smf_part(reader, part);
  return part.image();
}

Msg image_failure(std::string_view input) {
  return testing::thrown_message([&] { image_of(input); });
}

TEST(SmfPart, TheTempoIsTruncated) {
  // Tempo at offsets 26..28, numerator and denominator power at 33 and 34.
  EXPECT_EQ(image_of("ST 7; SB 9/16").substr(26, 9), std::string("\x82\xca\x24\x00\xff\x58\x04\x09\x04", 9));
}

TEST(SmfPart, TempoAndTimeSignatureFaults) {
  for (const char* value : {"-120", "1", "-99999999999"}) {
    EXPECT_EQ(image_failure(std::string("ST ") + value), Msg::RangeExceeded) << value;
  }
  EXPECT_EQ(image_failure("SB 04/4"), Msg::RangeOutside);
}

}  // namespace
}  // namespace scoretext::drum
