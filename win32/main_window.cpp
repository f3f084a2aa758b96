// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include "form_texts.h"
#include "wide_text.h"
#include "window_parts.h"

#include <commctrl.h>

#include <stdexcept>

namespace win32 {
namespace {

    // The system menu's item for the window «Измервания»: below the system's own commands
    // (0xF000 and up), its low four bits clear as the system wants.
    constexpr UINT measurementsCommand = 0x0010;
    // Posted to itself once shown: warm up what a click measures. Its first slice comes before any
    // input; the others on a timer, whose messages come after input and painting.
    constexpr UINT warmUpMessage = WM_APP + 1;
    constexpr UINT_PTR warmUpTimer = 1;

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
    registerClasses();

    const std::wstring title = wide(form::windowTitle());
    window_
        = CreateWindowExW(windowExStyle, windowClass, title.c_str(), windowStyle | WS_CLIPCHILDREN,
            CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    if (!window_)
        throw std::runtime_error("CreateWindowExW failed for the main window");

    createControls();
    HMENU systemMenu = GetSystemMenu(window_, FALSE);
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, measurementsCommand,
        (wide(texts::measurementsTitle) + L"\tF2").c_str());
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

void MainWindow::show(int showCommand)
{
    // Activated, the window gives the focus to the text box (WM_ACTIVATE), as the Linux one does.
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    // Painted: the logic warms up what a click measures (MainFormLogic::warmUp) before any
    // input, which comes after posted messages.
    PostMessageW(window_, warmUpMessage, 0, 0);
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
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != measurementsCommand)
            break;
        openMeasurements();
        return 0;
    case WM_SETCURSOR: {
        // A hand over a time: a click there opens the measurements.
        const Child* child = find(reinterpret_cast<HWND>(wParam));
        if (!child || child->row->name != form::Name::Label2 || LOWORD(lParam) != HTCLIENT)
            break;
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
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
            focusWithoutChoosing(lastFocus_ ? lastFocus_ : require(form::initialFocus()));
        return 0;
    case warmUpMessage:
        if (logic_.warmUp())
            SetTimer(window_, warmUpTimer, USER_TIMER_MINIMUM, nullptr);
        return 0;
    case WM_TIMER:
        if (wParam != warmUpTimer)
            break;
        if (!logic_.warmUp())
            KillTimer(window_, warmUpTimer);
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
            logic_.Option1_Click(index);
        else
            logic_.Option2_Click(index);
        return;
    case form::Name::List1:
        if (code == LBN_SELCHANGE)
            logic_.List1_Click(index);
        return;
    case form::Name::Label2: // SS_NOTIFY
        if (code == STN_CLICKED)
            openMeasurements();
        return;
    default:
        return;
    }
}

void MainWindow::openMeasurements()
{
    if (!measurements_)
        measurements_ = std::make_unique<MeasurementsWindow>(instance_, window_, logic_.timings());
    measurements_->open();
}

} // namespace win32
