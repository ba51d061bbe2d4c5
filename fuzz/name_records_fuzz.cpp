// The saved-name records of settings/name_records.h restored from any bytes.
//
// Restoring gives at most one record per "|"-piece (none only for a value of
// at most one byte); the records written back and restored again are the
// same records.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "settings/name_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nuvelo::settings;
    std::string value(reinterpret_cast<const char*>(data), size);
    std::vector<NameRecord> records = parseRecords(value);
    FUZZ_CHECK(records.size() <= static_cast<std::size_t>(std::count(value.begin(), value.end(), '|')) + 1);
    FUZZ_CHECK(!records.empty() || value.size() <= 1);

    std::string written = serializeRecords(records);
    FUZZ_CHECK(parseRecords(written) == records);
    return 0;
}
