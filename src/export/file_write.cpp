#include "export/file_write.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "text/gbk.h"

namespace nuvelo::exporting {
namespace {

WriteResult failure(const std::string& path) {
    // The path is UTF-8; the message is GBK like every core text.
    std::string shown = text::toGbk(path);
    return {false, "无法写入文件：" + (shown.empty() ? std::string("?") : shown)};
}

}  // namespace

WriteResult writeFileReplacing(const std::string& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    if (path.empty()) return failure(path);
    std::string tmp = path + ".tmp" + std::to_string(::getpid());
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return failure(path);
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(::fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    std::error_code ec;
    if (ok) {
        fs::rename(tmp, path, ec);
        ok = !ec;
    }
    if (!ok) {
        fs::remove(tmp, ec);
        return failure(path);
    }
    return {true, {}};
}

}  // namespace nuvelo::exporting
