// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The Windows window under Wine: clicks and keys in, the controls' contents, focus and geometry
// out. Run at 96 dpi and at 192 dpi (WINE_RUN_DPI, read by tests/win32/wine-run).

#define DOCTEST_CONFIG_IMPLEMENT
#include "window_fixture.h"

#include "chart.h"
#include "screen_reader.h"
#include "window_parts.h"

#include "../sieve.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

using form::Name;

namespace {

struct Interval {
    const char* caption;
    int first, last;
};
constexpr Interval intervals[] = { { "1 - 10", 1, 10 }, { "10 - 100", 10, 100 },
    { "100 - 1000", 100, 1000 }, { "1000 - 10000", 1000, 10000 } };

std::vector<std::string> expectedRows(const Interval& interval)
{
    std::vector<std::string> rows;
    for (const int prime : primesBetween(interval.first, interval.last))
        rows.push_back(std::to_string(prime));
    return rows;
}

std::string summary(const Interval& interval, std::size_t count)
{
    return std::string("В интервала ") + interval.caption
        + " броя прости числа е: " + std::to_string(count) + "\r\n";
}

bool shown(HWND hwnd) { return IsWindowVisible(hwnd) != FALSE; }

} // namespace

TEST_CASE_FIXTURE(WindowFixture, "interval clicks fill both lists, the summary and the times")
{
    const HWND stored = control(Name::List1, 0);
    const HWND computed = control(Name::List1, 1);
    const HWND textBox = control(Name::Text1, 0);
    const HWND times[] = { control(Name::Label2, 0), control(Name::Label2, 1) };

    // As the window opens: the task statement, empty lists, no times.
    CHECK(text(textBox).starts_with("Да се реализира проект"));
    CHECK(rows(stored).empty());
    CHECK(rows(computed).empty());
    for (HWND time : times)
        CHECK_FALSE(shown(time));

    // From the largest interval down, so that each click must replace, not add to, the rows.
    for (int i = 3; i >= 0; --i) {
        const Interval& interval = intervals[i];
        CAPTURE(interval.caption);
        click(control(Name::Option1, i));
        const std::vector<std::string> expected = expectedRows(interval);
        CHECK(checked(control(Name::Option1, i)));
        CHECK(rows(stored) == expected);
        CHECK(rows(computed) == expected);
        CHECK(text(textBox) == summary(interval, expected.size()));
        for (HWND time : times) {
            CHECK(shown(time));
            CHECK_FALSE(text(time).empty());
        }
    }

    // What each time measures, in its tooltip; the bound is still the default one.
    const auto tooltip = [this](HWND label) {
        std::wstring buffer(512, L'\0');
        TTTOOLINFOW tool {};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = window.hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(label);
        tool.lpszText = buffer.data();
        SendMessageW(
            window.tooltips(), TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&tool));
        return win32::utf8(buffer.c_str());
    };
    // Either may go on to say that its figure is a mean of several runs (tst_measurement).
    CHECK(tooltip(times[0]).starts_with(
        "Директно: време за попълване на списъка от предварително въведените данни."));
    const std::string computedTime = tooltip(times[1]);
    CHECK(computedTime.starts_with("Последователно: време за изчисляване на простите числа с "
                                   "алгоритъм 2 - sqr(N): "));
    CHECK(computedTime.find(" проверки за делимост.") != std::string::npos);
}

TEST_CASE_FIXTURE(WindowFixture, "a method click counts for the next interval click")
{
    // The default bound, sqr(N), then the widest, N-1: the same primes with more divisions.
    const HWND method0 = control(Name::Option2, 0);
    CHECK(checked(control(Name::Option2, 2)));
    click(control(Name::Option1, 2));
    const std::int64_t bySquareRoot = window.logic().lastClick().remainderOperations;

    click(method0);
    CHECK(checked(method0));
    CHECK_FALSE(checked(control(Name::Option2, 2)));
    CHECK(window.logic().methodIndex() == 0);
    click(control(Name::Option1, 2));
    CHECK(rows(control(Name::List1, 1)) == expectedRows(intervals[2]));
    CHECK(window.logic().lastClick().remainderOperations > bySquareRoot);
}

