#include "app/run_inputs_reader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include "platform/gbk_qstring.h"

namespace nuvelo::app {

using generation::Mode;

namespace {

template <typename W>
W* child(const QWidget* window, const char* name) {
    return window->findChild<W*>(QString::fromUtf8(name));
}

bool checked(const QWidget* window, const char* name) {
    if (auto* radio = child<QRadioButton>(window, name)) return radio->isChecked();
    if (auto* box = child<QCheckBox>(window, name)) return box->isChecked();
    return false;
}

std::string editText(const QWidget* window, const char* name) {
    auto* edit = child<QLineEdit>(window, name);
    return edit ? platform::toGbk(edit->text()) : std::string();
}

std::string listText(const QWidget* window, const char* name) {
    auto* list = child<QComboBox>(window, name);
    return list ? platform::toGbk(list->currentText()) : std::string();
}

std::array<bool, 5> elementBoxes(const QWidget* window, int family) {
    static const char* const kElements[5] = {"金", "木", "水", "火", "土"};
    std::array<bool, 5> boxes{};
    for (int e = 0; e < 5; ++e) {
        std::string name = std::string("选择框_") + kElements[e] + std::to_string(family);
        boxes[static_cast<std::size_t>(e)] = checked(window, name.c_str());
    }
    return boxes;
}

}  // namespace

Mode checkedMode(const QWidget* window) {
    static const std::pair<const char*, Mode> kRadios[] = {
        {"单选框_高分起名", Mode::HighScore},   {"单选框_超吉起名", Mode::Super},
        {"单选框_诗词起名", Mode::Poetry},      {"单选框_组合起名", Mode::Combination},
        {"单选框_起小名", Mode::Nickname},      {"单选框_起英文名", Mode::English}};
    for (const auto& [name, mode] : kRadios)
        if (checked(window, name)) return mode;
    return Mode::Classic;
}

generation::RunInputs readRunInputs(const QWidget* window, Mode mode, const GenerationCharSetting& generationChar,
                                    const std::vector<std::pair<std::string, bool>>& poemBoxes) {
    generation::RunInputs in;
    in.mode = mode;
    in.surname = editText(window, "编辑框_姓氏");
    in.sex = listText(window, "组合框_性别");
    auto* length = child<QComboBox>(window, "组合框_名字个数");
    in.nameLength = length && length->currentText() == QStringLiteral("二字") ? 2 : 1;
    in.generationChar = generationChar.kind;
    in.fixedSecond = generationChar.second;
    in.fixedThird = generationChar.third;
    in.filters.secondMaster = checked(window, "选择框_第二个字五行限定");
    in.filters.thirdMaster = checked(window, "选择框_第三个字五行限定");
    in.filters.requiredMaster = checked(window, "选择框_所有字必带五行");
    in.filters.forbiddenMaster = checked(window, "选择框_所有字不能带五行");
    in.filters.second = elementBoxes(window, 0);
    in.filters.third = elementBoxes(window, 1);
    in.filters.required = elementBoxes(window, 2);
    in.filters.forbidden = elementBoxes(window, 3);
    if (checked(window, "单选框_小A型")) in.nicknameStyle = generation::NicknameStyle::XiaoA;
    else if (checked(window, "单选框_A儿型")) in.nicknameStyle = generation::NicknameStyle::AEr;
    else if (checked(window, "单选框_阿A型")) in.nicknameStyle = generation::NicknameStyle::AhA;
    else in.nicknameStyle = generation::NicknameStyle::AA;
    in.combinationText = editText(window, "编辑框_组合的字");
    in.poemBoxes = poemBoxes;
    in.englishGiven = editText(window, "编辑框_英文名字");
    in.englishSex = checked(window, "单选框_女性化") ? 2 : checked(window, "单选框_中性化") ? 3 : 1;
    return in;
}

}  // namespace nuvelo::app
