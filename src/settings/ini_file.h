// A small INI store: one file, sections of key=value lines, GBK text.
//
// Values may be of any length (no line limit) but hold no line break; the
// file is written atomically (a temporary file, then a rename), so a crash
// or a full disk never leaves it half-written. Not thread-safe.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace nuvelo::settings {

class IniFile {
public:
    // Reads `path`; a missing or unreadable file gives an empty store.
    static IniFile load(const std::string& path);

    // The value, or `fallback` when the section or key is missing.
    std::string value(const std::string& section, const std::string& key, const std::string& fallback = {}) const;
    void setValue(const std::string& section, const std::string& key, const std::string& value);

    // Writes the whole store to `path` atomically, creating its folder.
    // False (with the file left as it was) when it cannot be written.
    bool save(const std::string& path) const;

private:
    // Sections and keys keep their first-seen order.
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections_;
};

}  // namespace nuvelo::settings