TEST_CASE_FIXTURE(WindowFixture, "a row chosen in one list is chosen in the other")
{
    const HWND lists[] = { control(Name::List1, 0), control(Name::List1, 1) };
    click(control(Name::Option1, 1));

    SUBCASE("by mouse")
    {
        // Rows 0 to 2 show in a list 915 twips high.
        clickRow(lists[0], 2);
        CHECK(selectedRow(lists[0]) == 2);
        CHECK(selectedRow(lists[1]) == 2);
        clickRow(lists[1], 1);
        CHECK(selectedRow(lists[0]) == 1);
        CHECK(selectedRow(lists[1]) == 1);
    }
    SUBCASE("by keys")
    {
        clickRow(lists[1], 0);
        key(VK_DOWN);
        key(VK_DOWN);
        CHECK(selectedRow(lists[1]) == 2);
        CHECK(selectedRow(lists[0]) == 2);
        key(VK_END);
        CHECK(selectedRow(lists[0]) == 20);
        SetFocus(lists[0]);
        key(VK_HOME);
        CHECK(selectedRow(lists[0]) == 0);
        CHECK(selectedRow(lists[1]) == 0);
        // A page is the rows that show whole less one, so the row before stays in view; Page
        // Up stops at the first row. Left and Right move nothing.
        key(VK_NEXT);
        const int page = selectedRow(lists[0]);
        CHECK(page >= 1);
        CHECK(page < 3); // rows 0 to 2 show
        CHECK(selectedRow(lists[1]) == page);
        key(VK_RIGHT);
        key(VK_LEFT);
        CHECK(selectedRow(lists[0]) == page);
        // Typed digits do not jump to a row that starts with them (the rows are 11, 13, 17...);
        // Enter and Escape, which type nothing, are the dialog manager's, which has no button
        // for them.
        key('1');
        key('9');
        key(VK_RETURN);
        key(VK_ESCAPE);
        CHECK(IsWindowVisible(window.hwnd()));
        CHECK(selectedRow(lists[0]) == page);
        CHECK(selectedRow(lists[1]) == page);
        key(VK_PRIOR);
        key(VK_PRIOR);
        CHECK(selectedRow(lists[1]) == 0);
        // Keys far down: the row selected by a key is scrolled into view in both lists.
        key(VK_END);
        key(VK_UP);
        for (const HWND list : lists) {
            const auto top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
            CHECK(top <= 19);
            CHECK(top + 2 >= 19);
        }
    }
}

