#include "vocal/vocal_record.h"

#include <algorithm>

#include "frontend/tool_error.h"

namespace scoretext::vocal {

VocalRecord& EventTable::append(VocalRecord record) {
  if (records_.size() >= kCapacity) throw ToolError(Msg::TooManyRecords);
  records_.push_back(std::move(record));
  return records_.back();
}

void EventTable::append_copies(std::size_t first, std::size_t last) {
  if (last <= first) return;
  const std::size_t count = last - first;
  if (count > kCapacity - records_.size()) throw ToolError(Msg::TooManyRecords);
  // Room first, growing geometrically: the copies are read from the table
  // they are appended to.
  const std::size_t needed = records_.size() + count;
  if (needed > records_.capacity()) records_.reserve(std::max(needed, 2 * records_.capacity()));
  for (std::size_t i = first; i < last; ++i) records_.push_back(records_[i]);
}

}  // namespace scoretext::vocal
