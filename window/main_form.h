// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// MainForm is the program's only window. It holds 22 controls built from one design table
// (main_form.cpp), the stored prime lists in four hidden list boxes, and two items of state: the
// chosen interval and the chosen divisor bound.
//
// A click on an interval button runs Option1_Click: the left list is refilled from the stored
// list, the summary replaces the text box's text, and FindPrimes refills the right list by trial
// division. A method button only records the bound for the next interval. Selecting a row in
// either list selects the same row in both. Under each list, a label added to the design shows
// how long its side took at the last interval click.
//
// Where things are: every control is made in createControls(), from the design table at the top
// of main_form.cpp (one row per control: tab index, name, container, twips, colour, visibility,
// text); the behaviour is in the handlers below, named after the design's events; the kinds of
// control whose Qt defaults differ from the design are in controls.h. Each control's objectName
// is its design name ("Option1(2)", "List1(0)", "Frame2"), so tests, the bench and a debugger
// find it through Qt (findChild), or through the read-only arrays below.

#include <QWidget>

#include <array>
#include <cstdint>

class QFrame;
class QLabel;
class ListBox;
class OptionButton;
class StoredList;
class TextBox;

class MainForm : public QWidget {
    Q_OBJECT
public:
    explicit MainForm(QWidget* parent = nullptr);

    // Times New Roman, 12 points: set once for the application, inherited by every control.
    static QFont designFont();

    std::int16_t intervalIndex() const { return IntervalIndex; }
    std::int16_t methodIndex() const { return MethodIndex; }

    // What the last interval click measured: the stored side (the left list refilled from its
    // stored list), the computed side (all of FindPrimes), and the remainder operations of its
    // search. Zero before the first click.
    struct Measured {
        qint64 storedNanoseconds = 0;
        qint64 computedNanoseconds = 0;
        std::int64_t remainderOperations = 0;
    };
    const Measured& measured() const { return measured_; }

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

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void createControls();
    void describeForScreenReaders();
    void connectControls();
    QList<QWidget*> tabStops() const;

    void Form_Load();
    void Option1_Click(std::int16_t Index);
    void Option2_Click(std::int16_t Index);
    void List1_Click(std::int16_t Index);
    void FindPrimes();
    void showMeasured();

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

    std::int16_t IntervalIndex = -1; // -1 until the user chooses an interval
    std::int16_t MethodIndex = 2;
    Measured measured_;
    QList<QWidget*> tabOrder_; // every control, in the design's tab order
};
