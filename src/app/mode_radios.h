// The seven generation-mode radio buttons of the mode page, in the order of
// their status-bar icons (icon index = position in this table).
#pragma once

#include <array>

namespace nuvelo::app {

struct ModeRadio {
    const char* objectName;  // UTF-8
    const char* text;
    const char* statusText;
};

inline constexpr std::array<ModeRadio, 7> kModeRadios = {{
    {"单选框_经典起名", "经典起名", "高速生成,以好听为主,不考虑名字的五行数理等因素"},
    {"单选框_高分起名", "高分起名", "1-20秒内生成10000个90分以上的高分姓名"},
    {"单选框_诗词起名", "诗词起名", "使用近3000位诗人的数十万诗词进行组合起名"},
    {"单选框_组合起名", "组合起名", "使用您自定义的字进行组合起名"},
    {"单选框_起小名", "起小名", "小名即为乳名,以好听为主,侧重好记好听顺口,评分不用考虑"},
    {"单选框_起英文名", "起英文名", "有了中文名之后,还应该给宝宝起个英文名字,向国际化接轨"},
    {"单选框_超吉起名", "超吉起名", "系统将在1000万个名字中提取超吉名字,起名时间较长,并且不考虑单字名"},
}};

}  // namespace nuvelo::app
