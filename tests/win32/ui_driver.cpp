#include "tests/win32/ui_driver.h"

#include <gtest/gtest.h>

namespace {

UiDriver* g_driver = nullptr;

struct FindRequest {
    const char* className;
    HWND found;
    const char* title = nullptr;  // any title when null
};

BOOL CALLBACK FindInThread(HWND window, LPARAM param) {
    auto* request = reinterpret_cast<FindRequest*>(param);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    // A titled window must also take input: a dialog under a message box that it owns does not.
    if (lstrcmpA(name, request->className) == 0 && IsWindowVisible(window) &&
        (request->title == nullptr || (TextOf(window) == request->title && IsWindowEnabled(window)))) {
        request->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CloseInThread(HWND window, LPARAM) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32770") == 0) {
        // No first: a question about unsaved changes then lets its dialog close.
        PostMessageA(window, WM_COMMAND, IDNO, 0);
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    } else {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

struct TitledRequest {
    const char* className;
    const char* titlePrefix;
    HWND found;
};

BOOL CALLBACK FindTitled(HWND window, LPARAM param) {
    auto* request = reinterpret_cast<TitledRequest*>(param);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, request->className) == 0 &&
        TextOf(window).rfind(request->titlePrefix, 0) == 0) {
        request->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindAnyWindow(const char* className, const char* titlePrefix) {
    TitledRequest request{className, titlePrefix, nullptr};
    EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&request));
    return request.found;
}

HWND FindThreadWindow(const char* className) { return FindThreadWindow(className, nullptr); }

HWND FindThreadWindow(const char* className, const char* title) {
    FindRequest request{className, nullptr, title};
    EnumThreadWindows(GetCurrentThreadId(), FindInThread, reinterpret_cast<LPARAM>(&request));
    return request.found;
}

void Click(HWND window, int id) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

namespace {

// A click of the left button at a point of the screen. Each click carries its own place:
// several clicks may wait in the input queue at once.
void ClickScreenPoint(POINT p) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input[3] = {};
    for (INPUT& event : input) {
        event.type = INPUT_MOUSE;
        event.mi.dx = MulDiv(p.x, 65535, width - 1);
        event.mi.dy = MulDiv(p.y, 65535, height - 1);
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, input, sizeof(INPUT));
}

}  // namespace

