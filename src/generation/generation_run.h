// GenerationRun: the one routine every generation mode runs on the worker.
#pragma once

#include "generation/run_host.h"
#include "generation/run_inputs.h"
#include "refdata/name_db.h"
#include "worker/worker_control.h"

namespace nuvelo::generation {

// Messages of a run (GBK).
extern const char* const kNeedSurname;        // "请输入姓氏"
extern const char* const kOneCharNameNotice;  // "一字名数理得分较低,所以软件自动降低评分标准!"
extern const char* const kGenerationCharNotice;  // "设定辈份后,产生的名字较少,所以系统将显示全部名字"
extern const char* const kNoticeTitle;        // "提示"
// Shown instead of a list when the combination pool exceeds kCombinationLimit.
extern const char* const kTooManyCombinationChars;

// Runs the mode of `inputs` start to end: waiting window, preparation,
// candidates, listing, end of run. Returns early, making no further host
// call, once `control` reports a stop. `control` may be null (no worker).
void generationRun(const SharedRunInputs& inputs, refdata::NameDb& db, RunHost& host,
                   worker::WorkerControl* control);

// Minimum score of the super-auspicious listing for the surname's 天格
// luck word: 100 大吉/吉, 99 中, 98 凶, 96 大凶, 0 otherwise.
int superMinimum(const std::string& tianLuck);

}  // namespace nuvelo::generation
