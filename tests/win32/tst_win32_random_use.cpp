// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A seeded random user on the Windows window under Wine: a few thousand events of real input
// (SendInput): clicks anywhere in the window, on every option button and list row, with and
// without Ctrl; Tab, Shift+Tab, arrows, Space, Home, End, Page Up and Page Down; typing into the
// text box. After every event the window's invariants (form/invariants.h) are checked, and
// another thread makes sure the window still answers. The seed is fixed, so every run makes the
// same user; a failure prints the seed and the events up to it. RANDOM_USE_SEED=<seed> runs
// another user (or replays one), RANDOM_USE_EVENTS=<count> changes its length,
// RANDOM_USE_VERBOSE=1 prints every event.

#define DOCTEST_CONFIG_IMPLEMENT
#include "../random_events.h"
#include "window_fixture.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

using form::Name;

namespace {

// Input messages taken from the queue by anyone on this thread, a modal loop included (a scroll
// bar's, while its button is down): the hook sees every one.
std::atomic<long> inputsTaken { 0 };

LRESULT CALLBACK countInput(int code, WPARAM removed, LPARAM message)
{
    if (code == HC_ACTION && removed == PM_REMOVE
        && WindowFixture::isInput(reinterpret_cast<MSG*>(message)->message))
        ++inputsTaken;
    return CallNextHookEx(nullptr, code, removed, message);
}

std::string env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Another thread, as Windows itself tells a window that no longer responds: after each event it
// sends the window a message and waits for the answer; and while one event runs for more than a
// minute it prints the events so far and ends the run, which would otherwise hang until CTest's
// time-out without a word.
class Watchdog {
public:
    Watchdog(HWND window, const std::vector<std::string>& events, std::uint64_t seed)
        : window_(window)
        , events_(events)
        , seed_(seed)
        , thread_([this] { watch(); })
    {
    }
    ~Watchdog()
    {
        stop_ = true;
        SetEvent(request_);
        thread_.join();
        CloseHandle(request_);
        CloseHandle(answered_);
    }

    void eventStarts(const std::string& what)
    {
        const std::lock_guard lock(mutex_);
        event_ = what;
        eventStart_ = GetTickCount64();
    }
    void eventEnds() { eventStart_ = 0; }

