// The conductor track: tempo, time signature and key of the whole song, as
// the parts set them.
//
// Within a part, a later setting of the same kind at the same tick replaces
// the earlier one.  Between parts the settings merge in time order: the same
// setting from two parts at one tick is written once; two different ones of
// a kind at one tick are Msg::Twice, reported at the second part's statement.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "score/part_error.h"
#include "score/track.h"

namespace scoretext::score {

// ST's range: the slowest and fastest tempo, in quarters a minute, whose
// microseconds a quarter (60,000,000 / ST) a tempo event can hold.
inline constexpr int kSlowestTempo = 4;
inline constexpr std::int64_t kFastestTempo = 60'000'000;

enum class ConductorKind : int { Tempo, TimeSignature, Key };

struct ConductorEvent {
  std::int64_t tick = 0;
  ConductorKind kind = ConductorKind::Tempo;
  std::string data;  // the meta event's data bytes
  StatementPlace place;
};

// The settings of one part, in time order.
class PartConductor {
 public:
  void set(ConductorEvent event);
  const std::vector<ConductorEvent>& events() const { return events_; }

 private:
  std::vector<ConductorEvent> events_;
};

struct PartSettings {
  const PartConductor* conductor;
  const std::string* file;
};

// The merged conductor track (meta events only); throws on a conflict.
Track merge_conductor(const std::vector<PartSettings>& parts, bool name_files);

// Data bytes of the three meta events.
std::string tempo_data(std::int64_t beats_per_minute);
std::string time_signature_data(int numerator, int denominator_power);
std::string key_data(int sharps, int minor);

}  // namespace scoretext::score
