// "=d:name body" defines a macro; "=m:name" anywhere in a later statement is
// replaced by its body before the statement is tokenized.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace scoretext {

class MacroTable {
 public:
  // The macro step for one statement.  Returns true when the statement was a
  // definition (it is stored and nothing else is done with the statement).
  // Otherwise every use in `statement` is replaced; `statement` then views
  // the rebuilt text, which lives until the next call.
  bool step(std::string_view& statement);

  std::size_t size() const { return bodies_.size(); }

 private:
  void define(std::string_view statement);
  std::string_view expand(std::string_view statement);

  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  std::unordered_map<std::string, std::string, Hash, std::equal_to<>> bodies_;
  std::string work_;
};

}  // namespace scoretext