TEST_CASE_FIXTURE(WindowFixture, "Tab, Shift+Tab and the arrows follow the design")
{
    const HWND textBox = control(Name::Text1, 0);
    const HWND stored = control(Name::List1, 0);
    const HWND computed = control(Name::List1, 1);
    // The window opens with the focus on the text box.
    REQUIRE(GetFocus() == textBox);

    SUBCASE("round the stops, with no interval chosen")
    {
        // The interval group's stop is its first button while none is chosen; reaching it
        // chooses nothing.
        const HWND stops[] = { textBox, stored, control(Name::Option1, 0), computed,
            control(Name::Option2, 2), textBox };
        for (std::size_t i = 1; i < std::size(stops); ++i) {
            CAPTURE(i);
            key(VK_TAB);
            CHECK(GetFocus() == stops[i]);
        }
        for (std::size_t i = std::size(stops) - 1; i > 0; --i) {
            CAPTURE(i);
            key(VK_TAB, true);
            CHECK(GetFocus() == stops[i - 1]);
        }
        CHECK(window.logic().intervalIndex() == -1);
        CHECK(rows(stored).empty());

        // BN_CLICKED from a button still unchosen, whatever sent it, is no click.
        const HWND first = control(Name::Option1, 0);
        SendMessageW(GetParent(first), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(first), BN_CLICKED),
            reinterpret_cast<LPARAM>(first));
        CHECK(window.logic().intervalIndex() == -1);
    }
    SUBCASE("Tab into a group with none chosen chooses nothing, with Windows' option buttons")
    {
        // Windows' automatic option button chooses itself as it takes the focus and tells its
        // parent BN_CLICKED; Wine's does neither. The first interval button is made to.
        const HWND first = control(Name::Option1, 0);
        const auto asOnWindows = [](HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR) -> LRESULT {
            const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
            if (message == WM_SETFOCUS && !checked(button)) {
                SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
                SendMessageW(GetParent(button), WM_COMMAND,
                    MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
            }
            return result;
        };
        REQUIRE(SetWindowSubclass(first, asOnWindows, 1, 0));
        key(VK_TAB);
        key(VK_TAB);
        CHECK(GetFocus() == first);
        CHECK_FALSE(checked(first));
        CHECK(window.logic().intervalIndex() == -1);
        CHECK(rows(stored).empty());
        // A click is still a click.
        key(VK_SPACE);
        CHECK(window.logic().intervalIndex() == 0);
        RemoveWindowSubclass(first, asOnWindows, 1);
    }
    SUBCASE("back in the window, the focus is where it was")
    {
        key(VK_TAB, true);
        key(VK_TAB, true);
        REQUIRE(GetFocus() == computed);
        const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
            0, 200, 100, nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(other);
        pump();
        REQUIRE(GetForegroundWindow() == other);
        SetForegroundWindow(window.hwnd());
        pump();
        CHECK(GetFocus() == computed);
        DestroyWindow(other);
    }
    SUBCASE("arrows choose and run, Space chooses, the chosen button is the stop")
    {
        key(VK_TAB);
        key(VK_TAB);
        const HWND first = control(Name::Option1, 0);
        REQUIRE(GetFocus() == first);
        key(VK_SPACE);
        CHECK(checked(first));
        CHECK(rows(stored).size() == 4);

        key(VK_DOWN);
        const HWND second = control(Name::Option1, 1);
        CHECK(GetFocus() == second);
        CHECK(checked(second));
        CHECK_FALSE(checked(first));
        CHECK(rows(stored).size() == 21);
        key(VK_UP);
        key(VK_UP); // round to the last
        CHECK(GetFocus() == control(Name::Option1, 3));
        CHECK(rows(computed).size() == 1061);

        // Out and back into the group: the chosen button is its stop.
        key(VK_TAB);
        CHECK(GetFocus() == computed);
        key(VK_TAB, true);
        CHECK(GetFocus() == control(Name::Option1, 3));

        // The method group: Right from the last goes round to the first.
        key(VK_TAB);
        key(VK_TAB);
        REQUIRE(GetFocus() == control(Name::Option2, 2));
        key(VK_RIGHT);
        CHECK(GetFocus() == control(Name::Option2, 0));
        CHECK(checked(control(Name::Option2, 0)));
        CHECK(window.logic().methodIndex() == 0);
        key(VK_LEFT);
        CHECK(window.logic().methodIndex() == 2);
    }
    SUBCASE("Ctrl, Alt and the logo key reach the logic, which leaves Tab and Space alone")
    {
        // Which keys they leave alone is the logic's (tst_decisions); here, each modifier from
        // each kind of control. Alt comes as WM_SYSKEYDOWN, which the logic never sees.
        const HWND third = control(Name::Option1, 2);
        click(third);
        SendMessageW(stored, LB_SETCURSEL, 5, 0);
        const std::pair<WORD, HWND> held[]
            = { { VK_CONTROL, textBox }, { VK_MENU, stored }, { VK_LWIN, third } };
        for (const auto& [modifier, from] : held) {
            CAPTURE(modifier);
            SetFocus(from);
            keyWith(modifier, VK_TAB);
            CHECK(GetFocus() == from);
        }
        CHECK(window.logic().intervalIndex() == 2);
        keyWith(VK_CONTROL, VK_SPACE);
        CHECK(selectedRow(stored) == 5);
        // Space on the chosen button runs its handler again, which fills the lists anew.
        key(VK_SPACE);
        CHECK(selectedRow(stored) == -1);
        CHECK(rows(stored).size() == 143);
    }
}

TEST_CASE_FIXTURE(WindowFixture, "the text box is read-only")
{
    const HWND textBox = control(Name::Text1, 0);
    const std::string before = text(textBox);
    REQUIRE(GetFocus() == textBox);
    for (WORD vk : { WORD('X'), WORD(VK_BACK), WORD(VK_DELETE), WORD(VK_RETURN), WORD(VK_SPACE) })
        key(vk);
    CHECK(text(textBox) == before);
    CHECK((GetWindowLongW(textBox, GWL_STYLE) & ES_READONLY) != 0);
}

