// Joining two files: the first whole, then the tracks of the second.
#pragma once

#include "smf/file_image.h"

namespace scoretext::smf {

// Checks the headers of both files (any format), that both count time alike
// ("分解能が違います" when their divisions differ: the tracks of the second
// would play at the wrong speed) and that their join fits: at most 65,535
// tracks in all ("トラック数が制限を超えました") and at most kMaxFileBytes
// ("ファイルが大きすぎます").  Then makes first's header that
// of the joined file: format 1, the sum of both track counts.  The joined
// file is first followed by everything in second after its header.
void join_headers(FileImage& first, const FileImage& second);

}  // namespace scoretext::smf
