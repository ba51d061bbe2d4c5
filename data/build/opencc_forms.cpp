#include "opencc_forms.h"

#include <opencc/opencc.h>

#include <cstdint>

namespace nuvelo::dbbuild {

namespace {
opencc_t failed() { return reinterpret_cast<opencc_t>(static_cast<intptr_t>(-1)); }
}  // namespace

OpenccConverter::~OpenccConverter() {
    if (handle_) opencc_close(static_cast<opencc_t>(handle_));
}

bool OpenccConverter::open(const std::string& config, std::string& error) {
    opencc_t handle = opencc_open(config.c_str());
    if (handle == failed()) {
        const char* message = opencc_error();
        error = "OpenCC cannot open " + config + ": " + (message ? message : "") + " (install libopencc-dev)";
        return false;
    }
    handle_ = handle;
    return true;
}

std::string OpenccConverter::convert(const std::string& utf8) const {
    if (!handle_) return utf8;
    char* out = opencc_convert_utf8(static_cast<opencc_t>(handle_), utf8.data(), utf8.size());
    if (!out) return utf8;
    std::string result(out);
    opencc_convert_utf8_free(out);
    return result;
}

}  // namespace nuvelo::dbbuild
