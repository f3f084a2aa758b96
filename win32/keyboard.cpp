// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard: the logic decides what each key does (form::keyAction), the window moves the
// focus, clicks and selects. Handled before the dialog manager sees the key: Wine's does not wrap
// Tab from the last stop inside a frame (WS_EX_CONTROLPARENT) back to the first stop, a multi-line
// EDIT would keep Tab for itself (DLGC_WANTALLKEYS), and the dialog manager's Ctrl+Tab reads only
// Shift. What the logic leaves (the text box's own keys) is the dialog manager's.

#include "main_window.h"

#include "wide_text.h"
#include "window_parts.h"

namespace win32 {
namespace {

    form::Key keyOf(WPARAM key)
    {
        switch (key) {
        case VK_TAB:
            return form::Key::Tab;
        case VK_UP:
            return form::Key::Up;
        case VK_DOWN:
            return form::Key::Down;
        case VK_LEFT:
            return form::Key::Left;
        case VK_RIGHT:
            return form::Key::Right;
        case VK_HOME:
            return form::Key::Home;
        case VK_END:
            return form::Key::End;
        case VK_PRIOR:
            return form::Key::PageUp;
        case VK_NEXT:
            return form::Key::PageDown;
        case VK_SPACE:
            return form::Key::Space;
        case VK_F2:
            return form::Key::F2;
        default:
            // What a key types comes as WM_CHAR, after its WM_KEYDOWN.
            return form::Key::Other;
        }
    }

    bool held(int key) { return GetKeyState(key) < 0; }

} // namespace

bool MainWindow::preTranslate(MSG& message)
{
    if (!window_ || (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
        return false;
    // Alt with a key comes as WM_SYSKEYDOWN, which neither a control nor the dialog manager takes
    // (only the system: Alt+Space, Alt+F4): Alt with any key does nothing, as the logic wants.
    // A key that types comes again as WM_CHAR, on which a list box would jump to a row starting
    // with it.
    if (message.message == WM_KEYDOWN || message.message == WM_CHAR) {
        const form::Modifiers modifiers { held(VK_SHIFT), held(VK_CONTROL), held(VK_MENU),
            held(VK_LWIN) || held(VK_RWIN) };
        const form::Key key = message.message == WM_KEYDOWN
            ? keyOf(message.wParam)
            : form::typedKey(utf8(std::wstring(1, static_cast<wchar_t>(message.wParam))));
        const form::KeyAction action = form::keyAction(*this, key, modifiers);
        switch (action.kind) {
        case form::KeyAction::Kind::Focus:
            focusWithoutChoosing(require(action.target));
            return true;
        case form::KeyAction::Kind::Choose: {
            // BM_CLICK checks the button and sends BN_CLICKED, as the dialog manager does for an
            // automatic option button.
            const HWND next = require(action.target);
            SetFocus(next);
            SendMessageW(next, BM_CLICK, 0, 0);
            return true;
        }
        case form::KeyAction::Kind::Select: {
            // LB_SETCURSEL scrolls the row into view but tells no one: the window runs the
            // list's click as for the user's own LBN_SELCHANGE.
            const HWND list = require(action.target);
            SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(action.row), 0);
            command(list, LBN_SELCHANGE);
            return true;
        }
        case form::KeyAction::Kind::ShowTimings:
            openMeasurements();
            return true;
        case form::KeyAction::Kind::Swallow:
            return true;
        case form::KeyAction::Kind::None:
            break;
        }
    }
    return IsDialogMessageW(window_, &message) != FALSE;
}

// Windows' automatic option button chooses itself as it takes the focus unchosen, and tells its
// parent BN_CLICKED (Wine's does neither). Tab into a group with none chosen, and the window's
// activation, only move the focus, as in the Linux window: no handler runs and nothing stays
// chosen.
void MainWindow::focusWithoutChoosing(HWND control)
{
    const Child* child = find(control);
    const bool unchosenOption = child && isOption(child->row->name) && !isChecked(control);
    focusing_ = true;
    SetFocus(control);
    focusing_ = false;
    if (unchosenOption && isChecked(control))
        SendMessageW(control, BM_SETCHECK, BST_UNCHECKED, 0);
}

} // namespace win32
