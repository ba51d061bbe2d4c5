// CollectingHost: a RunHost that keeps everything a run shows, for the
// command line, tests and benchmarks. Lists are sorted and renumbered by
// finishList exactly as the window's lists are. Thread-safe.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "generation/run_host.h"

namespace nuvelo::generation {

// Sorts rows by sort key, highest first, keeping the order of equal keys,
// and renumbers 编号 from 1.
void sortAndRenumber(std::vector<NameRow>& rows);

class CollectingHost : public RunHost {
public:
    void beginRun() override;
    void closeWaiting() override;
    void showPage(int page) override;
    void showPoemResultPage() override {}
    void setEnabled(RunControl control, bool enabled) override;
    void setClassicText(const std::string& text) override;
    void appendRows(ListId list, std::vector<NameRow> rows) override;
    void finishList(ListId list) override;
    void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    bool waitForMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    void endRun() override;

    std::vector<NameRow> rows(ListId list) const;
    std::string classicText() const;
    std::vector<std::string> messages() const;
    bool ended() const;
    bool waitingOpen() const;
    int appendCalls() const;

private:
    mutable std::mutex mutex_;
    std::map<ListId, std::vector<NameRow>> lists_;
    std::string classic_;
    std::vector<std::string> messages_;
    bool ended_ = false;
    bool waiting_ = false;
    int appendCalls_ = 0;
};

}  // namespace nuvelo::generation
