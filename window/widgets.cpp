// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets.h"

#include "accessibility.h"

#include <QAbstractListModel>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

// A QFocusFrame, but placed and drawn here: its own drawing is left to the style, and Fusion
// draws none. Being one keeps it out of the accessible tree, where it would be a nameless child.
FocusMark::FocusMark(QWidget* control)
    : QFocusFrame(control)
{
    hide();
    control->installEventFilter(this);
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut || type == QEvent::Resize)
        follow();
    return QFocusFrame::eventFilter(watched, event);
}

void FocusMark::follow()
{
    constexpr int width = 2; // device-independent pixels, so it grows with QT_SCALE_FACTOR
    const QWidget* control = parentWidget();
    if (!control->hasFocus()) {
        hide();
        return;
    }
    const QRect ring = control->rect();
    setGeometry(ring);
    setMask(QRegion(ring) - QRegion(ring.adjusted(width, width, -width, -width)));
    raise(); // above a list's viewport and scroll bars
    show();
}

void FocusMark::paintEvent(QPaintEvent*)
{
    // The control's own text colour: it contrasts with the control's background in any theme,
    // and unlike the highlight colour it does not merge into a selected row.
    const QWidget* control = parentWidget();
    QPainter(this).fillRect(rect(), control->palette().color(control->foregroundRole()));
}

namespace {

// The rows a result list shows, as the logic gave them, decimal text.
class ResultRows : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setRows(std::span<const form::ResultRow> rows)
    {
        beginResetModel();
        rows_.assign(rows.begin(), rows.end());
        endResetModel();
    }

    std::string rowText(int row) const
    {
        return row >= 0 && row < static_cast<int>(rows_.size())
            ? std::string(rows_[static_cast<std::size_t>(row)].text())
            : std::string();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
            return {};
        const std::string_view text = rows_[static_cast<std::size_t>(index.row())].text();
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }

private:
    std::vector<form::ResultRow> rows_;
};

} // namespace

ListBox::ListBox(QWidget* parent)
    : QListView(parent)
{
    new FocusMark(this);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setModel(new ResultRows(this));
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (selectedRow() >= 0)
            Q_EMIT rowSelected();
    });
}

void ListBox::setRows(std::span<const form::ResultRow> rows)
{
    static_cast<ResultRows*>(model())->setRows(rows);
}

int ListBox::count() const { return model()->rowCount(); }

std::string ListBox::rowText(int row) const
{
    return static_cast<const ResultRows*>(model())->rowText(row);
}

int ListBox::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

int ListBox::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ListBox::setSelectedRow(int row)
{
    if (row == selectedRow())
        return;
    if (row < 0 || row >= count()) {
        clearSelection();
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    if (hasFocus())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    else
        selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(
    const QModelIndex& index, const QEvent* event) const
{
    // The user cannot take the selection away: not by a click below the last row, not by
    // Ctrl+click or Ctrl+Space on the selected row.
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags command = QListView::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return command;
}

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent)
{
    new FocusMark(this);
}

bool OptionButton::hitButton(const QPoint& pos) const { return rect().contains(pos); }

TextBox::TextBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    new FocusMark(this);
    setReadOnly(true);
    // Read-only still lets the user scroll, select and copy, with the mouse or the keyboard.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TextBox::setText(const QString& text)
{
    text_ = text;
    textShown_ = false;
    if (isVisible())
        showText();
}

void TextBox::showEvent(QShowEvent* event)
{
    // Sent once the box has its placed size, before it is painted.
    if (!textShown_)
        showText();
    QPlainTextEdit::showEvent(event);
}

void TextBox::showText()
{
    textShown_ = true;
    QString shown = text_;
    shown.replace(u"\r\n"_s, u"\n"_s);
    // QPlainTextEdit reports the replacement to assistive technology itself, as the old text
    // removed and the new one inserted; an event of our own would have it announced twice.
    setPlainText(shown);
    verticalScrollBar()->setValue(0);
}

GroupFrame::GroupFrame(QWidget* parent)
    : QFrame(parent)
{
    installGroupRole();
    setFrameShape(QFrame::NoFrame);
}

namespace {

// Rows as decimal text in a table of string literals, shown as they are.
class RowTable : public QAbstractListModel {
public:
    RowTable(std::span<const char* const> rows, QObject* parent)
        : QAbstractListModel(parent)
        , rows_(rows)
    {
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
            return {};
        return QString::fromLatin1(rows_[static_cast<std::size_t>(index.row())]);
    }

private:
    std::span<const char* const> rows_;
};

} // namespace

StoredList::StoredList(std::span<const char* const> rows, QWidget* parent)
    : QListView(parent)
    , rows_(rows)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void StoredList::showEvent(QShowEvent* event)
{
    if (!model())
        setModel(new RowTable(rows_, this));
    QListView::showEvent(event);
}

int StoredList::count() const { return static_cast<int>(rows_.size()); }

std::string StoredList::rowText(int row) const
{
    if (row < 0 || row >= count())
        return {};
    return rows_[static_cast<std::size_t>(row)];
}
// How a list keeps the focus where the user is. Qt tells screen readers that a list's current item
// moved as if the focus had gone there, so the current item of a list set from the other one moves
// only while it has the focus (ListBox::setSelectedRow), and catches up with the selection when the
// list is entered, so that the keyboard goes on from the selected row.

void ListBox::currentToSelection()
{
    const int row = selectedRow();
    if (row >= 0 && row != currentRow())
        selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
}

void ListBox::focusInEvent(QFocusEvent* event)
{
    // Before Qt's own handling, which would make the first row current. A click on a row makes
    // that row current itself; catching up first would have the old row read out on the way.
    if (event->reason() != Qt::MouseFocusReason)
        currentToSelection();
    QListView::focusInEvent(event);
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    // Entered by a click that picked no row (on the scroll bar), the list has not caught up yet.
    // The window's keys (form::keyAction) never come here; the rest are Qt's own.
    currentToSelection();
    QListView::keyPressEvent(event);
}

void ListBox::selectByKey(int row)
{
    // Screen readers hear of a row when it becomes current, not when it becomes selected: a row
    // made current on entry without being selected is made current anew, so that this key is
    // heard.
    if (row == currentRow())
        selectionModel()->clearCurrentIndex();
    setSelectedRow(row);
}
