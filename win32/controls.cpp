// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The control operations the logic asks for (form::Controls), over Windows' standard controls.

#include "main_window.h"

#include "wide_text.h"
#include "window_parts.h"

#include <commctrl.h>

namespace win32 {

// Filling a shown list row by row redraws it after each row, an X11 round trip per row under
// Wine (4.5 s for 1061 rows); with drawing off while the rows go in it takes milliseconds, and the
// lists are drawn once, after.
void MainWindow::beginUpdate()
{
    for (std::int16_t i = 0; i < 2; ++i)
        SendMessageW(control(form::Name::List1, i), WM_SETREDRAW, FALSE, 0);
}

void MainWindow::endUpdate()
{
    for (std::int16_t i = 0; i < 2; ++i) {
        const HWND list = control(form::Name::List1, i);
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(list, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
    }
}

void MainWindow::showRows(form::ControlId list, std::span<const form::ResultRow> rows)
{
    const HWND hwnd = require(list);
    SendMessageW(hwnd, LB_RESETCONTENT, 0, 0);
    SendMessageW(hwnd, LB_INITSTORAGE, rows.size(), rows.size() * 6 * sizeof(wchar_t));
    for (const form::ResultRow& row : rows)
        SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(row.text()).c_str()));
}

std::int16_t MainWindow::selectedRow(form::ControlId list) const
{
    const LRESULT row = SendMessageW(require(list), LB_GETCURSEL, 0, 0);
    return row == LB_ERR ? std::int16_t { -1 } : static_cast<std::int16_t>(row);
}

// LB_SETCURSEL sends no LBN_SELCHANGE (only the user's clicks and keys do), so selecting the
// other list's row from List1_Click cannot run List1_Click again: the row sync cannot re-enter.
void MainWindow::setSelectedRow(form::ControlId list, std::int16_t row)
{
    if (row == selectedRow(list))
        return;
    SendMessageW(require(list), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

std::string MainWindow::caption(form::ControlId option) const
{
    const HWND hwnd = require(option);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return utf8(text);
}

void MainWindow::setText(form::ControlId textBox, const std::string& text)
{
    SetWindowTextW(require(textBox), wide(text).c_str());
}

// The time labels are STATIC controls: their text is what a screen reader reads as their name.
void MainWindow::showTimes(const std::array<form::TimeText, 2>& times)
{
    for (std::size_t i = 0; i < times.size(); ++i) {
        const HWND label = control(form::Name::Label2, static_cast<int>(i));
        SetWindowTextW(label, wide(times[i].text).c_str());
        std::wstring description = wide(times[i].description);
        annotations_.setDescription(label, description);
        if (tooltip_) {
            // The version 5 size: the program may run without Common Controls 6 (the tests).
            TTTOOLINFOW tool {};
            tool.cbSize = TTTOOLINFOW_V2_SIZE;
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = window_;
            tool.uId = reinterpret_cast<UINT_PTR>(label);
            tool.lpszText = description.data();
            SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
            SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        ShowWindow(label, SW_SHOWNA);
    }
}

// Only once the window «Измервания» has been opened: until then nothing shows the table.
void MainWindow::showTimingTable(const form::TimingTable& table)
{
    if (measurements_)
        measurements_->show(table);
}

void MainWindow::announce(const std::string& text) { win32::announce(window_, wide(text)); }

} // namespace win32