    // Whether the window answers a message sent from another thread within 20 seconds, time enough
    // on a busy machine. Its thread is this one: it takes the message while it waits here.
    bool windowResponds()
    {
        SetEvent(request_);
        for (;;) {
            const DWORD woke
                = MsgWaitForMultipleObjects(1, &answered_, FALSE, 30'000, QS_SENDMESSAGE);
            if (woke == WAIT_OBJECT_0)
                return responded_;
            if (woke != WAIT_OBJECT_0 + 1)
                return false;
            MSG message;
            PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }

private:
    void watch()
    {
        while (!stop_) {
            if (WaitForSingleObject(request_, 1000) == WAIT_OBJECT_0 && !stop_) {
                DWORD_PTR result = 0;
                responded_
                    = SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 20'000, &result)
                    != 0;
                SetEvent(answered_);
                continue;
            }
            const ULONGLONG started = eventStart_;
            if (started == 0 || GetTickCount64() - started < 60'000)
                continue;
            const std::lock_guard lock(mutex_);
            std::fprintf(stderr, "Events of seed %llu:\n", static_cast<unsigned long long>(seed_));
            for (std::size_t e = 0; e < events_.size(); ++e)
                std::fprintf(stderr, "%6zu  %s\n", e + 1, events_[e].c_str());
            std::fprintf(stderr,
                "%6zu  %s\nThe window has not finished event %zu for a minute. Seed %llu: replay "
                "with RANDOM_USE_SEED=%llu\n",
                events_.size() + 1, event_.c_str(), events_.size() + 1,
                static_cast<unsigned long long>(seed_), static_cast<unsigned long long>(seed_));
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 3);
        }
    }

    HWND window_;
    const std::vector<std::string>& events_;
    std::uint64_t seed_;
    HANDLE request_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE answered_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::atomic<bool> responded_ { false };
    std::atomic<bool> stop_ { false };
    std::atomic<ULONGLONG> eventStart_ { 0 };
    std::mutex mutex_;
    std::string event_; // the event that runs, from its start
    std::thread thread_;
};

// One user, its random choices drawn from one seeded generator, so that the same seed makes the
// same events on the same window.
class RandomUser {
public:
    RandomUser(WindowFixture& fixture, std::uint64_t seed)
        : fixture_(fixture)
        , random_(seed)
    {
    }

    // Told what each event is, as it starts.
    std::function<void(const std::string&)> starting;

    // Performs one random event, waits until the window has done with it, and describes it.
    std::string act()
    {
        switch (random_use::shareFor(random_use::events, pick(100))) {
        case random_use::Event::ClickAnywhere:
            return clickAnywhere();
        case random_use::Event::ClickOption1:
            return clickOption(Name::Option1, 4);
        case random_use::Event::ClickOption2:
            return clickOption(Name::Option2, 3);
        case random_use::Event::ClickRow:
            return clickRow();
        case random_use::Event::PressKey:
            return pressKey();
        case random_use::Event::Type:
            break;
        }
        return typeIntoTextBox();
    }

private:
    int pick(int count) { return static_cast<int>(random_() % static_cast<std::uint64_t>(count)); }
    bool chance(int percent) { return pick(100) < percent; }

    static INPUT keyInput(WORD vk, bool up, WCHAR unicode = 0)
    {
        INPUT input {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = unicode ? 0 : vk;
        input.ki.wScan = unicode;
        input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (unicode ? KEYEVENTF_UNICODE : 0);
        return input;
    }

    // Sends the inputs, waits until each has been taken from the queue, then until nothing is
    // left to do: what they caused has happened. Wine queues SendInput's events a little later,
    // more so on a busy machine; and the system drops a click that lands where no window takes
    // it (a list's border, say), so a queue left without input for a while is done too.
    void send(std::vector<INPUT> inputs, const std::string& what)
    {
        if (starting)
            starting(what);
        const long expected = inputsTaken + static_cast<long>(inputs.size());
        REQUIRE(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT))
            == inputs.size());
        const ULONGLONG giveUp = GetTickCount64() + 30'000;
        ULONGLONG emptySince = 0;
        while (inputsTaken < expected && GetTickCount64() < giveUp) {
            drain();
            if (HIWORD(GetQueueStatus(QS_INPUT)) != 0)
                emptySince = 0;
            else if (emptySince == 0)
                emptySince = GetTickCount64();
            else if (GetTickCount64() - emptySince > 300) {
                dropped_ += expected - inputsTaken;
                break;
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
        if (inputsTaken < expected && emptySince == 0)
            lost_ = inputsTaken - expected + static_cast<long>(inputs.size());
        drain();
    }

    void drain()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (fixture_.window.preTranslate(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    // A left click at a point of `hwnd`'s client area, with Ctrl held if asked.
    void click(HWND hwnd, POINT at, bool ctrl, const std::string& what)
    {
        ClientToScreen(hwnd, &at);
        const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
        const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
        const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
        std::vector<INPUT> inputs;
        if (ctrl)
            inputs.push_back(keyInput(VK_CONTROL, false));
        for (const DWORD button : { MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP }) {
            INPUT input {};
            input.type = INPUT_MOUSE;
            input.mi.dx = ((at.x - left) * 65536 + width - 1) / width;
            input.mi.dy = ((at.y - top) * 65536 + height - 1) / height;
            input.mi.dwFlags
                = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | button;
            inputs.push_back(input);
        }
        if (ctrl)
            inputs.push_back(keyInput(VK_CONTROL, true));
        send(inputs, what);
    }

    POINT anywhereIn(HWND hwnd)
    {
        RECT area;
        GetClientRect(hwnd, &area);
        return { pick(std::max<int>(area.right, 1)), pick(std::max<int>(area.bottom, 1)) };
    }

    static std::string at(POINT point)
    {
        return "(" + std::to_string(point.x) + ", " + std::to_string(point.y) + ")";
    }

    std::string clickAnywhere()
    {
        const POINT point = anywhereIn(fixture_.window.hwnd());
        const bool ctrl = chance(random_use::ctrlPercent);
        POINT onScreen = point;
        ClientToScreen(fixture_.window.hwnd(), &onScreen);
        const HWND target = WindowFromPoint(onScreen);
        wchar_t className[64] = L"";
        GetClassNameW(target, className, 64);
        const std::string what = std::string(ctrl ? "Ctrl+" : "") + "click window at " + at(point)
            + " on " + win32::utf8(className);
        click(fixture_.window.hwnd(), point, ctrl, what);
        return what;
    }

    std::string clickOption(Name group, int count)
    {
        const int index = pick(count);
        const HWND button = fixture_.control(group, index);
        const POINT point = anywhereIn(button);
        const bool ctrl = chance(random_use::ctrlPercent);
        const std::string what = std::string(ctrl ? "Ctrl+" : "") + "click "
            + (group == Name::Option1 ? "Option1(" : "Option2(") + std::to_string(index) + ") at "
            + at(point);
        click(button, point, ctrl, what);
        return what;
    }

    // A row of either list, scrolled into view first as the user would with the scroll bar; in
    // an empty list, its empty area.
    std::string clickRow()
    {
        const int index = pick(2);
        const HWND list = fixture_.control(Name::List1, index);
        const bool ctrl = chance(random_use::ctrlPercent);
        const std::string name = "List1(" + std::to_string(index) + ")";
        const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        if (count <= 0) {
            const POINT point = anywhereIn(list);
            const std::string what
                = std::string(ctrl ? "Ctrl+" : "") + "click empty " + name + " at " + at(point);
            click(list, point, ctrl, what);
            return what;
        }
        const int row = pick(count);
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
        drain();
        RECT item;
        SendMessageW(
            list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        const std::string text = WindowFixture::rows(list)[static_cast<std::size_t>(row)];
        const std::string what = std::string(ctrl ? "Ctrl+" : "") + "click " + name + " row "
            + std::to_string(row) + " (" + text + ")";
        click(list, { (item.left + item.right) / 2, (item.top + item.bottom) / 2 }, ctrl, what);
        return what;
    }

    std::string pressKey()
    {
        // As random_use::Key lists them.
        static constexpr WORD keys[] = { VK_TAB, VK_TAB, VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT,
            VK_SPACE, VK_HOME, VK_END, VK_PRIOR, VK_NEXT };
        static_assert(std::size(keys) == random_use::keyCount);
        const int which = pick(random_use::keyCount);
        const WORD vk = keys[which];
        const bool shift = static_cast<random_use::Key>(which) == random_use::Key::ShiftTab;
        const bool ctrl = !shift && chance(random_use::ctrlPercent);
        std::vector<INPUT> inputs;
        if (shift)
            inputs.push_back(keyInput(VK_SHIFT, false));
        if (ctrl)
            inputs.push_back(keyInput(VK_CONTROL, false));
        inputs.push_back(keyInput(vk, false));
        inputs.push_back(keyInput(vk, true));
        if (ctrl)
            inputs.push_back(keyInput(VK_CONTROL, true));
        if (shift)
            inputs.push_back(keyInput(VK_SHIFT, true));
        const std::string what = std::string("key ") + (ctrl ? "Ctrl+" : "")
            + random_use::keyNames[which] + " on " + focusName();
        send(inputs, what);
        return what;
    }

    std::string focusName() const
    {
        const std::optional<form::ControlId> focus = fixture_.window.focused();
        if (!focus)
            return "no control";
        for (const form::ControlRow& row : form::design) {
            if (row.name == focus->name && row.index == focus->index)
                return form::designName(row);
        }
        return "?";
    }

    // Clicks into the text box, then types a few keys: Latin and Cyrillic letters, digits,
    // Backspace, Delete, Enter, and the editing shortcuts.
    std::string typeIntoTextBox()
    {
        const HWND box = fixture_.control(Name::Text1, 0);
        const POINT point = anywhereIn(box);
        const std::string clicked = "click text box at " + at(point);
        click(box, point, false, clicked);
        std::string typed;
        std::vector<INPUT> inputs;
        const int count = 1 + pick(random_use::mostTyped);
        for (int i = 0; i < count; ++i) {
            const random_use::Typed what = random_use::shareFor(random_use::typed, pick(10));
            if (what == random_use::Typed::Latin) {
                const auto letter = static_cast<WORD>('A' + pick(26));
                inputs.push_back(keyInput(letter, false));
                inputs.push_back(keyInput(letter, true));
                typed += static_cast<char>(letter - 'A' + 'a');
            } else if (what == random_use::Typed::Cyrillic) {
                const auto letter = static_cast<WCHAR>(L'а' + pick(32));
                inputs.push_back(keyInput(0, false, letter));
                inputs.push_back(keyInput(0, true, letter));
                typed += win32::utf8(std::wstring(1, letter));
            } else if (what == random_use::Typed::Digit) {
                const auto digit = static_cast<WORD>('0' + pick(10));
                inputs.push_back(keyInput(digit, false));
                inputs.push_back(keyInput(digit, true));
                typed += static_cast<char>(digit);
            } else {
                // As random_use::editingKeys lists them.
                struct Editing {
                    WORD vk;
                    bool ctrl;
                };
                static constexpr Editing editing[]
                    = { { VK_BACK, false }, { VK_DELETE, false }, { VK_RETURN, false },
                          { 'A', true }, { 'X', true }, { 'V', true }, { 'Z', true } };
                static_assert(std::size(editing) == std::size(random_use::editingKeys));
                const int which = pick(static_cast<int>(std::size(editing)));
                const Editing& key = editing[which];
                if (key.ctrl)
                    inputs.push_back(keyInput(VK_CONTROL, false));
                inputs.push_back(keyInput(key.vk, false));
                inputs.push_back(keyInput(key.vk, true));
                if (key.ctrl)
                    inputs.push_back(keyInput(VK_CONTROL, true));
                typed += std::string("[") + random_use::editingKeys[which] + "]";
            }
        }
        const std::string what = clicked + ", type \"" + typed + "\"";
        send(inputs, what);
        return what;
    }

    WindowFixture& fixture_;
    std::mt19937_64 random_;

public:
    // Of the last event whose inputs did not all come through the queue, how many did; -1 while
    // all did.
    long lost_ = -1;
    long dropped_ = 0; // inputs the system dropped
};

} // namespace

TEST_CASE_FIXTURE(WindowFixture, "a random user keeps the window's invariants")
{
    std::uint64_t seed = random_use::seed;
    if (const std::string given = env("RANDOM_USE_SEED"); !given.empty())
        seed = std::strtoull(given.c_str(), nullptr, 10);
    int count = random_use::windowsEvents;
    if (const std::string given = env("RANDOM_USE_EVENTS"); !given.empty())
        count = std::max(1, std::atoi(given.c_str()));
    const bool verbose = !env("RANDOM_USE_VERBOSE").empty();
    std::printf("seed %llu, %d events; replay with RANDOM_USE_SEED=%llu\n",
        static_cast<unsigned long long>(seed), count, static_cast<unsigned long long>(seed));
    std::fflush(stdout);

    const HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, countInput, nullptr, GetCurrentThreadId());
    REQUIRE(hook != nullptr);
    REQUIRE(form::brokenInvariant(window, window, window.logic()) == "");

    std::vector<std::string> events;
    events.reserve(static_cast<std::size_t>(count));
    Watchdog watchdog(window.hwnd(), events, seed);
    RandomUser user(*this, seed);
    user.starting = [&watchdog](const std::string& what) { watchdog.eventStarts(what); };
    for (int n = 0; n < count; ++n) {
        const long droppedBefore = user.dropped_;
        events.push_back(user.act());
        if (user.dropped_ > droppedBefore)
            events.back()
                += " (" + std::to_string(user.dropped_ - droppedBefore) + " inputs dropped)";
        watchdog.eventEnds();
        // A click on a time opens «Измервания» with the focus; the user closes it and comes back.
        if (const HWND measurements = window.measurements();
            measurements && IsWindowVisible(measurements)) {
            SendMessageW(measurements, WM_CLOSE, 0, 0);
            SetForegroundWindow(window.hwnd());
            pump();
        }
        if (verbose)
            std::fprintf(stderr, "%6d  %s\n", n + 1, events.back().c_str());
        std::string broken;
        if (user.lost_ >= 0)
            broken = "only " + std::to_string(user.lost_) + " of its inputs reached the window";
        else if (!IsWindow(window.hwnd()) || !watchdog.windowResponds())
            broken = "the window does not respond";
        else
            broken = form::brokenInvariant(window, window, window.logic());
        if (broken.empty())
            continue;
        std::fprintf(stderr, "Events of seed %llu, up to the failure:\n",
            static_cast<unsigned long long>(seed));
        for (std::size_t e = 0; e < events.size(); ++e)
            std::fprintf(stderr, "%6zu  %s\n", e + 1, events[e].c_str());
        FAIL("after event " << n + 1 << " (" << events.back() << "): " << broken << ". Seed "
                            << seed << ": replay with RANDOM_USE_SEED=" << seed);
    }
    std::printf("%ld inputs dropped by the system\n", user.dropped_);
    UnhookWindowsHookEx(hook);
}

int wmain(int argc, wchar_t** argv) { return runDoctest(argc, argv); }