TEST_CASE_FIXTURE(WindowFixture, "the hidden controls hold what the design gives them")
{
    const std::size_t counts[] = { 4, 21, 143, 1061 };
    for (int i = 0; i < 4; ++i) {
        CAPTURE(i);
        const HWND list = control(Name::List2, i);
        CHECK_FALSE(shown(list));
        const std::vector<std::string> values = rows(list);
        CHECK(values.size() == counts[i]);
        CHECK(values == expectedRows(intervals[i]));
    }
    const HWND quotation = control(Name::Text1, 1);
    CHECK_FALSE(shown(quotation));
    CHECK(text(quotation).starts_with("Неприятното в това"));
}

namespace {

// The client area, every control and the font, from the design's twips at `dpi`.
void checkLayout(const WindowFixture& fixture, UINT dpi)
{
    CAPTURE(dpi);
    const auto pixels = [dpi](int twips) { return MulDiv(twips, static_cast<int>(dpi), 1440); };
    RECT client;
    GetClientRect(fixture.window.hwnd(), &client);
    CHECK(client.right == pixels(form::window.clientWidth));
    CHECK(client.bottom == pixels(form::window.clientHeight));
    if (dpi == 96) { // the Linux window's pixels, 15 twips each
        CHECK(client.right == 461);
        CHECK(client.bottom == 345);
    }

    const auto check = [&](const form::ControlRow& row) {
        CAPTURE(form::designName(row));
        const HWND hwnd = fixture.control(row.name, row.index);
        RECT place;
        GetWindowRect(hwnd, &place);
        MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&place), 2);
        CHECK(place.left == pixels(row.left));
        CHECK(place.top == pixels(row.top));
        CHECK(place.right - place.left == pixels(row.width));
        CHECK(place.bottom - place.top == pixels(row.height));
        if (dpi == 96)
            CHECK(place.left * 15 == row.left);
    };
    for (const form::ControlRow& row : form::design)
        check(row);
    for (const form::ControlRow& row : form::timeDesign)
        check(row);

    // Times New Roman, 12 pt at this DPI, with Cyrillic, in every control that shows text.
    for (const form::ControlRow& row : form::design) {
        if (row.name == Name::Frame1 || row.name == Name::Frame2)
            continue;
        CAPTURE(form::designName(row));
        const auto font = reinterpret_cast<HFONT>(
            SendMessageW(fixture.control(row.name, row.index), WM_GETFONT, 0, 0));
        LOGFONTW design {};
        REQUIRE(GetObjectW(font, sizeof design, &design) == sizeof design);
        CHECK(design.lfHeight == -MulDiv(12, static_cast<int>(dpi), 72));
        CHECK(design.lfCharSet == RUSSIAN_CHARSET);
        CHECK(std::wstring(design.lfFaceName) == L"Times New Roman");
    }
}

} // namespace

TEST_CASE_FIXTURE(WindowFixture, "every control at its design's place and size for the DPI")
{
    const UINT dpi = GetDpiForWindow(window.hwnd());
    // The wrapper sets the prefix's DPI: a 192 dpi run that came up at 96 would prove nothing.
    if (const char* asked = std::getenv("WINE_RUN_DPI"))
        REQUIRE(dpi == static_cast<UINT>(std::atoi(asked)));
    checkLayout(*this, dpi);

    // Moved to a screen of another DPI, Windows tells the window the new DPI and a new frame.
    const UINT other = dpi == 96 ? 144 : 96;
    RECT frame { 0, 0, MulDiv(form::window.clientWidth, static_cast<int>(other), 1440),
        MulDiv(form::window.clientHeight, static_cast<int>(other), 1440) };
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongW(window.hwnd(), GWL_STYLE)),
        FALSE, static_cast<DWORD>(GetWindowLongW(window.hwnd(), GWL_EXSTYLE)), other);
    OffsetRect(&frame, 50 - frame.left, 50 - frame.top);
    SendMessageW(
        window.hwnd(), WM_DPICHANGED, MAKEWPARAM(other, other), reinterpret_cast<LPARAM>(&frame));
    checkLayout(*this, other);
}

