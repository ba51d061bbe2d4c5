// Conversions between Qt's QString and the core's GBK byte strings.
//
// The window side holds QString; everything handed to or taken from the core
// is GBK (code page 936). Text that cannot be converted gives an empty result,
// as the core's own converters do.
#pragma once

#include <QString>
#include <string>

namespace nuvelo::platform {

QString fromGbk(const std::string& gbk);
std::string toGbk(const QString& text);

}  // namespace nuvelo::platform
