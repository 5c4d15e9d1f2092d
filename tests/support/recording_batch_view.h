#pragma once
// The batch view of a test: keeps what the main window would show.

#include <map>
#include <string>
#include <vector>

#include "shell/batch.h"

class RecordingBatchView final : public BatchView {
public:
    RecordingBatchView() { SetBatchView(this); }
    ~RecordingBatchView() override { SetBatchView(nullptr); }

    std::vector<std::string> lines;
    int selected = 0;
    std::map<BatchButton, bool> enabled;
    std::map<BatchButton, bool> shown;
    bool menuEnabled = false;
    std::string title;

    void ClearList() override {
        lines.clear();
        selected = 0;
    }
    void AddListLine(const std::string& line) override { lines.push_back(line); }
    void SelectListLine(int position) override {
        selected = position >= 1 && position <= int(lines.size()) ? position : 0;
    }
    int SelectedListLine() override { return selected; }
    void EnableButton(BatchButton button, bool on) override { enabled[button] = on; }
    void ShowButton(BatchButton button, bool on) override { shown[button] = on; }
    void EnableBatchMenu(bool on) override { menuEnabled = on; }
    void SetTitle(const std::string& text) override { title = text; }

    bool Usable(BatchButton button) const {
        auto e = enabled.find(button);
        auto s = shown.find(button);
        return e != enabled.end() && e->second && (s == shown.end() || s->second);
    }
    bool Hidden(BatchButton button) const {
        auto s = shown.find(button);
        return s != shown.end() && !s->second;
    }
};
