#include "report/page_file.h"

#include <cstdio>

#include "text/gbk.h"

namespace nuvelo::report {

PageWrite writePageFile(const std::string& path, const std::string& bytes) {
    PageWrite result;
    std::string shownPath = text::toGbk(path);
    std::string tmp = path + ".part";
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) {
        result.message = "无法写入页面文件：" + shownPath;
        return result;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    bool closed = std::fclose(f) == 0;
    if (!written || !closed || std::rename(tmp.c_str(), path.c_str()) != 0) {
        std::remove(tmp.c_str());
        result.message = "无法写入页面文件：" + shownPath;
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace nuvelo::report
