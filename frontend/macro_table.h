// "=d:name body" defines a macro; "=m:name" anywhere in a later statement is
// replaced by its body before the statement is tokenized.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scoretext {

class MacroTable {
 public:
  // The macro step for one statement.  Returns true when the statement was a
  // definition (it is stored and nothing else is done with the statement).
  // Otherwise every use in `statement` is replaced; `statement` then views
  // the rebuilt text, which lives until the next call.
  bool step(std::string_view& statement);
  // The same for a statement known to hold a "=" or not (a statement without
  // one is no definition and uses no macro).
  bool step(std::string_view& statement, bool has_equals) { return has_equals && step(statement); }

  std::size_t size() const { return count_; }

 private:
  void define(std::string_view statement);
  std::string_view expand(std::string_view statement);
  // The slot of the macro of that name, or of the free slot where it would
  // go.  Names are unique, so the hash table finds what a scan in definition
  // order would.
  struct Slot;
  Slot& find(std::string_view name);
  std::string_view body(const Slot& slot) const { return std::string_view(bodies_).substr(slot.offset, slot.size); }
  void grow();

  // Names are short (at most nine characters), so a slot holds its name and
  // a lookup touches one slot and the body it finds.
  struct Slot {
    std::uint64_t offset = 0;  // of the body in bodies_
    std::uint32_t size = 0;
    std::uint8_t name_size = kFree;
    char name[9] = {};
    static constexpr std::uint8_t kFree = 0xff;
    bool free() const { return name_size == kFree; }
    std::string_view key() const { return std::string_view(name, name_size); }
  };
  std::vector<Slot> slots_;
  std::size_t count_ = 0;
  std::string bodies_;
  std::string work_;
};

}  // namespace scoretext