TEST_CASE_FIXTURE(WindowFixture, "the design's colours behind the texts")
{
    click(control(Name::Option1, 0));
    RedrawWindow(window.hwnd(), nullptr, nullptr,
        RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // A pixel of a control's client area, away from its text: from the right or bottom edge
    // where `x` or `y` is negative.
    const auto pixel = [](HWND hwnd, int x, int y) {
        RECT area;
        GetClientRect(hwnd, &area);
        HDC dc = GetDC(hwnd);
        const COLORREF colour
            = GetPixel(dc, x < 0 ? area.right + x : x, y < 0 ? area.bottom + y : y);
        ReleaseDC(hwnd, dc);
        return colour;
    };
    constexpr COLORREF lightBlue = RGB(192, 192, 255);
    constexpr COLORREF lightOrange = RGB(255, 192, 128);
    constexpr COLORREF lightCyan = RGB(128, 255, 255);
    constexpr COLORREF pink = RGB(255, 128, 255);
    CHECK(pixel(window.hwnd(), 2, 2) == lightBlue);
    CHECK(pixel(control(Name::Frame1), 2, 2) == lightBlue);
    CHECK(pixel(control(Name::Frame2), 2, 2) == lightBlue);
    for (int i = 0; i < 5; ++i)
        CHECK(pixel(control(Name::Label1, i), 2, 2) == lightOrange);
    for (int i = 0; i < 4; ++i)
        CHECK(pixel(control(Name::Option1, i), -3, 2) == lightCyan);
    for (int i = 0; i < 3; ++i)
        CHECK(pixel(control(Name::Option2, i), -3, 2) == pink);
    // No background of their own: the window's shows through.
    for (int i = 0; i < 2; ++i)
        CHECK(pixel(control(Name::Label2, i), 1, 1) == lightBlue);
    // The read-only text box keeps a text box's colours, not a read-only one's grey.
    CHECK(pixel(control(Name::Text1, 0), 4, -4) == GetSysColor(COLOR_WINDOW));
}

namespace {

// The dark pixels (text) a control shows within `area` of its client area, read back from what
// the window has drawn, not from the control's contents.
int darkPixels(HWND hwnd, RECT area)
{
    HDC dc = GetDC(hwnd);
    int dark = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF colour = GetPixel(dc, x, y);
            if (colour != CLR_INVALID
                && GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 3 * 100)
                ++dark;
        }
    }
    ReleaseDC(hwnd, dc);
    return dark;
}

// A control's client area as the screen shows it, 32 bits a pixel, into a bitmap of its own.
std::vector<DWORD> shownPixels(HWND hwnd)
{
    RECT area;
    GetClientRect(hwnd, &area);
    HDC screen = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = area.right;
    info.bmiHeader.biHeight = -area.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, area.right, area.bottom, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const DWORD*>(bits);
    std::vector<DWORD> values(first, first + area.right * area.bottom);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(hwnd, screen);
    return values;
}

RECT clientArea(HWND hwnd)
{
    RECT area;
    GetClientRect(hwnd, &area);
    return area;
}

} // namespace

// The other tests read the lists through messages, so a list that holds its rows but never
// draws them would pass them: here the pixels must show every row it holds, and none it no
// longer holds, and each time must show.
TEST_CASE_FIXTURE(WindowFixture, "an interval click draws both lists' rows and both times")
{
    const HWND lists[] = { control(Name::List1, 0), control(Name::List1, 1) };
    const HWND times[] = { control(Name::Label2, 0), control(Name::Label2, 1) };
    for (HWND list : lists)
        CHECK(darkPixels(list, clientArea(list)) == 0);

    // The largest interval first, so that the smallest must draw over its rows. What a control
    // showed after the first click, to tell its new rows and time from the old ones: compared
    // screen to screen, as a control's own painting into a bitmap (WM_PRINTCLIENT) differs from
    // the screen in some versions of Wine.
    std::vector<DWORD> before[4];
    std::string timesBefore[2];
    for (const int interval : { 3, 0 }) {
        CAPTURE(interval);
        click(control(Name::Option1, interval));
        const bool second = interval == 0;
        for (HWND list : lists) {
            const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
            const RECT area = clientArea(list);
            const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
            const int shownRows = std::min(count, static_cast<int>(area.bottom / height));
            for (int row = 0; row < shownRows; ++row) {
                CAPTURE(row);
                RECT item;
                SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row),
                    reinterpret_cast<LPARAM>(&item));
                CHECK(darkPixels(list, item) > 10);
            }
            // What shows is what the list holds now, not the rows of the interval before.
            std::vector<DWORD>& shown = before[list == lists[0] ? 0 : 1];
            if (second)
                CHECK(shownPixels(list) != shown);
            shown = shownPixels(list);
        }
        for (int i = 0; i < 2; ++i) {
            CHECK(darkPixels(times[i], clientArea(times[i])) > 10);
            // A new time shows as new pixels.
            const std::string text = WindowFixture::text(times[i]);
            if (second && text != timesBefore[i])
                CHECK(shownPixels(times[i]) != before[2 + i]);
            before[2 + i] = shownPixels(times[i]);
            timesBefore[i] = text;
        }
    }
}

