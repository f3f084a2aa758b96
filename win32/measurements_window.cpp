// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "measurements_window.h"

#include "form_texts.h"
#include "keyboard.h"
#include "screen_reader.h"
#include "wide_text.h"
#include "window_parts.h"

#include <commctrl.h>
#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace win32 {
namespace {

    constexpr wchar_t measurementsClass[] = L"PrimeIntervalsMeasurements";
    constexpr wchar_t chartClass[] = L"PrimeIntervalsChart";
    constexpr DWORD measurementsStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    constexpr int margin = 8; // around and between the table and the chart, in 1/96 inch
    constexpr int defaultWidth = 480; // the client area, in 1/96 inch: beside the main window on
                                      // a 1920 pixel wide screen at 200 %
    constexpr int leastChartHeight = 120;
    constexpr UINT_PTR copyCommand = 1;

    void registerClasses(HINSTANCE instance, WNDPROC windowProc, WNDPROC chartProc)
    {
        WNDCLASSEXW window {};
        window.cbSize = sizeof window;
        window.lpfnWndProc = windowProc;
        window.hInstance = instance;
        window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        window.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        window.lpszClassName = measurementsClass;
        RegisterClassExW(&window); // fails harmlessly when a later window registers it again

        WNDCLASSEXW chart = window;
        chart.style = CS_HREDRAW | CS_VREDRAW; // the whole chart scales with its size
        chart.lpfnWndProc = chartProc;
        chart.hIcon = nullptr;
        chart.lpszClassName = chartClass;
        RegisterClassExW(&chart);
    }

    // The window whose creation parameter was `self`, or that `self` was stored on.
    template <typename Self> Self* selfOf(HWND hwnd, UINT message, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(
                hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        }
        auto* self = reinterpret_cast<Self*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (message == WM_NCDESTROY)
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return self;
    }

} // namespace

MeasurementsWindow::MeasurementsWindow(
    HINSTANCE instance, HWND owner, const form::TimingTable& figures)
    : background_(CreateSolidBrush(colourRef(form::window.background.rgb)))
{
    INITCOMMONCONTROLSEX common { sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES };
    InitCommonControlsEx(&common);
    registerClasses(instance, &MeasurementsWindow::windowProc, &MeasurementsWindow::chartProc);

    // Owned by the main window: in front of it, minimised and closed with it. A window that
    // cannot be made leaves nothing to open; the main window goes on without it.
    const std::wstring title = wide(texts::measurementsTitle);
    window_ = CreateWindowExW(0, measurementsClass, title.c_str(), measurementsStyle, CW_USEDEFAULT,
        CW_USEDEFAULT, 0, 0, owner, nullptr, instance, this);
    if (!window_)
        return;
    // The list view's window text names it for Wine's oleacc, the annotation for Windows'.
    table_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, title.c_str(),
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER, 0, 0, 0,
        0, window_, nullptr, instance, nullptr);
    chart_ = CreateWindowExW(0, chartClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0,
        window_, nullptr, instance, this);
    if (!table_ || !chart_) {
        DestroyWindow(window_);
        return;
    }
    createTable();
    const form::Spoken table = form::spoken(form::MeasurementsPart::Table, {});
    annotations_.setName(table_, wide(table.name));
    annotations_.setDescription(table_, wide(table.description));
    annotations_.setRole(chart_, ROLE_SYSTEM_CHART);
    setDpi(GetDpiForWindow(window_));
    show(figures);

    RECT frame { 0, 0, std::max(scaled(defaultWidth), neededWidth_ + 2 * scaled(margin)), 0 };
    frame.bottom = 3 * scaled(margin) + tableHeight()
        + (frame.right - 2 * scaled(margin)) * static_cast<int>(form::Chart::height)
            / static_cast<int>(form::Chart::width);
    AdjustWindowRectExForDpi(&frame, measurementsStyle, FALSE, 0, dpi_);
    placeBeside(owner, { frame.right - frame.left, frame.bottom - frame.top });
}

MeasurementsWindow::~MeasurementsWindow()
{
    annotations_.clear();
    // Both procedures leave the window's messages to the system from here on.
    if (const HWND window = std::exchange(window_, nullptr))
        DestroyWindow(window);
}

