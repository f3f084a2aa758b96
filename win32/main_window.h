// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window on Windows: the design's controls as Windows' standard controls (STATIC, BUTTON,
// LISTBOX, EDIT) and two borderless frame windows holding the option buttons, built from the
// design table at the window's DPI. A click on an option button reaches the window as BN_CLICKED
// through its frame, a row chosen in a list as LBN_SELCHANGE; each runs the form's handler
// (Option1_Click, Option2_Click, List1_Click), which asks for the lists, the text box and the
// times through the Controls interface implemented here. Besides, the window only carries out the
// logic's decisions on the design's look, the keyboard and what screen readers hear.
//
// A click on either time, F2 and the system menu open the window «Измервания»
// (measurements_window.h), made the first time it is asked for; each interval click's
// showTimingTable passes every measurement on to it.
//
// Where things are: main_window.cpp makes the window and turns its messages into handler calls;
// layout.cpp builds and places the controls and names them for screen readers; keyboard.cpp
// moves the focus; colours.cpp paints the designed colours; controls.cpp is form::Controls.

#include "accessibility.h"
#include "controls.h"
#include "form_logic.h"
#include "gdi.h"
#include "invariants.h"
#include "keyboard.h"
#include "measurements_window.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

namespace win32 {

class MainWindow final : public form::Controls, public form::Readback {
public:
    // Makes the window and its controls at the DPI of the screen it opens on, and runs Form_Load.
    // The window stays hidden until show().
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    void show(int showCommand);
    HWND hwnd() const { return window_; }
    // The child window of a control of the design, nullptr if there is none.
    HWND control(form::Name name, int index) const;
    HWND tooltips() const { return tooltip_; }
    const form::MainFormLogic& logic() const { return logic_; }
    // The window «Измервания», nullptr until it is first opened.
    HWND measurements() const { return measurements_ ? measurements_->hwnd() : nullptr; }

    // The window's own keyboard handling of a message taken from the queue (every key the logic
    // decides: form::keyAction), then the dialog manager's. True if the message was handled
    // and must not be dispatched.
    bool preTranslate(MSG& message);

    // The message loop of the program, until the window is closed.
    int run();

    // form::Controls
    void showRows(form::ControlId list, std::span<const form::ResultRow> rows) override;
    std::int16_t selectedRow(form::ControlId list) const override;
    void setSelectedRow(form::ControlId list, std::int16_t row) override;
    std::string caption(form::ControlId option) const override;
    void setText(form::ControlId textBox, const std::string& text) override;
    void showTimes(const std::array<form::TimeText, 2>& times) override;
    void showTimingTable(const form::TimingTable& table) override;
    void announce(const std::string& text) override;
    void beginUpdate() override;
    void endUpdate() override;

    // form::Readback, for the keyboard and for tests: what the controls show (readback.cpp).
    std::string shownText(form::ControlId control) const override;
    bool isChosen(form::ControlId option) const override;
    bool isShown(form::ControlId control) const override;
    std::optional<form::ControlId> focused() const override;
    form::ListView listView(form::ControlId list) const override;
    std::string rowText(form::ControlId list, int row) const override;

private:
    struct Child {
        const form::ControlRow* row;
        HWND hwnd;
    };

    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK frameProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void registerClasses();
    void createControls();
    void placeControls(UINT dpi);
    void fitClientArea();
    void describeForScreenReaders();
    const Child* find(HWND hwnd) const;
    HWND require(form::ControlId id) const;
    LRESULT colours(HDC dc, HWND control);
    void command(HWND control, WORD code);

    void focusWithoutChoosing(HWND control);
    // Makes the window «Измервания» the first time, then brings it to the front, with the
    // focus where the logic says (form::measurementsTakeFocus).
    void openMeasurements();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr; // the time labels' tooltips; owned by the window
    std::vector<Child> children_; // the design's rows, then the time labels
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    HWND lastFocus_ = nullptr; // the control to give the focus back to on activation
    bool focusing_ = false; // within focusWithoutChoosing's SetFocus
    Font font_;
    Brush windowBrush_;
    std::vector<std::pair<std::uint32_t, Brush>> brushes_; // one per designed colour
    Annotations annotations_;
    std::unique_ptr<MeasurementsWindow> measurements_;
    form::MainFormLogic logic_ { *this };
};

} // namespace win32