namespace {

// What MSAA tells a screen reader a control is called.
std::string accessibleName(HWND hwnd)
{
    IAccessible* accessible = nullptr;
    REQUIRE(SUCCEEDED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT),
        __uuidof(IAccessible), reinterpret_cast<void**>(&accessible))));
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT result = accessible->get_accName(self, &name);
    accessible->Release();
    std::string value = result == S_OK && name ? win32::utf8(name) : std::string();
    SysFreeString(name);
    return value;
}

} // namespace

TEST_CASE_FIXTURE(WindowFixture, "screen readers hear what the logic says of each control")
{
    click(control(Name::Option1, 0));
    for (const form::ControlRow& row : form::design) {
        const form::ControlId id { row.name, static_cast<std::int16_t>(row.index) };
        const form::Spoken spoken = form::spoken(id);
        const HWND hwnd = control(row.name, row.index);
        CAPTURE(form::designName(row));
        if (spoken.role == form::Role::None)
            continue;
        // As MSAA reports it: Wine's oleacc reads window texts, Windows' the annotations or the
        // heading before a control. Wine has no way to name the text box, which has a text.
        if (spoken.role != form::Role::TextBox)
            CHECK(accessibleName(hwnd) == spoken.name);
        // Windows names a control with no text of its own by the label just before it in
        // z-order.
        if (spoken.heading)
            CHECK(GetWindow(hwnd, GW_HWNDPREV)
                == control(spoken.heading->name, spoken.heading->index));
    }
    for (int i = 0; i < 2; ++i) {
        const HWND time = control(Name::Label2, i);
        REQUIRE_FALSE(text(time).empty());
        CHECK(accessibleName(time) == text(time));
    }
}

namespace {

// What a report list view shows: its column headings, then each row, cells separated by tabs,
// each row ended by CR LF.
std::string shownTable(HWND list)
{
    const auto columns = static_cast<int>(SendMessageW(
        reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0));
    const auto rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    std::string shown;
    for (int row = -1; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            wchar_t text[128] = L"";
            if (row < 0) {
                LVCOLUMNW heading {};
                heading.mask = LVCF_TEXT;
                heading.pszText = text;
                heading.cchTextMax = 128;
                SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&heading));
            } else {
                LVITEMW cell {};
                cell.iSubItem = column;
                cell.pszText = text;
                cell.cchTextMax = 128;
                SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&cell));
            }
            shown += (column > 0 ? "\t" : "") + win32::utf8(text);
        }
        shown += "\r\n";
    }
    return shown;
}

// The logic's table as every window shows it, in the same form.
std::string logicTable(const form::TimingTable& table)
{
    std::string text;
    for (int row = -1; row < form::intervalCount; ++row) {
        for (int column = 0; column < form::TimingTable::shownColumns; ++column)
            text += (column > 0 ? "\t" : "")
                + (row < 0 ? form::TimingTable::heading(column) : table.shownText(row, column));
        text += "\r\n";
    }
    return text;
}

