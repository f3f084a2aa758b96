// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window «Измервания»: every measurement of the main window's life as a report list view (a
// table for screen readers: one row per interval, one column per side) over the chart of the same
// figures, drawn with GDI from the logic's description (form::timingChart) whenever it paints.
// Made when first asked for, never at start; owned by the main window, so it stays in front of
// it and goes with it. Closing it only hides it. Ctrl+C copies the table for a spreadsheet.

#include "accessibility.h"
#include "chart.h"
#include "gdi.h"
#include "timing_table.h"

#include <windows.h>

namespace win32 {

class MeasurementsWindow {
public:
    // Makes the window beside `owner`, at `owner`'s DPI, showing `table`; hidden until open().
    MeasurementsWindow(HINSTANCE instance, HWND owner, const form::TimingTable& table);
    ~MeasurementsWindow();
    MeasurementsWindow(const MeasurementsWindow&) = delete;
    MeasurementsWindow& operator=(const MeasurementsWindow&) = delete;

    // Shows the window in front, with the keyboard focus where the logic says it goes
    // (form::measurementsTakeFocus).
    void open();
    // The table and the chart of these figures, whether the window shows or not.
    void show(const form::TimingTable& table);

    HWND hwnd() const { return window_; }

private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK chartProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleChart(UINT message, WPARAM wParam, LPARAM lParam);

    void createTable();
    void setDpi(UINT dpi);
    int scaled(int dips) const { return MulDiv(dips, static_cast<int>(dpi_), 96); }
    int tableHeight() const;
    void placeBeside(HWND owner, SIZE size);
    void layout();
    void fitColumns(int width);
    // A key in either part, as the logic decides (form::measurementsKey). True if it took it.
    bool key(WPARAM virtualKey);
    void copy();
    void contextMenu(LPARAM at);
    void paintChart(HWND chart, HDC dc);

    HWND window_ = nullptr;
    HWND table_ = nullptr; // the list view
    HWND chart_ = nullptr;
    HWND lastFocus_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    int neededWidth_ = 0; // of the table, its columns at their narrowest
    Font font_;
    Brush background_;
    form::TimingTable figures_;
    form::Chart chartData_;
    Annotations annotations_;
};

// Draws `chart` into `area` of `dc` where form::fitChart places it: each path as a polyline or a
// filled polygon, each text in the chart's font and colour at its anchor.
void drawChart(HDC dc, const RECT& area, const form::Chart& chart);

} // namespace win32
