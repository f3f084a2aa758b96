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

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void createControls();
    void connectControls();
    QList<QWidget*> tabStops() const;

    void Form_Load();
    void Option1_Click(std::int16_t Index);
    void Option2_Click(std::int16_t Index);
    void List1_Click(std::int16_t Index);
    void FindPrimes();
    void showMeasured();

    std::int16_t IntervalIndex = -1; // -1 until the user chooses an interval
    std::int16_t MethodIndex = 2;
    Measured measured_;
    QList<QWidget*> tabOrder_; // every control, in the design's tab order
};
