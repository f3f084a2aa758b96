// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include "design.h"
#include "form_texts.h"
#include "wide_text.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <stdexcept>

namespace win32 {
namespace {

    constexpr wchar_t windowClass[] = L"PrimeIntervalsWindow";
    constexpr wchar_t frameClass[] = L"PrimeIntervalsFrame";
    constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    constexpr DWORD windowExStyle = 0;
    constexpr int firstControlId = 100; // a child's id: this plus its place in children_

    int pixels(int twips, UINT dpi)
    {
        return MulDiv(twips, static_cast<int>(dpi), form::twipsPerInch);
    }

    COLORREF colourRef(std::uint32_t rgb)
    {
        return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }

    bool isOption(form::Name name)
    {
        return name == form::Name::Option1 || name == form::Name::Option2;
    }

    bool isChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

    // The z-order, which screen readers take a control's name from: each heading goes just
    // before the control it names, as Windows (MSAA) names a list or a group by the label before
    // it. The rest keeps the design's order, which is its tab order; Tab itself follows the
    // design table (MainWindow::tabStops), not the z-order.
    std::vector<const form::ControlRow*> zOrder()
    {
        using form::Name;
        struct Labelled {
            form::ControlId heading, control;
        };
        constexpr Labelled headings[] = {
            { { Name::Label1, 2 }, { Name::List1, 0 } },
            { { Name::Label1, 1 }, { Name::Frame1, 0 } },
            { { Name::Label1, 3 }, { Name::List1, 1 } },
            { { Name::Label1, 4 }, { Name::Frame2, 0 } },
        };
        const auto is = [](const form::ControlRow& row, form::ControlId id) {
            return row.name == id.name && row.index == id.index;
        };
        const auto rowOf = [&](form::ControlId id) {
            return &*std::find_if(std::begin(form::design), std::end(form::design),
                [&](const form::ControlRow& row) { return is(row, id); });
        };
        std::vector<const form::ControlRow*> order;
        for (const form::ControlRow& row : form::design) {
            bool isHeading = false;
            for (const Labelled& labelled : headings) {
                isHeading = isHeading || is(row, labelled.heading);
                if (is(row, labelled.control))
                    order.push_back(rowOf(labelled.heading));
            }
            if (!isHeading)
                order.push_back(&row);
        }
        for (const form::ControlRow& row : form::timeDesign)
            order.push_back(&row);
        return order;
    }

