// IniFile (settings/ini_file.h) reading any bytes as a settings file.
//
// The bytes are written to a scratch file and loaded. Every key line of the
// file must read back as the value of its first occurrence in its section;
// the store saved and loaded again must give the same values, and saving
// that again the same file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "settings/ini_file.h"

namespace {

std::string scratchDir;

void removeScratch() {
    std::remove((scratchDir + "/in.ini").c_str());
    std::remove((scratchDir + "/out.ini").c_str());
    ::rmdir(scratchDir.c_str());
}

bool writeFile(const std::string& path, std::string_view bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

std::string readFile(const std::string& path) {
    std::string text;
    FILE* f = std::fopen(path.c_str(), "rb");
    FUZZ_CHECK(f);
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
    std::fclose(f);
    return text;
}

struct Entry {
    std::string section, key, value;
};

// The key lines of a settings file, each with the section it stands in:
// lines end at "\n" (a "\r" before it dropped), empty lines and lines
// starting with ";" are skipped, "[name]" opens a section, and a key line
// is cut at its first "=". Keys before any section belong to section "".
std::vector<Entry> keyLines(std::string_view file) {
    std::vector<Entry> entries;
    std::string section;
    while (!file.empty()) {
        std::size_t end = file.find('\n');
        std::string_view line = file.substr(0, end);
        file = end == std::string_view::npos ? std::string_view() : file.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line[0] == ';') continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = std::string(line.substr(1, line.size() - 2));
            continue;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        entries.push_back({section, std::string(line.substr(0, eq)), std::string(line.substr(eq + 1))});
    }
    return entries;
}

// Loaded values never hold a line break, so "\n" marks a missing key.
const std::string kMissing = "\n";

}  // namespace

// The scratch files live in TMPDIR, else in /dev/shm where it can be
// written (in memory, so the fsync of every save costs nothing), else in /tmp.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* tmp = std::getenv("TMPDIR");
    std::string base = tmp && *tmp ? tmp : ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = base + "/nuvelo-ini-fuzz-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    scratchDir = pattern;
    std::atexit(removeScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using nuvelo::settings::IniFile;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string in = scratchDir + "/in.ini", out = scratchDir + "/out.ini";
    FUZZ_CHECK(writeFile(in, bytes));
    IniFile ini = IniFile::load(in);

    std::vector<Entry> entries = keyLines(bytes);
    std::set<std::pair<std::string, std::string>> seen;
    for (const Entry& e : entries)
        if (seen.emplace(e.section, e.key).second) FUZZ_CHECK(ini.value(e.section, e.key, kMissing) == e.value);

    // Written and read back: the same values, and writing that store again
    // gives the same file.
    FUZZ_CHECK(ini.save(out));
    std::string saved = readFile(out);
    IniFile again = IniFile::load(out);
    for (const Entry& e : entries)
        FUZZ_CHECK(again.value(e.section, e.key, kMissing) == ini.value(e.section, e.key, kMissing));
    FUZZ_CHECK(again.save(out));
    FUZZ_CHECK(readFile(out) == saved);
    return 0;
}
