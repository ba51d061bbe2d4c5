// Writing a finished page to disk.
#pragma once

#include <string>

namespace nuvelo::report {

// Outcome of a page write; the message (GBK) names the file when it failed.
struct PageWrite {
    bool ok = false;
    std::string message;
};

// Replaces the file at `path` (UTF-8 file-system path) with `bytes`, exactly
// as given (GBK, no byte-order mark). The bytes go to a temporary file in the
// same folder first and are then renamed over the target, so a page view
// never reads half a page.
PageWrite writePageFile(const std::string& path, const std::string& bytes);

}  // namespace nuvelo::report
