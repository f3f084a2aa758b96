// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Windows window, shown and in front, driven as a person drives it: the mouse and the keys
// through SendInput, into the window's own message handling. Results are read back from the
// controls themselves.

#include "main_window.h"
#include "wide_text.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

class WindowFixture {
public:
    WindowFixture()
        : window(GetModuleHandleW(nullptr))
    {
        window.show(SW_SHOWNORMAL);
        SetForegroundWindow(window.hwnd());
        pump();
        REQUIRE(GetForegroundWindow() == window.hwnd());
    }

    HWND control(form::Name name, int index = 0) const
    {
        const HWND hwnd = window.control(name, index);
        REQUIRE(hwnd != nullptr);
        return hwnd;
    }

    // Runs the window's messages until none has come for a while: what input causes is done.
    void pump()
    {
        for (int quiet = 0; quiet < 3;) {
            MSG message;
            bool any = false;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                any = true;
                if (isInput(message.message))
                    ++inputsSeen_;
                if (window.preTranslate(message))
                    continue;
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            if (any)
                quiet = 0;
            else {
                ++quiet;
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            }
        }
    }

    // A left click at a point of a control's client area (its centre by default).
    void click(HWND hwnd, POINT at = { -1, -1 })
    {
        if (at.x < 0) {
            RECT area;
            GetClientRect(hwnd, &area);
            at = { area.right / 2, area.bottom / 2 };
        }
        ClientToScreen(hwnd, &at);
        // The point travels with the events themselves rather than being set apart with
        // SetCursorPos, so the button goes down where it is aimed whatever the pointer did before.
        const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
        const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
        const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
        INPUT inputs[2] {};
        for (INPUT& input : inputs) {
            input.type = INPUT_MOUSE;
            input.mi.dx = ((at.x - left) * 65536 + width - 1) / width;
            input.mi.dy = ((at.y - top) * 65536 + height - 1) / height;
            input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
        }
        inputs[0].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
        inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
        send(inputs);
    }

    // A key pressed and released, with Shift held if asked.
    void key(WORD virtualKey, bool shift = false)
    {
        std::vector<INPUT> inputs;
        const auto add = [&](WORD vk, bool up) {
            INPUT input {};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = vk;
            input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            inputs.push_back(input);
        };
        if (shift)
            add(VK_SHIFT, false);
        add(virtualKey, false);
        add(virtualKey, true);
        if (shift)
            add(VK_SHIFT, true);
        send(inputs);
    }

    // A key pressed and released with `modifier` (VK_CONTROL, VK_MENU for Alt) held.
    void keyWith(WORD modifier, WORD virtualKey)
    {
        INPUT inputs[4] {};
        const WORD keys[] = { modifier, virtualKey, virtualKey, modifier };
        for (int i = 0; i < 4; ++i) {
            inputs[i].type = INPUT_KEYBOARD;
            inputs[i].ki.wVk = keys[i];
            inputs[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
        }
        send(inputs);
    }

    void clickRow(HWND list, int row)
    {
        RECT item;
        REQUIRE(SendMessageW(
                    list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item))
            != LB_ERR);
        click(list, { (item.left + item.right) / 2, (item.top + item.bottom) / 2 });
    }

    static std::string text(HWND hwnd)
    {
        std::wstring value(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
        value.resize(static_cast<std::size_t>(
            GetWindowTextW(hwnd, value.data(), static_cast<int>(value.size()))));
        return win32::utf8(value);
    }

    static std::vector<std::string> rows(HWND list)
    {
        std::vector<std::string> values;
        const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT row = 0; row < count; ++row) {
            std::wstring value(
                static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)) + 1, L'\0');
            value.resize(static_cast<std::size_t>(
                SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(value.data()))));
            values.push_back(win32::utf8(value));
        }
        return values;
    }

    static int selectedRow(HWND list)
    {
        return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
    }

    static bool checked(HWND button)
    {
        return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    win32::MainWindow window;

    // A button or key going down or up, as SendInput delivers it.
    static bool isInput(UINT message)
    {
        return (message >= WM_KEYFIRST && message <= WM_KEYLAST && message != WM_CHAR
                   && message != WM_SYSCHAR && message != WM_DEADCHAR && message != WM_SYSDEADCHAR
                   && message != WM_UNICHAR)
            || (message >= WM_LBUTTONDOWN && message <= WM_MOUSELAST && message != WM_MOUSEWHEEL
                && message != WM_MOUSEHWHEEL)
            || (message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK);
    }

private:
    // Wine delivers SendInput's events a little later, more so on a busy machine: wait until
    // each has come through the queue, then for what they caused.
    template <typename Inputs> void send(Inputs& inputs)
    {
        const auto count = static_cast<UINT>(std::size(inputs));
        const long expected = inputsSeen_ + static_cast<long>(count);
        REQUIRE(SendInput(count, std::data(inputs), sizeof(INPUT)) == count);
        const ULONGLONG giveUp = GetTickCount64() + 10'000;
        while (inputsSeen_ < expected && GetTickCount64() < giveUp)
            pump();
        REQUIRE(inputsSeen_ >= expected);
    }

    long inputsSeen_ = 0;
};

// -municode: the entry point of each test program is wmain. doctest takes its arguments as UTF-8.
inline int runDoctest(int argc, wchar_t** argv)
{
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(win32::utf8(argv[i]));
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments)
        pointers.push_back(argument.c_str());
    doctest::Context context(argc, pointers.data());
    return context.run();
}
