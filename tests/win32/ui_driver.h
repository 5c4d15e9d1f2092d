#pragma once
// Drives the program's windows the way a user would, from a thread timer. The timer fires
// inside whichever message loop is running (the windows' own loops, a message box's), so
// a test starts an operation that opens a window, and the driver's steps, one after the
// other, wait for that window and act on it with messages.

#include <windows.h>

#include <deque>
#include <functional>
#include <string>

class UiDriver {
public:
    // Fails the test and closes every window of the thread when a step waits longer.
    explicit UiDriver(DWORD stepTimeoutMs = 8000);
    ~UiDriver();
    UiDriver(const UiDriver&) = delete;
    UiDriver& operator=(const UiDriver&) = delete;

    // Waits for a visible top-level window of the class, then runs the action on it.
    UiDriver& When(const char* className, std::function<void(HWND)> action);
    // Waits for a top-level window of the class in any process (a program the shell
    // started) whose title begins with the prefix, then runs the action on it.
    UiDriver& WhenAnyProcess(const char* className, const char* titlePrefix,
                             std::function<void(HWND)> action);
    // Waits for a visible, enabled top-level window of the class whose title is exactly
    // `title`: dialogs and message boxes share the class "#32770".
    UiDriver& WhenTitled(const char* className, const char* title, std::function<void(HWND)> action);
    // Waits for a message box, answers it with the button id and records caption and text.
    UiDriver& AnswerBox(int button);
    // The same for the message box with this caption only.
    UiDriver& AnswerBoxTitled(const char* caption, int button);
    // Waits until no visible window of the class is left in this thread, then runs the action.
    UiDriver& WhenGone(const char* className, std::function<void()> action);
    // Waits until the condition holds, then runs the action.
    UiDriver& WhenTrue(std::function<bool()> condition, std::function<void()> action);
    // Runs an action at the next tick, without waiting for anything.
    UiDriver& Then(std::function<void()> action);

    bool Finished() const { return steps_.empty(); }

    struct Box {
        std::string caption;
        std::string text;
    };
    std::deque<Box> boxes;  // the message boxes answered, in order

private:
    struct Step {
        std::string className;  // empty: run at once
        std::function<void(HWND)> action;
        bool anyProcess = false;
        std::string titlePrefix = {};
        bool titled = false;  // in this thread, with exactly titlePrefix as its title
        bool gone = false;    // waits for the class to have no window left
        std::function<bool()> condition = {};  // waits for it to hold
    };
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void OnTick();
    // Fails the test and closes every window of the thread until the test goes on.
    void Rescue(const std::string& why);

    std::deque<Step> steps_;
    UINT_PTR timer_ = 0;
    DWORD stepTimeout_;
    DWORD waitingSince_ = 0;
    bool rescuing_ = false;  // a step timed out: every window of the thread is being closed
};

// The top-level window of a class owned by this thread, or nullptr.
HWND FindThreadWindow(const char* className);
// The same, with exactly this title and enabled.
HWND FindThreadWindow(const char* className, const char* title);
// A top-level window of any process with the class and a title that begins with the prefix.
HWND FindAnyWindow(const char* className, const char* titlePrefix);

// A click on a control, as the control itself reports it to its parent.
void Click(HWND window, int id);
// A real click of the mouse in the middle of the control, through the system's input queue:
// it reaches the control when the thread next reads its input, as a teacher's click does.
void RealClick(HWND control);
// A real click, or a real double click, in the middle of a line (from 1) of a list box.
void RealClickListLine(HWND list, int line);
void RealDoubleClickListLine(HWND list, int line);
// Keys typed into a control, one WM_CHAR each, posted as they come from the keyboard.
void PostTyping(HWND control, const std::string& text);
// A real click on a point of the window itself (not on one of its controls) that no other
// window covers, as a teacher clicks a window to bring it forward; false when none shows.
bool RealClickOnVisiblePart(HWND window);
// The number of visible top-level windows of the class in this thread.
int CountThreadWindows(const char* className, const char* title = nullptr);
void DoubleClickList(HWND window, int id);
std::string TextOf(HWND window);
// Expects the window's screen rectangle to be at (x, y) with this outer size.
void ExpectPlacedAt(HWND window, int x, int y, int width, int height);
std::string ItemTextOf(HWND window, int id);
// Whether anything but the colour `background` shows in a rectangle of the window's client area.
bool SomethingDrawnIn(HWND window, RECT area, COLORREF background);

