#include "frontend/macro_table.h"

#include <functional>

#include "frontend/limits.h"
#include "frontend/tool_error.h"

namespace scoretext {

namespace {

bool is_definition(std::string_view s) { return s.size() >= 2 && s[0] == '=' && (s[1] == 'd' || s[1] == 'D'); }

std::size_t hash_name(std::string_view name) { return std::hash<std::string_view>{}(name); }

}  // namespace

bool MacroTable::step(std::string_view& statement) {
  if (is_definition(statement)) {
    define(statement);
    return true;
  }
  if (statement.find('=') != std::string_view::npos) statement = expand(statement);
  return false;
}

void MacroTable::define(std::string_view s) {
  if (count_ >= limits::kMacros) throw ToolError(Msg::MacroTableFull);
  if (s.size() < 3 || s[2] != ':') throw ToolError(Msg::MacroMalformed);
  if (s.find('=', 3) != std::string_view::npos) throw ToolError(Msg::MacroMalformed);
  const std::size_t blank = s.find(' ', 3);
  if (blank == std::string_view::npos) throw ToolError(Msg::MacroNoBody);
  const std::string_view name = s.substr(3, blank - 3);
  if (name.size() >= limits::kMacroNameRefused) throw ToolError(Msg::MacroBadName);
  if ((count_ + 1) * 2 > slots_.size()) grow();  // at most half full
  Slot& slot = find(name);
  if (!slot.free()) throw ToolError(Msg::MacroDuplicate);
  const std::string_view text = s.substr(blank);
  slot.offset = bodies_.size();
  slot.size = static_cast<std::uint32_t>(text.size());
  slot.name_size = static_cast<std::uint8_t>(name.size());
  name.copy(slot.name, name.size());
  bodies_.append(text);
  ++count_;
}

void MacroTable::grow() {
  std::vector<Slot> old(slots_.empty() ? 64 : slots_.size() * 2);
  old.swap(slots_);
  for (const Slot& s : old) {
    if (!s.free()) find(s.key()) = s;
  }
}

MacroTable::Slot& MacroTable::find(std::string_view name) {
  static_assert(limits::kMacroNameRefused - 1 <= sizeof(Slot::name));
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = hash_name(name) & mask;
  while (!slots_[at].free() && slots_[at].key() != name) at = (at + 1) & mask;
  return slots_[at];
}

std::string_view MacroTable::expand(std::string_view s) {
  // Uses are replaced from left to right.  Bodies never hold "=", so every
  // further use lies in the text after the previous one and the rebuilt
  // statement can be built in one pass.
  std::string& out = work_;
  out.clear();
  std::size_t from = 0;
  for (;;) {
    const std::size_t eq = s.find('=', from);
    if (eq == std::string_view::npos) break;
    if (eq + 2 >= s.size() || (s[eq + 1] != 'm' && s[eq + 1] != 'M') || s[eq + 2] != ':')
      throw ToolError(Msg::MacroBadName);
    const std::size_t name_begin = eq + 3;
    std::size_t name_end = s.find(' ', name_begin);
    if (name_end == std::string_view::npos) name_end = s.size();
    const std::string_view name = s.substr(name_begin, name_end - name_begin);
    if (name.size() >= limits::kMacroNameRefused) throw ToolError(Msg::MacroBadName);
    if (slots_.empty()) throw ToolError(Msg::MacroBadName);
    const Slot& slot = find(name);
    if (slot.free()) throw ToolError(Msg::MacroBadName);
    // The statement as rebuilt at this use: what is done, the body, the rest.
    const std::size_t rebuilt = out.size() + (eq - from) + slot.size + (s.size() - name_end);
    if (rebuilt >= limits::kStatementRefused) throw ToolError(Msg::LineTooLong);
    out.append(s.substr(from, eq - from));
    out.append(body(slot));
    from = name_end;
  }
  out.append(s.substr(from));
  return work_;
}

}  // namespace scoretext
