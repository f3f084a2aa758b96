// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window shows beyond what the handlers ask for, for the keyboard's decisions and for
// tests: read from the controls as they show, never from what the logic last wrote.

#include "main_window.h"

#include "wide_text.h"

namespace win32 {

std::string MainWindow::shownText(form::ControlId control) const
{
    const HWND hwnd = this->control(control.name, control.index);
    if (!hwnd)
        return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return utf8(text);
}

bool MainWindow::isChosen(form::ControlId option) const
{
    const HWND hwnd = control(option.name, option.index);
    return hwnd && SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool MainWindow::isShown(form::ControlId control) const
{
    const HWND hwnd = this->control(control.name, control.index);
    return hwnd && IsWindowVisible(hwnd);
}

std::optional<form::ControlId> MainWindow::focused() const
{
    const Child* child = find(GetFocus());
    if (!child)
        return std::nullopt;
    return form::idOf(*child->row);
}

form::ListView MainWindow::listView(form::ControlId list) const
{
    const HWND hwnd = control(list.name, list.index);
    if (!hwnd)
        return {};
    RECT client {};
    GetClientRect(hwnd, &client);
    const LRESULT selected = SendMessageW(hwnd, LB_GETCURSEL, 0, 0);
    const LRESULT rowHeight = SendMessageW(hwnd, LB_GETITEMHEIGHT, 0, 0);
    return { selected == LB_ERR ? -1 : static_cast<int>(selected),
        static_cast<int>(SendMessageW(hwnd, LB_GETCOUNT, 0, 0)),
        static_cast<int>(client.bottom - client.top),
        rowHeight == LB_ERR ? 0 : static_cast<int>(rowHeight) };
}

std::string MainWindow::rowText(form::ControlId list, int row) const
{
    const HWND hwnd = require(list);
    const LRESULT length = SendMessageW(hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(hwnd, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return utf8(text);
}

} // namespace win32
