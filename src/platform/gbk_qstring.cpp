#include "platform/gbk_qstring.h"

#include "text/gbk.h"

namespace nuvelo::platform {

QString fromGbk(const std::string& gbk) {
    if (gbk.empty()) return {};
    return QString::fromStdString(nuvelo::text::toUtf8(gbk));
}

std::string toGbk(const QString& text) {
    if (text.isEmpty()) return {};
    return nuvelo::text::toGbk(text.toStdString());
}

}  // namespace nuvelo::platform
