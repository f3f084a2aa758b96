// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFocusFrame>
#include <QFrame>
#include <QListView>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "result_row.h"

#include <span>
#include <string>

// The window's widgets where Qt's defaults differ from what the window promises its users: a
// focus ring, the lists, the option buttons, the text box, the frames of the groups and the
// hidden stored lists.

// A ring in the text colour along the edge of its parent control while that control has the
// keyboard focus. The styles' own marks are a faint dotted line on the coloured buttons, a pale
// row outline in the lists and a thin caret in the text box: too little for a pupil at the back
// of a classroom, or on a projector, to see where the keys go.
class FocusMark : public QFocusFrame {
    Q_OBJECT
public:
    explicit FocusMark(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();
};

// A single-selection list whose selected row is its selection, never merely Qt's current item.
// It shows rows the logic holds, put in all at once: no item object per row, and one change for
// the view and for screen readers to follow rather than one per row.
//
// Its current item moves only while it has the focus: Qt tells screen readers that a list's
// current item moved as if the focus had gone there, so a list set from the other one would be
// announced while the user is still in the other one. The current item catches up with the
// selection when the list is entered, so the keyboard goes on from the selected row.
class ListBox : public QListView {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    // Shows these rows instead of the ones it showed, with none selected.
    void setRows(std::span<const form::ResultRow> rows);
    int count() const;
    // The row as shown, empty past the last one.
    std::string rowText(int row) const;
    // 0-based selected row, -1 for none.
    int selectedRow() const;
    // Selects `row` (or nothing for -1) and scrolls to it, moving the current item only if the
    // list has the focus; selecting the row already selected changes nothing and emits nothing.
    void setSelectedRow(int row);
    // Selects `row` as a key pressed in the list does, so that a screen reader hears of it.
    void selectByKey(int row);

Q_SIGNALS:
    // A row became selected, by the user or by setSelectedRow.
    void rowSelected();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void currentToSelection();
    int currentRow() const;
};

// An option button that reacts to a click anywhere on its rectangle. Its arrow keys are the
// window's (MainForm::eventFilter).
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString& caption, QWidget* parent = nullptr);

protected:
    bool hitButton(const QPoint& pos) const override;
};

// A read-only, multi-line text box that keeps its text exactly as given (CR LF line ends
// included) and shows each CR LF as a line break.
//
// A text given while the box is hidden goes into it when it is shown, at its placed size: laid
// out at once, it would be laid out at Qt's default size and again at the placed one, a good part
// of the window's start-up; the hidden quotation is never laid out.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showText();

    QString text_;
    bool textShown_ = true;
};

// A borderless frame that holds one group of option buttons. Screen readers meet it as a named
// group, so that entering it says which choice the buttons make; a plain QFrame would be an
// anonymous border.
class GroupFrame : public QFrame {
    Q_OBJECT
public:
    explicit GroupFrame(QWidget* parent = nullptr);
};

// A hidden list box of rows typed in beforehand. Its model reads the rows straight from the
// program's own table, so that holding 1061 rows costs no item object, and no copy, per row. The
// view gets that model when it is first shown, which in this window it never is: connecting a
// model to a view costs more at start-up than all the rows.
class StoredList : public QListView {
    Q_OBJECT
public:
    StoredList(std::span<const char* const> rows, QWidget* parent = nullptr);

    int count() const;
    // The row as stored, empty past the last one.
    std::string rowText(int row) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::span<const char* const> rows_;
};
