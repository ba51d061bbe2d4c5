// The sound address cut of generation/pronunciation.h on any page.
//
// soundAddressFromPage: empty without a marker on a character boundary;
// else the text right after the first marker, ending at the page's end or
// at a ".mp3" and holding no ".mp3" itself. soundAddressFromResponse: for a
// body that converts to GBK, the same address as the cut made on the
// converted page; a body without a marker gives "".
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "generation/pronunciation.h"
#include "text/gbk.h"

namespace {

void checkPageCut(std::string_view page) {
    using namespace nuvelo;
    std::string address = generation::soundAddressFromPage(page);
    std::size_t marker = text::findText(page, generation::kSoundMarker);
    if (marker == 0) {
        FUZZ_CHECK(address.empty());
        return;
    }
    std::size_t start = marker - 1 + generation::kSoundMarker.size();
    FUZZ_CHECK(page.substr(start, address.size()) == address);
    FUZZ_CHECK(text::findText(address, generation::kSoundSuffix) == 0);
    std::size_t end = start + address.size();
    FUZZ_CHECK(end == page.size() || page.substr(end, generation::kSoundSuffix.size()) == generation::kSoundSuffix);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nuvelo;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkPageCut(bytes);

    std::string address = generation::soundAddressFromResponse(bytes);
    if (bytes.find(generation::kSoundMarker) == std::string_view::npos) FUZZ_CHECK(address.empty());
    std::string page = text::toGbk(bytes);
    if (!page.empty()) {
        checkPageCut(page);
        FUZZ_CHECK(address == generation::soundAddressFromPage(page));
    }
    return 0;
}
