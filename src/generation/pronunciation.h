// Finding the pronunciation of an English name in a dictionary page.
//
// The online dictionary's search page links the sound of the word as
// <a href="#" url="ADDRESS.mp3">. The address is cut out of the page text
// and ".mp3" is put back on to make the sound's URL. Fetching the page and
// playing the sound belong to the window; this file holds the rules.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nuvelo::generation {

// The marker in front of the sound address (17 characters).
inline constexpr std::string_view kSoundMarker = "<a href=\"#\" url=\"";
inline constexpr std::string_view kSoundSuffix = ".mp3";

// A response body larger than this is dropped unread.
inline constexpr std::size_t kMaxPageBytes = 2 * 1024 * 1024;

// The text after the first marker of the GBK page, up to but not including
// the next ".mp3" (to the end of the page when none follows). Empty when the
// page holds no marker.
std::string soundAddressFromPage(std::string_view gbkPage);

// The same cut made on the response body as it arrives (UTF-8), with the
// address given back in GBK. Empty when the body is over kMaxPageBytes, holds
// no marker, or the address does not convert. The body is searched before
// decoding, so characters elsewhere in the page that GBK lacks do not hide
// the address.
std::string soundAddressFromResponse(std::string_view utf8Body);

// The sound's URL: address + ".mp3". An empty address gives ".mp3" alone.
std::string soundUrl(std::string_view address);

// Only http:// and https:// addresses (scheme in any case) with a host and
// without blanks or control bytes are played.
bool isPlayableUrl(std::string_view url);

// The dictionary's search page for a name: base + "/s?wd=" + name. A
// trailing "/" of the base is not doubled.
std::string dictionarySearchUrl(std::string_view serviceBase, std::string_view englishName);

}  // namespace nuvelo::generation
