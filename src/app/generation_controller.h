// GenerationController: runs the generation modes for the main window.
//
// It owns the one worker object and starts generationRun on it with a
// snapshot of the window's inputs. What the run hands over arrives here as
// queued calls on the window thread; each carries the number of the run it
// came from, and calls of a run that has since been stopped or replaced are
// dropped, so a cleared list never shows a row of an earlier run.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "generation/run_host.h"
#include "generation/run_inputs.h"
#include "refdata/name_db.h"
#include "worker/generation_worker.h"

namespace nuvelo::app {

// What the window offers a run. Window thread only.
class RunView {
public:
    virtual ~RunView() = default;
    virtual void runBegan() = 0;  // waiting window shown, toolbar 0 and 模式选择 disabled
    virtual void closeWaiting() = 0;
    virtual void showPage(int page) = 0;
    virtual void showPoemResultPage() = 0;
    virtual void setRunControlEnabled(generation::RunControl control, bool enabled) = 0;
    virtual void setClassicText(const std::string& gbk) = 0;
    virtual void appendRows(generation::ListId list, std::vector<generation::NameRow> rows) = 0;
    virtual void finishList(generation::ListId list) = 0;
    virtual void showRunMessage(const std::string& text, const std::string& title, generation::MessageIcon icon) = 0;
    virtual void runEnded() = 0;  // step 9 of the run
};

class GenerationController : public QObject {
    Q_OBJECT
public:
    GenerationController(refdata::NameDb& db, RunView& view, QObject* parent = nullptr);
    ~GenerationController() override;

    // Stops a run in progress, then starts one with these inputs.
    void start(const generation::RunInputs& inputs);
    // Ends the run in progress (its later hand-overs are dropped).
    void stop();
    void pause();
    // New inputs (re-read after the pause) and continue.
    void resume(const generation::RunInputs& inputs);
    bool isRunning() const { return worker_.isRunning(); }

private:
    friend class WindowRunHost;
    // Runs `work` on the window thread if run `run` is still the current one.
    void post(unsigned run, std::function<void(RunView&)> work);
    bool isCurrent(unsigned run) const { return run == current_.load(); }

    refdata::NameDb& db_;
    RunView& view_;
    worker::线程操作类 worker_;
    generation::SharedRunInputs inputs_;
    std::atomic<unsigned> current_{0};
};

}  // namespace nuvelo::app
