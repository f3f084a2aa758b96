// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What screen readers (NVDA, Narrator) learn about the controls beyond what Windows gives them:
// names, descriptions and roles set through MSAA's IAccPropServices ("dynamic annotation"), and
// an announcement of a result that changes away from the focus.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

struct IAccPropServices;

namespace win32 {

class Annotations {
public:
    Annotations();
    ~Annotations();
    Annotations(const Annotations&) = delete;
    Annotations& operator=(const Annotations&) = delete;

    // Where the system has no annotation service (part of Wine's oleacc), these do nothing:
    // the window's own texts and the heading before each control in z-order still name them.
    void setName(HWND control, std::wstring_view name);
    void setDescription(HWND control, std::wstring_view description);
    void setRole(HWND control, long role);
    // Removes every annotation, before the windows are destroyed.
    void clear();

private:
    void setText(HWND control, const GUID& property, std::wstring_view text);

    bool comStarted_ = false;
    IAccPropServices* services_ = nullptr;
    std::vector<HWND> annotated_;
};

// Has a screen reader read `text` once without moving the focus: a UI Automation notification
// (Windows 10 1709 and later), raised on `window`'s element. MSAA has no such event: a changed
// name or value of a control away from the focus is not read out. Where UI Automation has no
// notifications (Wine), nothing is said; the summary is still in the text box, where a reader
// finds it with Tab.
void announce(HWND window, std::wstring_view text);

} // namespace win32