void MeasurementsWindow::open()
{
    if (!window_)
        return;
    const bool activate = form::measurementsTakeFocus;
    if (IsIconic(window_))
        ShowWindow(window_, activate ? SW_RESTORE : SW_SHOWNOACTIVATE);
    else
        ShowWindow(window_, activate ? SW_SHOW : SW_SHOWNOACTIVATE);
    SetWindowPos(
        window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | (activate ? 0 : SWP_NOACTIVATE));
    if (activate)
        SetForegroundWindow(window_);
}

void MeasurementsWindow::createTable()
{
    SendMessageW(table_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (int column = 0; column < form::TimingTable::shownColumns; ++column) {
        std::wstring heading = wide(form::TimingTable::heading(column));
        LVCOLUMNW format {};
        format.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
        format.fmt = column == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT; // times line up by their units
        format.pszText = heading.data();
        format.iSubItem = column;
        SendMessageW(table_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
            reinterpret_cast<LPARAM>(&format));
    }
    for (int interval = 0; interval < form::intervalCount; ++interval) {
        std::wstring heading = wide(form::TimingTable::rowHeading(interval));
        LVITEMW item {};
        item.mask = LVIF_TEXT;
        item.iItem = interval;
        item.pszText = heading.data();
        SendMessageW(table_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    // The arrows start from the first row, without selecting it.
    LVITEMW focus {};
    focus.stateMask = LVIS_FOCUSED;
    focus.state = LVIS_FOCUSED;
    SendMessageW(table_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&focus));
}

void MeasurementsWindow::show(const form::TimingTable& table)
{
    figures_ = table;
    chartData_ = form::timingChart(table);
    if (!window_)
        return;
    for (int interval = 0; interval < form::intervalCount; ++interval) {
        for (int column = 1; column < form::TimingTable::shownColumns; ++column) {
            std::wstring text = wide(table.shownText(interval, column));
            LVITEMW item {};
            item.iSubItem = column;
            item.pszText = text.data();
            SendMessageW(table_, LVM_SETITEMTEXTW, static_cast<WPARAM>(interval),
                reinterpret_cast<LPARAM>(&item));
        }
    }
    layout(); // a longer time may widen the columns
    // The chart's name: its window text for Wine's oleacc, the annotation for Windows'. Drawn at
    // the next paint.
    const form::Spoken chart = form::spoken(form::MeasurementsPart::Chart, chartData_);
    const std::wstring name = wide(chart.name);
    SetWindowTextW(chart_, name.c_str());
    annotations_.setName(chart_, name);
    annotations_.setDescription(chart_, wide(chart.description));
    InvalidateRect(chart_, nullptr, FALSE);
}

void MeasurementsWindow::setDpi(UINT dpi)
{
    dpi_ = dpi;
    Font font(createDesignFont(MulDiv(form::window.fontPoints, static_cast<int>(dpi), 72)));
    SendMessageW(table_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);
}

// The header and the four rows, all showing.
int MeasurementsWindow::tableHeight() const
{
    RECT bounds { 0, 0, 10000, 10000 };
    WINDOWPOS header {};
    HDLAYOUT headerLayout { &bounds, &header };
    SendMessageW(reinterpret_cast<HWND>(SendMessageW(table_, LVM_GETHEADER, 0, 0)), HDM_LAYOUT, 0,
        reinterpret_cast<LPARAM>(&headerLayout));
    RECT row { LVIR_BOUNDS, 0, 0, 0 };
    SendMessageW(table_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    // The first row's top is the header's bottom, or (Wine's, with grid lines) a little below.
    return std::max<int>(header.cy, row.top) + form::intervalCount * (row.bottom - row.top)
        + 2 * GetSystemMetricsForDpi(SM_CYEDGE, dpi_);
}

// Beside the owner, right or left, where the screen has room; else as far from it as the screen
// allows, and no larger than the screen.
void MeasurementsWindow::placeBeside(HWND owner, SIZE size)
{
    RECT ownerFrame;
    GetWindowRect(owner, &ownerFrame);
    MONITORINFO monitor { sizeof monitor, {}, {}, 0 };
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    size.cx = std::min<LONG>(size.cx, work.right - work.left);
    size.cy = std::min<LONG>(size.cy, work.bottom - work.top);
    LONG x = ownerFrame.right;
    if (x + size.cx > work.right)
        x = ownerFrame.left - size.cx >= work.left ? ownerFrame.left - size.cx
                                                   : work.right - size.cx;
    const LONG y = std::clamp(ownerFrame.top, work.top, work.bottom - size.cy);
    SetWindowPos(window_, nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The table as high as its rows, as wide as the window; the chart in the rest.
void MeasurementsWindow::layout()
{
    RECT client;
    GetClientRect(window_, &client);
    const int gap = scaled(margin);
    const int width = std::max<int>(0, client.right - 2 * gap);
    const int height = tableHeight();
    SetWindowPos(table_, nullptr, gap, gap, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT inside;
    GetClientRect(table_, &inside);
    fitColumns(inside.right);
    const int chartTop = 2 * gap + height;
    SetWindowPos(chart_, nullptr, gap, chartTop, width,
        std::max<int>(0, client.bottom - chartTop - gap), SWP_NOZORDER | SWP_NOACTIVATE);
}

// The intervals' column as wide as its longest text; the four sides share the rest evenly, each
// at least as wide as the longest text of any.
void MeasurementsWindow::fitColumns(int width)
{
    const auto textWidth = [this](const std::string& text) {
        return static_cast<int>(SendMessageW(
            table_, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(wide(text).c_str())));
    };
    int headings = textWidth(form::TimingTable::heading(0));
    int sides = 0;
    for (int column = 1; column < form::TimingTable::shownColumns; ++column)
        sides = std::max(sides, textWidth(form::TimingTable::heading(column)));
    for (int interval = 0; interval < form::intervalCount; ++interval) {
        headings = std::max(headings, textWidth(figures_.shownText(interval, 0)));
        for (int column = 1; column < form::TimingTable::shownColumns; ++column)
            sides = std::max(sides, textWidth(figures_.shownText(interval, column)));
    }
    headings += scaled(16);
    sides += scaled(16);
    neededWidth_ = headings + form::sideCount * sides + 2 * GetSystemMetricsForDpi(SM_CXEDGE, dpi_);
    SendMessageW(table_, LVM_SETCOLUMNWIDTH, 0, headings);
    sides = std::max(sides, (width - headings) / form::sideCount);
    // The last column takes what the division leaves.
    const int last = std::max(sides, width - headings - (form::sideCount - 1) * sides);
    for (int side = 0; side < form::sideCount; ++side)
        SendMessageW(table_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(side + 1),
            side + 1 == form::sideCount ? last : sides);
}

bool MeasurementsWindow::key(WPARAM virtualKey)
{
    const auto held = [](int key) { return GetKeyState(key) < 0; };
    const form::Key key = virtualKey == VK_TAB ? form::Key::Tab
        : virtualKey == VK_ESCAPE              ? form::Key::Escape
        : virtualKey == 'C'                    ? form::Key::C
                                               : form::Key::Other;
    const form::MeasurementsAction action = form::measurementsKey(key,
        { held(VK_SHIFT), held(VK_CONTROL), held(VK_MENU), held(VK_LWIN) || held(VK_RWIN) },
        GetFocus() == chart_ ? form::MeasurementsPart::Chart : form::MeasurementsPart::Table,
        form::MeasurementsPlace::Window);
    switch (action.kind) {
    case form::MeasurementsAction::Kind::Copy:
        copy();
        return true;
    case form::MeasurementsAction::Kind::Focus:
        SetFocus(action.target == form::MeasurementsPart::Chart ? chart_ : table_);
        return true;
    case form::MeasurementsAction::Kind::Leave:
        PostMessageW(window_, WM_CLOSE, 0, 0);
        return true;
    case form::MeasurementsAction::Kind::None:
    case form::MeasurementsAction::Kind::Form:
        break;
    }
    return false;
}

// For a spreadsheet: Unicode text. A screen reader hears whether it went: another program may
// hold the clipboard, or memory may run short.
void MeasurementsWindow::copy()
{
    const std::wstring text = wide(figures_.clipboardText());
    bool copied = false;
    if (OpenClipboard(window_)) {
        const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
        const HGLOBAL memory = EmptyClipboard() ? GlobalAlloc(GMEM_MOVEABLE, bytes) : nullptr;
        if (void* locked = memory ? GlobalLock(memory) : nullptr) {
            std::memcpy(locked, text.c_str(), bytes);
            GlobalUnlock(memory);
            copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        }
        if (memory && !copied) // the clipboard owns it only once taken
            GlobalFree(memory);
        CloseClipboard();
    }
    announce(window_, wide(copied ? texts::tableCopied : texts::tableNotCopied));
}

// The right button or the menu key: the copy, for those who do not know Ctrl+C.
void MeasurementsWindow::contextMenu(LPARAM at)
{
    POINT point { GET_X_LPARAM(at), GET_Y_LPARAM(at) };
    if (at == -1) { // from the keyboard: at the focused part's corner
        RECT focused;
        GetWindowRect(GetFocus() == chart_ ? chart_ : table_, &focused);
        point = { focused.left + scaled(margin), focused.top + scaled(margin) };
    }
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, copyCommand, (wide(texts::copyTable) + L"\tCtrl+C").c_str());
    const BOOL chosen = TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0, window_, nullptr);
    DestroyMenu(menu);
    if (chosen == static_cast<BOOL>(copyCommand))
        copy();
}

LRESULT CALLBACK MeasurementsWindow::windowProc(
    HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = selfOf<MeasurementsWindow>(hwnd, message, lParam);
    if (!self || !self->window_) // before CreateWindowExW has returned, or after WM_DESTROY
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT MeasurementsWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(window_, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, background_.get());
        return 1;
    }
    case WM_SIZE:
        if (table_)
            layout();
        return 0;
    case WM_GETMINMAXINFO:
        if (table_) {
            RECT least { 0, 0, neededWidth_ + 2 * scaled(margin),
                3 * scaled(margin) + tableHeight() + scaled(leastChartHeight) };
            AdjustWindowRectExForDpi(&least, measurementsStyle, FALSE, 0, dpi_);
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = { least.right - least.left, least.bottom - least.top };
        }
        return 0;
    case WM_DPICHANGED: {
        setDpi(HIWORD(wParam));
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top,
            suggested->right - suggested->left, suggested->bottom - suggested->top,
            SWP_NOZORDER | SWP_NOACTIVATE);
        layout();
        return 0;
    }
    case WM_ACTIVATE:
        // Back in the window, the focus returns to the part that had it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (const HWND focused = GetFocus(); focused == table_ || focused == chart_)
                lastFocus_ = focused;
        } else if (!HIWORD(wParam))
            SetFocus(lastFocus_ ? lastFocus_ : table_);
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == table_ && header->code == LVN_KEYDOWN)
            key(reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey);
        return 0;
    }
    case WM_CONTEXTMENU:
        contextMenu(lParam);
        return 0;
    case WM_CLOSE:
        // Hidden, not destroyed: the main window is untouched, and opening again is immediate.
        ShowWindow(window_, SW_HIDE);
        return 0;
    case WM_DESTROY:
        annotations_.clear();
        window_ = table_ = chart_ = nullptr;
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// The chart takes the focus, so that a screen reader reaches it with Tab and reads its name.
LRESULT CALLBACK MeasurementsWindow::chartProc(
    HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = selfOf<MeasurementsWindow>(hwnd, message, lParam);
    if (!self || !self->window_)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd, &paint);
        self->paintChart(hwnd, dc);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // painted whole, without flicker
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        return 0;
    case WM_KEYDOWN:
        if (self->key(wParam))
            return 0;
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Into a bitmap first, then onto the screen in one go.
void MeasurementsWindow::paintChart(HWND hwnd, HDC dc)
{
    RECT area;
    GetClientRect(hwnd, &area);
    const HDC memory = CreateCompatibleDC(dc);
    const Bitmap bitmap(CreateCompatibleBitmap(dc, area.right, area.bottom));
    {
        const Selection selected(memory, bitmap.get());
        const Brush background(CreateSolidBrush(colourRef(form::Chart::background)));
        FillRect(memory, &area, background.get());
        drawChart(memory, area, chartData_);
        if (GetFocus() == hwnd) {
            RECT focus = area;
            InflateRect(&focus, -scaled(2), -scaled(2));
            DrawFocusRect(memory, &focus);
        }
        BitBlt(dc, 0, 0, area.right, area.bottom, memory, 0, 0, SRCCOPY);
    }
    DeleteDC(memory);
}

} // namespace win32
