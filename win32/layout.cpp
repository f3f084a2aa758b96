// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Building the window's controls from the design table, and placing them at the window's DPI.

#include "main_window.h"

#include "look.h"
#include "screen_reader.h"
#include "wide_text.h"
#include "window_parts.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <stdexcept>

namespace win32 {
namespace {

    // The z-order, which screen readers take a control's name from: each heading goes just
    // before the control it names, as Windows (MSAA) names a list or a group by the label before
    // it. The rest keeps the design's order, which is its tab order; Tab itself follows the
    // logic's Tab stops (keyboard.cpp), not the z-order.
    std::vector<const form::ControlRow*> zOrder()
    {
        using form::idOf;
        using form::rowOf;
        std::vector<const form::ControlRow*> headings;
        for (const form::ControlRow& row : form::design) {
            if (const auto heading = form::spoken(idOf(row)).heading)
                headings.push_back(rowOf(*heading));
        }
        std::vector<const form::ControlRow*> order;
        for (const form::ControlRow& row : form::design) {
            if (const auto heading = form::spoken(idOf(row)).heading)
                order.push_back(rowOf(*heading));
            if (std::find(headings.begin(), headings.end(), &row) == headings.end())
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

void MainWindow::registerClasses()
{
    win32::registerClasses(instance_, &MainWindow::windowProc, &MainWindow::frameProc);
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
        case Name::Label2: {
            const form::Look look = form::look(*row);
            style |= SS_NOPREFIX | (look.horizontal == form::Look::Align::Centre ? SS_CENTER : 0)
                | (look.vertical == form::Look::Align::Centre ? SS_CENTERIMAGE : 0);
            // The mouse reaches a time label, for its tooltip.
            if (row->name == Name::Label2)
                style |= SS_NOTIFY;
            break;
        }
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
            // group.
            style |= WS_CLIPSIBLINGS;
            exStyle = WS_EX_CONTROLPARENT;
            break;
        case Name::Option1:
        case Name::Option2:
            className = L"BUTTON";
            style |= BS_AUTORADIOBUTTON | WS_TABSTOP | (firstOfGroup ? WS_GROUP : 0);
            break;
        }
        // A list or a frame has no text of its own: its window text, never drawn, names it for
        // a screen reader that reads window texts (Wine's oleacc); Windows' also finds the
        // heading before it.
        if (row->name == Name::List1 || row->name == Name::Frame1 || row->name == Name::Frame2)
            text = wide(form::spoken({ row->name, static_cast<std::int16_t>(row->index) }).name);
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
    Font font(createDesignFont(MulDiv(form::window.fontPoints, static_cast<int>(dpi), 72)));
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

// Names, descriptions and roles for screen readers, as the logic gives them. Buttons and labels
// are named by their captions, the time labels by their text.
void MainWindow::describeForScreenReaders()
{
    for (const Child& child : children_) {
        const form::Spoken spoken
            = form::spoken({ child.row->name, static_cast<std::int16_t>(child.row->index) });
        if (spoken.role == form::Role::None)
            continue;
        if (!spoken.name.empty())
            annotations_.setName(child.hwnd, wide(spoken.name));
        if (!spoken.description.empty())
            annotations_.setDescription(child.hwnd, wide(spoken.description));
        if (spoken.role == form::Role::Group)
            annotations_.setRole(child.hwnd, ROLE_SYSTEM_GROUPING);
    }
}

} // namespace win32
