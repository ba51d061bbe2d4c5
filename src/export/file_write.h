// Writing a whole file in one piece.
//
// Pages and exported lists replace their earlier file. The bytes go to a
// temporary file beside the target, which is then renamed over it, so a
// reader never sees a half-written file and a failed write leaves the old
// one in place.
#pragma once

#include <string>
#include <string_view>

namespace nuvelo::exporting {

struct WriteResult {
    bool ok = false;
    std::string message;  // GBK; empty on success
};

// Writes `bytes` to `path` (a UTF-8 file-system path), replacing the file.
// The folder must exist. Failures come back as a message naming the file.
WriteResult writeFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace nuvelo::exporting
