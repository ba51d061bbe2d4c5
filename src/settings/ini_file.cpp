#include "settings/ini_file.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace nuvelo::settings {

IniFile IniFile::load(const std::string& path) {
    IniFile ini;
    std::ifstream in(path, std::ios::binary);
    if (!in) return ini;
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        // Only the first "=" separates: values may contain "=" themselves.
        // The first line of a key wins; a value read from a line never holds
        // "\n", so "\n" marks a key that has not been read yet.
        if (ini.value(section, line.substr(0, eq), "\n") == "\n")
            ini.setValue(section, line.substr(0, eq), line.substr(eq + 1));
    }
    return ini;
}

std::string IniFile::value(const std::string& section, const std::string& key, const std::string& fallback) const {
    for (const auto& [name, entries] : sections_) {
        if (name != section) continue;
        for (const auto& [k, v] : entries)
            if (k == key) return v;
    }
    return fallback;
}

void IniFile::setValue(const std::string& section, const std::string& key, const std::string& value) {
    for (auto& [name, entries] : sections_) {
        if (name != section) continue;
        for (auto& [k, v] : entries)
            if (k == key) {
                v = value;
                return;
            }
        entries.emplace_back(key, value);
        return;
    }
    sections_.push_back({section, {{key, value}}});
}

bool IniFile::save(const std::string& path) const {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    std::ostringstream text;
    for (const auto& [name, entries] : sections_) {
        text << '[' << name << "]\r\n";
        for (const auto& [k, v] : entries) text << k << '=' << v << "\r\n";
    }
    std::string data = text.str();
    std::string tmp = path + ".tmp" + std::to_string(::getpid());
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(::fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok) {
        fs::rename(tmp, target, ec);
        ok = !ec;
    }
    if (!ok) fs::remove(tmp, ec);
    return ok;
}

}  // namespace nuvelo::settings