void RealClick(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    ClickScreenPoint(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

namespace {

POINT ListLineCentre(HWND list, int line) {
    RECT r = {};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(line - 1), reinterpret_cast<LPARAM>(&r));
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(list, &p);
    return p;
}

}  // namespace

void RealClickListLine(HWND list, int line) { ClickScreenPoint(ListLineCentre(list, line)); }

void RealDoubleClickListLine(HWND list, int line) {
    // Two clicks on the same point, well within the double-click time.
    const POINT p = ListLineCentre(list, line);
    ClickScreenPoint(p);
    ClickScreenPoint(p);
}

void PostTyping(HWND control, const std::string& text) {
    for (char c : text) PostMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
}

bool RealClickOnVisiblePart(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    for (LONG y = r.top + 2; y < r.bottom; y += 4) {
        for (LONG x = r.right - 2; x > r.left; x -= 4) {
            if (WindowFromPoint(POINT{x, y}) != window) continue;
            ClickScreenPoint(POINT{x, y});
            return true;
        }
    }
    return false;
}

int CountThreadWindows(const char* className, const char* title) {
    struct Count {
        const char* className;
        const char* title;
        int n;
    } count{className, title, 0};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            auto* c = reinterpret_cast<Count*>(p);
            char name[64] = {};
            GetClassNameA(w, name, sizeof name);
            if (lstrcmpA(name, c->className) == 0 && IsWindowVisible(w) && (c->title == nullptr || TextOf(w) == c->title)) {
                ++c->n;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.n;
}

void DoubleClickList(HWND window, int id) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void ExpectPlacedAt(HWND window, int x, int y, int width, int height) {
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, x) << TextOf(window);
    EXPECT_EQ(r.top, y) << TextOf(window);
    EXPECT_EQ(r.right - r.left, width) << TextOf(window);
    EXPECT_EQ(r.bottom - r.top, height) << TextOf(window);
}

std::string ItemTextOf(HWND window, int id) { return TextOf(GetDlgItem(window, id)); }

bool SomethingDrawnIn(HWND window, RECT area, COLORREF background) {
    HDC dc = GetDC(window);
    bool drawn = false;
    for (LONG y = area.top; y < area.bottom && !drawn; ++y) {
        for (LONG x = area.left; x < area.right && !drawn; ++x) drawn = GetPixel(dc, x, y) != background;
    }
    ReleaseDC(window, dc);
    return drawn;
}

UiDriver::UiDriver(DWORD stepTimeoutMs) : stepTimeout_(stepTimeoutMs) {
    g_driver = this;
    timer_ = SetTimer(nullptr, 0, 25, Tick);
    waitingSince_ = GetTickCount();
}

UiDriver::~UiDriver() {
    KillTimer(nullptr, timer_);
    g_driver = nullptr;
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " driver steps never ran; the first waits for "
                                << (steps_.empty() ? "" : steps_.front().className);
}

UiDriver& UiDriver::When(const char* className, std::function<void(HWND)> action) {
    steps_.push_back({className, std::move(action), false, {}});
    return *this;
}

UiDriver& UiDriver::WhenAnyProcess(const char* className, const char* titlePrefix,
                                   std::function<void(HWND)> action) {
    steps_.push_back({className, std::move(action), true, titlePrefix});
    return *this;
}

UiDriver& UiDriver::WhenTitled(const char* className, const char* title, std::function<void(HWND)> action) {
    Step step{className, std::move(action), false, title};
    step.titled = true;
    steps_.push_back(std::move(step));
    return *this;
}

UiDriver& UiDriver::AnswerBox(int button) {
    return When("#32770", [this, button](HWND box) {
        boxes.push_back({TextOf(box), ItemTextOf(box, 0xFFFF)});
        PostMessageA(box, WM_COMMAND, button, 0);
    });
}

UiDriver& UiDriver::AnswerBoxTitled(const char* caption, int button) {
    return WhenTitled("#32770", caption, [this, button](HWND box) {
        boxes.push_back({TextOf(box), ItemTextOf(box, 0xFFFF)});
        PostMessageA(box, WM_COMMAND, button, 0);
    });
}

UiDriver& UiDriver::WhenGone(const char* className, std::function<void()> action) {
    Step step{className, [action](HWND) { action(); }, false, {}};
    step.gone = true;
    steps_.push_back(std::move(step));
    return *this;
}

UiDriver& UiDriver::WhenTrue(std::function<bool()> condition, std::function<void()> action) {
    Step step{"", [action](HWND) { action(); }, false, {}};
    step.condition = std::move(condition);
    steps_.push_back(std::move(step));
    return *this;
}

UiDriver& UiDriver::Then(std::function<void()> action) {
    steps_.push_back({"", [action](HWND) { action(); }, false, {}});
    return *this;
}

void CALLBACK UiDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_driver) g_driver->OnTick();
}

void UiDriver::OnTick() {
    if (rescuing_) {
        // Closing a window may open a question: keep closing until the test goes on.
        if (GetTickCount() - waitingSince_ > 200) {
            waitingSince_ = GetTickCount();
            EnumThreadWindows(GetCurrentThreadId(), CloseInThread, 0);
        }
        return;
    }
    if (steps_.empty()) {
        // A message box that no step answers would wait for a click for ever.
        if (FindThreadWindow("#32770") == nullptr) {
            waitingSince_ = GetTickCount();
        } else if (GetTickCount() - waitingSince_ > stepTimeout_) {
            Rescue("a message box or dialog was left open with no step to answer it");
        }
        return;
    }
    const Step& step = steps_.front();
    HWND window = nullptr;
    if (step.condition && !step.condition()) {
        if (GetTickCount() - waitingSince_ > stepTimeout_) Rescue("timed out waiting for a condition");
        return;
    }
    if (step.gone) {
        if (FindThreadWindow(step.className.c_str()) != nullptr) {
            if (GetTickCount() - waitingSince_ > stepTimeout_) {
                Rescue("timed out waiting for the windows of class " + step.className + " to go");
            }
            return;
        }
    } else if (!step.className.empty()) {
        window = step.anyProcess ? FindAnyWindow(step.className.c_str(), step.titlePrefix.c_str())
                 : step.titled   ? FindThreadWindow(step.className.c_str(), step.titlePrefix.c_str())
                                 : FindThreadWindow(step.className.c_str());
        if (window == nullptr) {
            if (GetTickCount() - waitingSince_ > stepTimeout_) {
                Rescue("timed out waiting for a window of class " + step.className);
            }
            return;
        }
    }
    // Taken off the queue before it runs: an action may open a window whose loop fires
    // this timer again for the following steps.
    Step current = steps_.front();
    steps_.pop_front();
    waitingSince_ = GetTickCount();
    current.action(window);
}

void UiDriver::Rescue(const std::string& why) {
    ADD_FAILURE() << why;
    steps_.clear();
    rescuing_ = true;
    waitingSince_ = GetTickCount();
    EnumThreadWindows(GetCurrentThreadId(), CloseInThread, 0);
}

