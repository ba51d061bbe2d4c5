// What a generation run reads from the main window.
//
// The window thread takes a snapshot before it starts a run and again before
// it resumes a paused one (the inputs of page 0 can only change while a run
// is paused), so the worker never waits for the window thread to read them.
#pragma once

#include <array>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace nuvelo::generation {

enum class Mode { Classic, HighScore, Super, Poetry, Combination, Nickname, English };

// Generation character (辈份): none, or the second / third character of the
// full name fixed to a text.
enum class GenerationChar { None, Second, Third };

enum class NicknameStyle { AA, XiaoA, AEr, AhA };  // AA型 小A型 A儿型 阿A型

// Element boxes are in the order 金 木 水 火 土 in every family.
struct ElementFilters {
    bool secondMaster = false;     // 第二个字五行限定
    bool thirdMaster = false;      // 第三个字五行限定
    bool requiredMaster = true;    // 所有字必须带五行(含姓)
    bool forbiddenMaster = false;  // 所有字不能带五行(含姓)
    std::array<bool, 5> second{};
    std::array<bool, 5> third{};
    std::array<bool, 5> required{true, true, true, true, true};
    std::array<bool, 5> forbidden{};
};

struct RunInputs {
    Mode mode = Mode::Classic;
    std::string surname;         // GBK
    std::string sex = "男";      // "男" or "女"
    int nameLength = 1;          // 1 or 2
    GenerationChar generationChar = GenerationChar::None;
    std::string fixedSecond;     // X
    std::string fixedThird;      // Y
    ElementFilters filters;
    NicknameStyle nicknameStyle = NicknameStyle::AA;
    std::string combinationText;
    std::vector<std::pair<std::string, bool>> poemBoxes;  // caption, ticked
    std::string englishGiven;
    int englishSex = 1;          // 1 男性化, 2 女性化, 3 中性化
    unsigned long long seed = 0; // 0: seed from the clock
};

// The snapshot shared between the window thread (writer) and the run.
class SharedRunInputs {
public:
    void set(RunInputs inputs) {
        std::lock_guard<std::mutex> lock(mutex_);
        inputs_ = std::move(inputs);
    }
    RunInputs get() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return inputs_;
    }

private:
    mutable std::mutex mutex_;
    RunInputs inputs_;
};

}  // namespace nuvelo::generation
