#include "app/generation_controller.h"

#include <QPointer>

#include "generation/generation_run.h"
#include "platform/queued_call.h"

namespace nuvelo::app {

using namespace generation;

// The run's side: every call becomes a queued call on the window thread.
class WindowRunHost : public RunHost {
public:
    WindowRunHost(GenerationController& c, unsigned run, worker::WorkerControl& control)
        : c_(c), run_(run), control_(control) {}

    void beginRun() override {
        c_.post(run_, [](RunView& v) { v.runBegan(); });
    }
    void closeWaiting() override {
        c_.post(run_, [](RunView& v) { v.closeWaiting(); });
    }
    void showPage(int page) override {
        c_.post(run_, [page](RunView& v) { v.showPage(page); });
    }
    void showPoemResultPage() override {
        c_.post(run_, [](RunView& v) { v.showPoemResultPage(); });
    }
    void setEnabled(RunControl control, bool on) override {
        c_.post(run_, [control, on](RunView& v) { v.setRunControlEnabled(control, on); });
    }
    void setClassicText(const std::string& text) override {
        c_.post(run_, [text](RunView& v) { v.setClassicText(text); });
    }
    void appendRows(ListId list, std::vector<NameRow> rows) override {
        auto shared = std::make_shared<std::vector<NameRow>>(std::move(rows));
        c_.post(run_, [list, shared](RunView& v) { v.appendRows(list, std::move(*shared)); });
    }
    void finishList(ListId list) override {
        c_.post(run_, [list](RunView& v) { v.finishList(list); });
    }
    void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        c_.post(run_, [=](RunView& v) { v.showRunMessage(text, title, icon); });
    }
    bool waitForMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        auto closed = std::make_shared<std::atomic<bool>>(false);
        worker::WorkerControl* control = &control_;
        c_.post(run_, [=](RunView& v) {
            v.showRunMessage(text, title, icon);
            closed->store(true);
            control->notify();
        });
        return control_.waitFor([closed] { return closed->load(); });
    }
    void endRun() override {
        c_.post(run_, [](RunView& v) { v.runEnded(); });
    }

private:
    GenerationController& c_;
    unsigned run_;
    worker::WorkerControl& control_;
};

GenerationController::GenerationController(refdata::NameDb& db, RunView& view, QObject* parent)
    : QObject(parent), db_(db), view_(view) {}

GenerationController::~GenerationController() {
    stop();
}

void GenerationController::post(unsigned run, std::function<void(RunView&)> work) {
    QPointer<GenerationController> self(this);
    platform::postQueued(this, [self, run, work = std::move(work)] {
        if (self && self->isCurrent(run)) work(self->view_);
    });
}

void GenerationController::start(const RunInputs& inputs) {
    stop();
    inputs_.set(inputs);
    unsigned run = ++current_;
    worker_.startWorker([this, run](worker::WorkerControl& control, int) {
        WindowRunHost host(*this, run, control);
        generationRun(inputs_, db_, host, &control);
    });
}

void GenerationController::stop() {
    ++current_;  // whatever the stopped run handed over is dropped
    worker_.stopWorker();
}

void GenerationController::pause() {
    worker_.pauseWorker();
}

void GenerationController::resume(const RunInputs& inputs) {
    inputs_.set(inputs);
    worker_.resumeWorker();
}

}  // namespace nuvelo::app
