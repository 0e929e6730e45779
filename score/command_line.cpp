#include "score/command_line.h"

#include <array>
#include <optional>

#include "frontend/tool_error.h"

namespace scoretext::score {
namespace {

constexpr int kDrumChannel = 9;  // channel 10
constexpr int kChannels = 16;
constexpr int kUnassigned = -1;

[[noreturn]] void usage() { throw ToolError::usage(kUsage); }

// "1" .. "16", decimal digits only, as channel 0..15.
std::optional<int> channel_number(std::string_view text) {
  if (text.empty() || text.size() > 2) return std::nullopt;
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n < 1 || n > kChannels) return std::nullopt;
  return n - 1;
}

// The words of the line as parts; the out-file is the last plain word.
std::vector<PartArgument> read_parts(const std::vector<std::string>& args) {
  std::vector<PartArgument> parts;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    PartArgument part{.path = word, .channel = kUnassigned};
    if (word == "-d" || word == "-v") {
      if (i + 1 >= args.size()) usage();
      part.path = args[++i];
      if (word == "-d") part.channel = kDrumChannel;
      part.vocal = word == "-v";
    } else if (word == "-c") {
      if (i + 2 >= args.size()) usage();
      const std::optional<int> channel = channel_number(args[++i]);
      if (!channel) usage();
      part.channel = *channel;
      part.path = args[++i];
    } else if (word.empty() || word[0] == '-') {
      usage();
    } else {
      part.path = word;
      part.channel = kUnassigned;
    }
    parts.push_back(std::move(part));
  }
  return parts;
}

void assign_free_channels(std::vector<PartArgument>& parts) {
  std::array<bool, kChannels> taken{};
  taken[kDrumChannel] = true;
  for (const PartArgument& p : parts)
    if (p.channel != kUnassigned) taken[static_cast<std::size_t>(p.channel)] = true;
  int next = 0;
  for (PartArgument& p : parts) {
    if (p.channel != kUnassigned) continue;
    while (next < kChannels && taken[static_cast<std::size_t>(next)]) ++next;
    if (next == kChannels) usage();
    p.channel = next++;
  }
}

}  // namespace

CommandLine parse_command_line(const std::vector<std::string>& args) {
  std::vector<PartArgument> parts = read_parts(args);
  // The out-file: a plain word, and at least one part before it.
  if (parts.size() < 2) usage();
  const PartArgument& last = parts.back();
  if (last.vocal || last.channel != kUnassigned || args.back() != last.path) usage();
  CommandLine line;
  line.out_file = last.path;
  parts.pop_back();
  assign_free_channels(parts);
  line.parts = std::move(parts);
  return line;
}

}  // namespace scoretext::score