    void registerClasses(HINSTANCE instance, WNDPROC windowProc, WNDPROC frameProc)
    {
        WNDCLASSEXW window {};
        window.cbSize = sizeof window;
        window.lpfnWndProc = windowProc;
        window.hInstance = instance;
        window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        window.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        window.lpszClassName = windowClass;
        RegisterClassExW(&window); // fails harmlessly when a second window registers it again

        WNDCLASSEXW frame = window;
        frame.lpfnWndProc = frameProc;
        frame.hIcon = nullptr;
        frame.lpszClassName = frameClass;
        RegisterClassExW(&frame);
    }

} // namespace

MainWindow::MainWindow(HINSTANCE instance)
    : instance_(instance)
    , windowBrush_(CreateSolidBrush(colourRef(form::window.background.rgb)))
{
    // The manifest declares per-monitor DPI awareness (v2); this covers a program started
    // without it, such as the tests. It fails harmlessly once the manifest has set it.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);

    INITCOMMONCONTROLSEX common { sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES };
    InitCommonControlsEx(&common);
    registerClasses(instance, &MainWindow::windowProc, &MainWindow::frameProc);

    const std::wstring title = wide(form::windowTitle());
    window_
        = CreateWindowExW(windowExStyle, windowClass, title.c_str(), windowStyle | WS_CLIPCHILDREN,
            CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    if (!window_)
        throw std::runtime_error("CreateWindowExW failed for the main window");

    createControls();
    // What a time measures shows in its tooltip, as in the Linux window.
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
        CW_USEDEFAULT, window_, nullptr, instance, nullptr);
    placeControls(GetDpiForWindow(window_));
    describeForScreenReaders();
    // Focus cues always show, as in the Linux window, not only once a key has been pressed.
    SendMessageW(
        window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    logic_.Form_Load();
}

MainWindow::~MainWindow()
{
    annotations_.clear();
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void MainWindow::createControls()
{
    using form::Name;
    const std::vector<const form::ControlRow*> order = zOrder();
    children_.reserve(order.size());
    for (const form::ControlRow* row : order) {
        HWND parent = window_;
        if (row->container != form::Container::Window) {
            const Name frameName
                = row->container == form::Container::Frame1 ? Name::Frame1 : Name::Frame2;
            parent = control(frameName, 0);
        }
        const wchar_t* className = L"STATIC";
        DWORD style = WS_CHILD | (row->visible ? WS_VISIBLE : 0);
        DWORD exStyle = 0;
        std::wstring text = row->text ? wide(row->text) : std::wstring();
        const bool firstOfGroup = isOption(row->name) && row->index == 0;
        switch (row->name) {
        case Name::Text1:
            className = L"EDIT";
            style |= ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case Name::Label1:
            style |= SS_CENTER | SS_NOPREFIX;
            break;
        case Name::Label2:
            // Centred both ways, one line, as the Linux window's time labels.
            // SS_NOTIFY: the mouse reaches it, for its tooltip.
            style |= SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | SS_NOTIFY;
            break;
        case Name::List1:
        case Name::List2:
            className = L"LISTBOX";
            style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case Name::Frame1:
        case Name::Frame2:
            className = frameClass;
            // Borderless, in the window's colour; its buttons are its children and one radio
            // group. Its text, never drawn, names the group for a screen reader that reads
            // window texts (Wine's oleacc); Windows' also finds the heading before it.
            style |= WS_CLIPSIBLINGS;
            exStyle = WS_EX_CONTROLPARENT;
            text = wide(row->name == Name::Frame1 ? texts::intervalHeading : texts::methodHeading);
            break;
        case Name::Option1:
        case Name::Option2:
            className = L"BUTTON";
            style |= BS_AUTORADIOBUTTON | WS_TABSTOP | (firstOfGroup ? WS_GROUP : 0);
            break;
        }
        // A list has no text of its own; its window text names it where the heading before it
        // is not looked at (Wine's oleacc). Windows' own list box never shows it.
        if (row->name == Name::List1)
            text = wide(row->index == 0 ? texts::storedHeading : texts::computedHeading);
        const int id = firstControlId + static_cast<int>(children_.size());
        HWND hwnd = CreateWindowExW(exStyle, className, text.c_str(), style, 0, 0, 0, 0, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
        if (!hwnd)
            throw std::runtime_error("CreateWindowExW failed for " + form::designName(*row));
        children_.push_back({ row, hwnd });

        if (isOption(row->name) && row->chosen)
            SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        if (row->name == Name::List2) {
            const auto rows = form::initialRows(*row);
            SendMessageW(hwnd, LB_INITSTORAGE, rows.size(), rows.size() * 8);
            for (const char* value : rows)
                SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(value).c_str()));
        }
    }
}

// Every size from the design's twips at the window's DPI: at 96 dpi 15 twips make a pixel, the
// Linux window's pixels exactly; at 192 dpi everything is twice as large.
void MainWindow::placeControls(UINT dpi)
{
    dpi_ = dpi;
    // The controls take the new font before the old one is deleted.
    Font font(CreateFontW(-MulDiv(form::window.fontPoints, static_cast<int>(dpi), 72), 0, 0, 0,
        FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
        CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_ROMAN, wide(form::window.fontName).c_str()));
    for (const Child& child : children_) {
        const form::ControlRow& row = *child.row;
        SendMessageW(child.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        SetWindowPos(child.hwnd, nullptr, pixels(row.left, dpi), pixels(row.top, dpi),
            pixels(row.width, dpi), pixels(row.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame { 0, 0, pixels(form::window.clientWidth, dpi),
        pixels(form::window.clientHeight, dpi) };
    AdjustWindowRectExForDpi(&frame, windowStyle, FALSE, windowExStyle, dpi);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (tooltip_) {
        SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(320, static_cast<int>(dpi), 96));
    }
    font_ = std::move(font);
    fitClientArea();
    RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// The frame's size for a client area comes from the system's metrics at the DPI, as the suggested
// frame of WM_DPICHANGED does. Wine draws the frame at the system's DPI whatever the window's, so
// there the client area can come out a few pixels off: whatever is off is made up here.
void MainWindow::fitClientArea()
{
    RECT client;
    GetClientRect(window_, &client);
    const int wantedWidth = pixels(form::window.clientWidth, dpi_);
    const int wantedHeight = pixels(form::window.clientHeight, dpi_);
    if (client.right == wantedWidth && client.bottom == wantedHeight)
        return;
    RECT frame;
    GetWindowRect(window_, &frame);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + wantedWidth - client.right,
        frame.bottom - frame.top + wantedHeight - client.bottom,
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Names, descriptions and roles for screen readers, as the Linux window gives them. Buttons and
// labels are named by their captions, the time labels by their text.
void MainWindow::describeForScreenReaders()
{
    using form::Name;
    namespace spoken = texts::spoken;
    const HWND textBox = control(Name::Text1, 0);
    annotations_.setName(textBox, wide(spoken::textBoxName));
    annotations_.setDescription(textBox, wide(spoken::textBoxDescription));
    annotations_.setName(control(Name::List1, 0), wide(texts::storedHeading));
    annotations_.setDescription(control(Name::List1, 0), wide(spoken::storedListDescription));
    annotations_.setName(control(Name::List1, 1), wide(texts::computedHeading));
    annotations_.setDescription(control(Name::List1, 1), wide(spoken::computedListDescription));
    annotations_.setName(control(Name::Frame1, 0), wide(texts::intervalHeading));
    annotations_.setDescription(control(Name::Frame1, 0), wide(spoken::intervalGroupDescription));
    annotations_.setRole(control(Name::Frame1, 0), ROLE_SYSTEM_GROUPING);
    annotations_.setName(control(Name::Frame2, 0), wide(texts::methodHeading));
    annotations_.setDescription(control(Name::Frame2, 0), wide(spoken::methodGroupDescription));
    annotations_.setRole(control(Name::Frame2, 0), ROLE_SYSTEM_GROUPING);
    for (int i = 0; i < static_cast<int>(std::size(spoken::intervalDescriptions)); ++i)
        annotations_.setDescription(
            control(Name::Option1, i), wide(spoken::intervalDescriptions[i]));
    for (int i = 0; i < static_cast<int>(std::size(spoken::methodDescriptions)); ++i)
        annotations_.setDescription(control(Name::Option2, i), wide(spoken::methodDescriptions[i]));
}

void MainWindow::show(int showCommand)
{
    // Activated, the window gives the focus to the text box (WM_ACTIVATE), as the Linux one does.
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

HWND MainWindow::control(form::Name name, int index) const
{
    for (const Child& child : children_) {
        if (child.row->name == name && child.row->index == index)
            return child.hwnd;
    }
    return nullptr;
}

HWND MainWindow::require(form::ControlId id) const
{
    HWND hwnd = control(id.name, id.index);
    if (!hwnd)
        throw std::out_of_range("no control for this id");
    return hwnd;
}

const MainWindow::Child* MainWindow::find(HWND hwnd) const
{
    for (const Child& child : children_) {
        if (child.hwnd == hwnd)
            return &child;
    }
    return nullptr;
}

int MainWindow::run()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (preTranslate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

bool MainWindow::preTranslate(MSG& message)
{
    if (!window_ || (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
        return false;
    if (message.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) >= 0
        && GetKeyState(VK_MENU) >= 0) {
        switch (message.wParam) {
        case VK_TAB:
            moveFocus(GetKeyState(VK_SHIFT) >= 0);
            return true;
        case VK_UP:
        case VK_LEFT:
        case VK_DOWN:
        case VK_RIGHT:
            if (stepOption(message.hwnd, message.wParam == VK_DOWN || message.wParam == VK_RIGHT))
                return true;
            break;
        default:
            break;
        }
    }
    return IsDialogMessageW(window_, &message) != FALSE;
}

// Tab visits the controls in the design's tab order; a group of option buttons is one stop,
// entered at its chosen button (at its first while none is chosen). Handled here, before the
// dialog manager sees the key: Wine's does not wrap Tab from the last stop inside a frame
// (WS_EX_CONTROLPARENT) back to the first stop, and a multi-line EDIT would keep Tab for itself
// (DLGC_WANTALLKEYS), so the dialog manager would never move on from the text box.
std::vector<HWND> MainWindow::tabStops() const
{
    std::vector<HWND> stops;
    for (const form::ControlRow& row : form::design) {
        const HWND hwnd = control(row.name, row.index);
        const HWND parent = GetParent(hwnd);
        const bool shown = (GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE)
            && (parent == window_ || (GetWindowLongW(parent, GWL_STYLE) & WS_VISIBLE));
        if (!shown || !IsWindowEnabled(hwnd))
            continue;
        switch (row.name) {
        case form::Name::Text1:
        case form::Name::List1:
        case form::Name::List2:
            stops.push_back(hwnd);
            break;
        case form::Name::Option1:
        case form::Name::Option2: {
            HWND chosen = nullptr;
            HWND first = nullptr;
            for (HWND b = GetWindow(parent, GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT)) {
                first = first ? first : b;
                if (!chosen && isChecked(b))
                    chosen = b;
            }
            if (hwnd == (chosen ? chosen : first))
                stops.push_back(hwnd);
            break;
        }
        default:
            break; // labels and frames take no focus
        }
    }
    return stops;
}

void MainWindow::moveFocus(bool forward)
{
    const std::vector<HWND> stops = tabStops();
    if (stops.empty())
        return;
    const HWND focused = GetFocus();
    auto at = std::find(stops.begin(), stops.end(), focused);
    if (at == stops.end() && focused) {
        // An option button that is not its group's stop: move on from the group's stop.
        at = std::find_if(stops.begin(), stops.end(),
            [&](HWND stop) { return GetParent(stop) == GetParent(focused) && stop != focused; });
    }
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t index = at - stops.begin();
    // From outside every stop, Tab reaches the first and Shift+Tab the last.
    if (at == stops.end())
        index = forward ? -1 : count;
    index = ((index + (forward ? 1 : -1)) % count + count) % count;
    focusWithoutChoosing(stops[static_cast<std::size_t>(index)]);
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

// Arrows within a group choose the next or previous button, round the group, and run its
// handler, as the Linux window does. The click comes from BM_CLICK, which checks the button and
// sends BN_CLICKED, as the dialog manager does for an automatic option button.
bool MainWindow::stepOption(HWND focused, bool forward)
{
    const Child* child = find(focused);
    if (!child || !isOption(child->row->name))
        return false;
    std::vector<HWND> group;
    for (HWND b = GetWindow(GetParent(focused), GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT))
        group.push_back(b);
    const auto at = std::find(group.begin(), group.end(), focused) - group.begin();
    const auto count = static_cast<std::ptrdiff_t>(group.size());
    const HWND next = group[static_cast<std::size_t>((at + (forward ? 1 : -1) + count) % count)];
    SetFocus(next);
    SendMessageW(next, BM_CLICK, 0, 0);
    return true;
}

LRESULT CALLBACK MainWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(
            hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (!self || !self->window_) // before CreateWindowExW has returned, or after WM_DESTROY
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

// A frame draws nothing but the window's colour and passes its buttons' notifications and
// colour requests on to the window.
LRESULT CALLBACK MainWindow::frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_ERASEBKGND:
        if (message == WM_ERASEBKGND) {
            auto* self
                = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA));
            if (!self)
                break;
            RECT area;
            GetClientRect(hwnd, &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area, self->windowBrush_.get());
            return 1;
        }
        return SendMessageW(GetParent(hwnd), message, wParam, lParam);
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(window_, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, windowBrush_.get());
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return colours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        if (lParam)
            command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_DPICHANGED: {
        placeControls(HIWORD(wParam));
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top,
            suggested->right - suggested->left, suggested->bottom - suggested->top,
            SWP_NOZORDER | SWP_NOACTIVATE);
        fitClientArea();
        return 0;
    }
    case WM_ACTIVATE:
        // Back in the window, the focus returns to the control that had it, not to the window.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (const HWND focused = GetFocus(); focused && IsChild(window_, focused))
                lastFocus_ = focused;
            return 0;
        }
        if (!HIWORD(wParam)) // not minimised
            focusWithoutChoosing(lastFocus_ ? lastFocus_ : control(form::Name::Text1, 0));
        return 0;
    case WM_CLOSE:
        DestroyWindow(window_);
        return 0;
    case WM_DESTROY:
        annotations_.clear();
        window_ = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// Fixed backgrounds keep black text; the time labels have no background, the window's colour
// shows through; the read-only text box (a STATIC colour case) keeps the system's colours for a
// text box, as designed, not the grey of a read-only one.
LRESULT MainWindow::colours(HDC dc, HWND hwnd)
{
    const Child* child = find(hwnd);
    if (!child)
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
            reinterpret_cast<LPARAM>(hwnd));
    const form::Background background = child->row->background;
    switch (background.kind) {
    case form::Background::Kind::System:
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case form::Background::Kind::None:
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(windowBrush_.get());
    case form::Background::Kind::Rgb:
        break;
    }
    auto brush = std::find_if(brushes_.begin(), brushes_.end(),
        [&](const auto& entry) { return entry.first == background.rgb; });
    if (brush == brushes_.end()) {
        brushes_.emplace_back(background.rgb, Brush(CreateSolidBrush(colourRef(background.rgb))));
        brush = brushes_.end() - 1;
    }
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, colourRef(background.rgb));
    return reinterpret_cast<LRESULT>(brush->second.get());
}

void MainWindow::command(HWND hwnd, WORD code)
{
    const Child* child = find(hwnd);
    if (!child)
        return;
    const auto index = static_cast<std::int16_t>(child->row->index);
    switch (child->row->name) {
    case form::Name::Option1:
    case form::Name::Option2:
        // A button taking the focus unchosen also sends BN_CLICKED (focusWithoutChoosing);
        // only a click that chose it runs the handler.
        if (code != BN_CLICKED || focusing_ || !isChecked(hwnd))
            return;
        if (child->row->name == form::Name::Option1)
            intervalClick(index);
        else
            logic_.Option2_Click(index);
        return;
    case form::Name::List1:
        if (code == LBN_SELCHANGE)
            logic_.List1_Click(index);
        return;
    default:
        return;
    }
}

// Filling a shown list row by row redraws it after each row, an X11 round trip per row under
// Wine (4.5 s for 1061 rows); with drawing off during the handler it takes milliseconds.
void MainWindow::intervalClick(std::int16_t index)
{
    const HWND lists[] = { control(form::Name::List1, 0), control(form::Name::List1, 1) };
    for (HWND list : lists)
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    logic_.Option1_Click(index);
    for (HWND list : lists) {
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(list, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
    }
}

void MainWindow::clearList(form::ControlId list)
{
    SendMessageW(require(list), LB_RESETCONTENT, 0, 0);
}

void MainWindow::appendRow(form::ControlId list, const std::string& text)
{
    SendMessageW(require(list), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text).c_str()));
}

std::int16_t MainWindow::rowCount(form::ControlId list) const
{
    return static_cast<std::int16_t>(SendMessageW(require(list), LB_GETCOUNT, 0, 0));
}

std::string MainWindow::rowText(form::ControlId list, std::int16_t row) const
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

void MainWindow::announce(const std::string& text) { win32::announce(window_, wide(text)); }

} // namespace win32
