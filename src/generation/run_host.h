// RunHost: how a generation run shows its progress and results.
//
// The window implements it. Every call comes from the worker thread and must
// return without waiting for the window thread (hand the work over as a
// queued call), except waitForMessage, which blocks the run until the user
// closed the message or the run is stopped. Calls after a stop are never
// made, and the window ignores what an earlier, stopped run handed over.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "generation/run_inputs.h"

namespace nuvelo::generation {

// A row of a name list: eight cells (编号 姓名 简体笔划 繁体笔划 五行 五格
// 三才 评分; the English list uses the first four: 编号 英文名 中文读音 相关含义)
// and the integer it sorts by (the score).
struct NameRow {
    std::array<std::string, 8> cells;  // GBK
    int sortKey = 0;
};

enum class ListId { HighScore, Super, Poetry, Combination, Nickname, English };

// Controls whose enabled state a run changes.
enum class RunControl {
    HighPause, Regenerate, HighExport,         // page 1
    SuperGenerate, SuperPause, SuperExport,    // page 9
};

enum class MessageIcon { None, Information, Warning };

class RunHost {
public:
    virtual ~RunHost() = default;
    // Shows the waiting window; disables toolbar button 0 and "模式选择".
    virtual void beginRun() = 0;
    virtual void closeWaiting() = 0;
    virtual void showPage(int page) = 0;          // page of 高级选择夹1
    virtual void showPoemResultPage() = 0;        // page "生成名字" of the poem picker
    virtual void setEnabled(RunControl control, bool enabled) = 0;
    virtual void setClassicText(const std::string& text) = 0;
    virtual void appendRows(ListId list, std::vector<NameRow> rows) = 0;
    // Sorts the list by sort key, highest first, stably, and renumbers 编号.
    virtual void finishList(ListId list) = 0;
    // Shows a message and returns at once.
    virtual void showMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // Shows a modal message; returns when it was closed (true) or when
    // the run has been stopped meanwhile (false).
    virtual bool waitForMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // End of the run: closes the waiting window, enables toolbar button 0,
    // "模式选择", 按钮_高分导出 and the mode radio buttons.
    virtual void endRun() = 0;
};

}  // namespace nuvelo::generation
