#include "generation/collecting_host.h"

#include <algorithm>

namespace nuvelo::generation {

void sortAndRenumber(std::vector<NameRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const NameRow& a, const NameRow& b) { return a.sortKey > b.sortKey; });
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].cells[0] = std::to_string(i + 1);
}

void CollectingHost::beginRun() {
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_ = true;
}
void CollectingHost::closeWaiting() {
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_ = false;
}
void CollectingHost::showPage(int) {}
void CollectingHost::setEnabled(RunControl, bool) {}
void CollectingHost::setClassicText(const std::string& text) {
    std::lock_guard<std::mutex> lock(mutex_);
    classic_ = text;
}
void CollectingHost::appendRows(ListId list, std::vector<NameRow> rows) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto& target = lists_[list];
    target.insert(target.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    ++appendCalls_;
}
void CollectingHost::finishList(ListId list) {
    std::lock_guard<std::mutex> lock(mutex_);
    sortAndRenumber(lists_[list]);
}
void CollectingHost::showMessage(const std::string& text, const std::string&, MessageIcon) {
    std::lock_guard<std::mutex> lock(mutex_);
    messages_.push_back(text);
}
bool CollectingHost::waitForMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    showMessage(text, title, icon);
    return true;
}
void CollectingHost::endRun() {
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_ = false;
    ended_ = true;
}
std::vector<NameRow> CollectingHost::rows(ListId list) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = lists_.find(list);
    return it == lists_.end() ? std::vector<NameRow>{} : it->second;
}
std::string CollectingHost::classicText() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return classic_;
}
std::vector<std::string> CollectingHost::messages() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return messages_;
}
bool CollectingHost::ended() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return ended_;
}
bool CollectingHost::waitingOpen() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return waiting_;
}
int CollectingHost::appendCalls() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return appendCalls_;
}

}  // namespace nuvelo::generation
