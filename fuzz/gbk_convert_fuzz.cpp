// toUtf8 / toGbk / isValidGbk of text/gbk.h on any bytes.
//
// A conversion gives the whole text or ""; what converts comes back unchanged
// from the other direction; text that isValidGbk accepts converts, and what
// toGbk writes is valid GBK (but for the euro sign, see below).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "text/gbk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nuvelo::text;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The bytes read as GBK.
    std::string utf8 = toUtf8(bytes);
    if (bytes.empty()) FUZZ_CHECK(utf8.empty());
    if (isValidGbk(bytes) && !bytes.empty()) FUZZ_CHECK(!utf8.empty());
    if (!utf8.empty()) FUZZ_CHECK(toGbk(utf8) == bytes);

    // The bytes read as UTF-8.
    std::string gbk = toGbk(bytes);
    if (bytes.empty()) FUZZ_CHECK(gbk.empty());
    if (!gbk.empty()) {
        FUZZ_CHECK(toUtf8(gbk) == bytes);
        // Code page 936 writes the euro sign as the single byte 0x80, which
        // isValidGbk (GBK proper) does not accept.
        if (gbk.find('\x80') == std::string::npos) FUZZ_CHECK(isValidGbk(gbk));
    }
    return 0;
}
