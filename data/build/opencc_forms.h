// Simplified <-> traditional forms of single characters through OpenCC.
#pragma once

#include <string>

namespace nuvelo::dbbuild {

class OpenccConverter {
public:
    OpenccConverter() = default;
    ~OpenccConverter();
    OpenccConverter(const OpenccConverter&) = delete;
    OpenccConverter& operator=(const OpenccConverter&) = delete;

    // Opens a configuration such as "s2t.json" (looked up by OpenCC in its
    // data folder). False with a message on failure.
    bool open(const std::string& config, std::string& error);
    // The converted UTF-8 text; the input unchanged when conversion fails.
    std::string convert(const std::string& utf8) const;

private:
    void* handle_ = nullptr;
};

}  // namespace nuvelo::dbbuild
