// Build-time guard of the fuzz build's GBK literals (a host tool, built
// without sanitizers).
//
//   gbk_source_check convert IN OUT
//       Converts the UTF-8 source IN to GBK with the same glibc converter
//       that GCC's -fexec-charset=GBK uses and writes OUT. Fails when IN does
//       not convert, or when any double-byte character of the result has a
//       second byte 0x5C (backslash) or 0x22 (quote): clang reads the
//       converted bytes as source text, so such a byte would end a literal,
//       start an escape or splice a comment line, where GCC converts the
//       literal only after lexing it.
//
//   gbk_source_check ascii-literals PREPROCESSED ROOT...
//       Reads the preprocessor output of a translation unit (comments are
//       gone there) and fails when a line that comes from a file under one
//       of the ROOT folders holds a byte >= 0x80: that file has a non-ASCII
//       literal, which clang would compile as UTF-8, so it must be in the
//       fuzz build's list of converted files.
#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool readFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool toGbk(const std::string& utf8, std::string& gbk, std::string& error) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        error = "no UTF-8 to GBK converter";
        return false;
    }
    gbk.assign(utf8.size() + 16, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* out = gbk.data();
    std::size_t outLeft = gbk.size();
    bool ok = true;
    while (inLeft > 0 && iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
        if (errno != E2BIG) {
            error = "byte " + std::to_string(utf8.size() - inLeft) + " has no GBK form";
            ok = false;
            break;
        }
        std::size_t used = static_cast<std::size_t>(out - gbk.data());
        gbk.resize(gbk.size() * 2);
        out = gbk.data() + used;
        outLeft = gbk.size() - used;
    }
    iconv_close(cd);
    if (ok) gbk.resize(static_cast<std::size_t>(out - gbk.data()));
    return ok;
}

int convert(const std::string& inPath, const std::string& outPath) {
    std::string utf8, gbk, error;
    if (!readFile(inPath, utf8)) {
        std::cerr << inPath << ": cannot be read\n";
        return 1;
    }
    if (!toGbk(utf8, gbk, error)) {
        std::cerr << inPath << ": " << error << "\n";
        return 1;
    }
    int line = 1;
    bool clean = true;
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        auto b = static_cast<unsigned char>(gbk[i]);
        if (b == '\n') ++line;
        if (b < 0x81 || b > 0xFE || i + 1 >= gbk.size()) continue;
        auto trail = static_cast<unsigned char>(gbk[++i]);
        if (trail == 0x5C || trail == 0x22) {
            std::fprintf(stderr, "%s:%d: the GBK character %02X %02X ends in '%c', which clang would lex differently from GCC\n",
                         inPath.c_str(), line, b, trail, trail);
            clean = false;
        }
    }
    if (!clean) return 1;
    std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
    out.write(gbk.data(), static_cast<std::streamsize>(gbk.size()));
    out.close();
    if (!out) {
        std::cerr << outPath << ": cannot be written\n";
        return 1;
    }
    return 0;
}

// The file named by a line marker `# 12 "path" 1 3`, or "" for another line.
std::string markerFile(const std::string& line) {
    if (line.size() < 4 || line[0] != '#' || line[1] != ' ') return {};
    std::size_t open = line.find('"');
    std::size_t close = line.rfind('"');
    if (open == std::string::npos || close <= open) return {};
    return line.substr(open + 1, close - open - 1);
}

int asciiLiterals(const std::string& path, const std::vector<std::string>& roots) {
    std::string text;
    if (!readFile(path, text)) {
        std::cerr << path << ": cannot be read\n";
        return 1;
    }
    std::istringstream lines(text);
    std::string line, file;
    bool checked = false, clean = true;
    while (std::getline(lines, line)) {
        std::string marked = markerFile(line);
        if (!marked.empty()) {
            file = marked;
            checked = false;
            for (const std::string& root : roots)
                if (file.compare(0, root.size(), root) == 0) checked = true;
            continue;
        }
        if (!checked) continue;
        for (char c : line)
            if (static_cast<unsigned char>(c) >= 0x80) {
                std::cerr << file << ": a literal holds non-ASCII text; list the file among the fuzz build's GBK files:\n    "
                          << line << "\n";
                clean = false;
                break;
            }
    }
    return clean ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "convert" && argc == 4) return convert(argv[2], argv[3]);
    if (mode == "ascii-literals" && argc >= 4) return asciiLiterals(argv[2], std::vector<std::string>(argv + 3, argv + argc));
    std::cerr << "usage: gbk_source_check convert IN OUT | ascii-literals PREPROCESSED ROOT...\n";
    return 2;
}