std::string clipboardText()
{
    REQUIRE(OpenClipboard(nullptr));
    std::string text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = win32::utf8(static_cast<const wchar_t*>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

} // namespace

TEST_CASE_FIXTURE(WindowFixture, "a click on a time opens «Измервания», which follows each click")
{
    const form::TimingTable& held = window.logic().timings();
    click(control(Name::Option1, 3));
    CHECK(window.measurements() == nullptr); // made only when asked for
    click(control(Name::Label2, 0));
    const HWND measurements = window.measurements();
    REQUIRE(measurements != nullptr);
    CHECK(shown(measurements));
    CHECK(text(measurements) == "Измервания");
    const HWND table = FindWindowExW(measurements, nullptr, WC_LISTVIEWW, nullptr);
    REQUIRE(table != nullptr);
    CHECK((GetWindowLongW(table, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT);
    CHECK(shownTable(table) == logicTable(held));
    CHECK_FALSE(held.cellText(3, form::storedSide).empty());

    // Moved aside, as a pupil would, so that the main window stays in reach at any DPI. More
    // clicks, with another bound: the open window follows them.
    RECT main;
    GetWindowRect(window.hwnd(), &main);
    SetWindowPos(measurements, nullptr, main.right, main.top, 0, 0,
        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    click(control(Name::Option1, 1));
    click(control(Name::Option2, 0));
    click(control(Name::Option1, 2));
    CHECK(shownTable(table) == logicTable(held));
    CHECK_FALSE(held.cellText(1, form::computedSide(2)).empty());
    CHECK_FALSE(held.cellText(2, form::computedSide(0)).empty());
    const HWND chart = GetWindow(table, GW_HWNDNEXT);
    REQUIRE(chart != nullptr);
    const form::Chart model = form::timingChart(held);
    CHECK(accessibleName(chart) == form::spoken(form::MeasurementsPart::Chart, model).name);

    // The chart as drawn, in a window made lower, so that the chart's space is not the shape of
    // its box, and all on the screen: the logic's box scaled uniformly into the chart's client
    // area and centred, each measurement's marker in its fill at its point, where no later marker
    // lies over it.
    RECT frame;
    GetWindowRect(measurements, &frame);
    SetWindowPos(measurements, nullptr, 0, 0, frame.right - frame.left,
        (frame.bottom - frame.top) * 2 / 3, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(chart, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const RECT area = clientArea(chart);
    const form::ChartFit fit = form::fitChart(area.right, area.bottom);
    const auto pixel = [&](form::ChartPoint at) {
        return POINT { std::lround(fit.at(at).x), std::lround(fit.at(at).y) };
    };
    const auto overlaps = [](form::ChartPoint a, form::ChartPoint b) {
        return std::abs(a.x - b.x) < 15 && std::abs(a.y - b.y) < 15;
    };
    const HDC dc = GetDC(chart);
    int markers = 0;
    for (int side = 0; side < form::sideCount; ++side) {
        for (const form::ChartPoint& at : model.points[side]) {
            bool covered = false;
            for (int later = side + 1; later < form::sideCount; ++later)
                covered |= std::any_of(model.points[later].begin(), model.points[later].end(),
                    [&](form::ChartPoint other) { return overlaps(at, other); });
            // The marker is the last filled path around the point.
            std::uint32_t fill = 0;
            for (const form::ChartPath& path : model.paths) {
                if (path.fill && overlaps(at, path.points[0]) && overlaps(at, path.points[2]))
                    fill = *path.fill;
            }
            if (covered)
                continue;
            CAPTURE(side);
            const POINT shown = pixel(at);
            CHECK(GetPixel(dc, shown.x, shown.y) == win32::colourRef(fill));
            ++markers;
        }
    }
    ReleaseDC(chart, dc);
    CHECK(markers > 0);

    // Ctrl+C in the table: the logic's text for a spreadsheet.
    SetForegroundWindow(measurements);
    pump();
    SetFocus(table);
    keyWith(VK_CONTROL, 'C');
    CHECK(clipboardText() == held.clipboardText());

    // Esc closes it, which only hides it; F2 in the main window opens it again, in front.
    key(VK_ESCAPE);
    CHECK_FALSE(shown(measurements));
    SetForegroundWindow(window.hwnd());
    pump();
    key(VK_F2);
    CHECK(shown(measurements));
    CHECK(GetForegroundWindow() == measurements);
    CHECK(window.measurements() == measurements);
}

int wmain(int argc, wchar_t** argv) { return runDoctest(argc, argv); }
