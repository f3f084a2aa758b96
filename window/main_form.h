// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// MainForm is the program's only window on Linux: the Qt front end of the window's logic
// (form/form_logic.h). It builds 22 controls, and the two time labels added to them, from the
// design table (form/design.h), and gives the logic the control operations it asks for
// (form::Controls) over them, and nothing more: the handlers and the two items of state live in
// the logic.
//
// A click on an interval button calls Option1_Click, which refills the left list from the stored
// list, replaces the text box's text by the summary, refills the right list by trial division and
// shows both times; a method button calls Option2_Click; a row selected in either list calls
// List1_Click, which selects the same row in both.
//
// Where the keyboard goes, what screen readers hear and how each text looks are the logic's
// decisions too (form/keyboard.h, form/screen_reader.h, form/look.h); this window only carries
// them out.
//
// A click on either time label, or F2, opens a second window, «Измервания», with every
// measurement so far in a table and a chart (timings_window.h); it follows each later click.
//
// Where things are: main_form.cpp makes the window and connects the controls' signals to the
// handlers; layout.cpp builds and places the controls; keyboard.cpp carries out the keys;
// controls.cpp is form::Controls and readback.cpp form::Readback. The widgets whose Qt defaults
// differ from the design are in widgets.h; the mapping to Qt's accessibility is in
// accessibility.cpp. Each control's objectName is its design name
// ("Option1(2)", "List1(0)", "Frame2"), so tests, the bench and a debugger find it through Qt
// (findChild), or through the read-only arrays below.

#include "form_logic.h"
#include "invariants.h"
#include "keyboard.h"
#include "widgets.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QFrame;
class QLabel;
class TimingsWindow;

class MainForm : public QWidget, private form::Controls, private form::Readback {
    Q_OBJECT
public:
    explicit MainForm(QWidget* parent = nullptr);

    // The design's font: set once for the application, inherited by every control.
    static QFont designFont();

    std::int16_t intervalIndex() const { return logic_.intervalIndex(); }
    std::int16_t methodIndex() const { return logic_.methodIndex(); }
    const form::LastClick& lastClick() const { return logic_.lastClick(); }

    // What a test reads of the window: the logic's read operations on the controls, and what the
    // logic never reads (readback.cpp).
    const form::Controls& controls() const { return *this; }
    const form::Readback& readback() const { return *this; }
    const form::MainFormLogic& logic() const { return logic_; }

    // The control arrays, read-only, in the design's indices.
    const std::array<TextBox*, 2>& text1() const { return Text1; }
    const std::array<QLabel*, 5>& label1() const { return Label1; }
    const std::array<ListBox*, 2>& list1() const { return List1; }
    const std::array<StoredList*, 4>& list2() const { return List2; }
    QFrame* frame1() const { return Frame1; }
    QFrame* frame2() const { return Frame2; }
    const std::array<OptionButton*, 4>& option1() const { return Option1; }
    const std::array<OptionButton*, 3>& option2() const { return Option2; }
    const std::array<QLabel*, 2>& label2() const { return Label2; }

    // «Измервания», every measurement in a table and a chart: made on first use, then raised.
    void showTimings();
    TimingsWindow* timingsWindow() const { return timings_; }

    // The control of the design that `widget` is, if any.
    std::optional<form::ControlId> controlOf(const QWidget* widget) const;
    QWidget* widget(form::ControlId control) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void connectControls();
    void warmUp();

    // form::Controls
    void showRows(form::ControlId list, std::span<const form::ResultRow> rows) override;
    std::int16_t selectedRow(form::ControlId list) const override;
    void setSelectedRow(form::ControlId list, std::int16_t row) override;
    std::string caption(form::ControlId option) const override;
    void setText(form::ControlId textBox, const std::string& text) override;
    void showTimes(const std::array<form::TimeText, 2>& times) override;
    void announce(const std::string& text) override;
    void showTimingTable(const form::TimingTable& table) override;
    // Qt draws only when the event loop runs again, after the handler: nothing to hold back.
    void beginUpdate() override { }
    void endUpdate() override { }

    ListBox* listBox(form::ControlId list) const;

    // form::Readback
    std::string shownText(form::ControlId control) const override;
    bool isChosen(form::ControlId option) const override;
    bool isShown(form::ControlId control) const override;
    std::optional<form::ControlId> focused() const override;
    form::ListView listView(form::ControlId list) const override;
    std::string rowText(form::ControlId list, int row) const override;

    // The controls, in the design's arrays and indices; owned by the window.
    std::array<TextBox*, 2> Text1 {};
    std::array<QLabel*, 5> Label1 {};
    std::array<ListBox*, 2> List1 {};
    std::array<StoredList*, 4> List2 {};
    QFrame* Frame1 = nullptr;
    QFrame* Frame2 = nullptr;
    std::array<OptionButton*, 4> Option1 {};
    std::array<OptionButton*, 3> Option2 {};
    // Added to the design: the measured time of the stored side (0) and of the computed side (1).
    std::array<QLabel*, 2> Label2 {};

    struct Placed {
        const form::ControlRow* row;
        QWidget* widget;
    };
    std::vector<Placed> placed_; // every control, in the design's order, then the time labels
    form::MainFormLogic logic_ { *this };
    TimingsWindow* timings_ = nullptr; // none until first asked for
    bool painted_ = false;
};
