#include "controls.h"

#include <QKeyEvent>
#include <QScrollBar>

using namespace Qt::StringLiterals;

ListBox::ListBox(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (selectedRow() >= 0)
            Q_EMIT rowSelected();
    });
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
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(
    const QModelIndex& index, const QEvent* event) const
{
    // The user cannot take the selection away: not by a click below the last row, not by
    // Ctrl+click or Ctrl+Space on the selected row.
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return command;
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    // Tabbing in makes the first row current without selecting it; the first arrow press then
    // selects that row instead of skipping past it.
    const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (arrow && event->modifiers() == Qt::NoModifier && selectedRow() < 0 && count() > 0) {
        setSelectedRow(currentRow() >= 0 ? currentRow() : 0);
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent)
{
}

bool OptionButton::hitButton(const QPoint& pos) const { return rect().contains(pos); }

void OptionButton::keyPressEvent(QKeyEvent* event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    default:
        QRadioButton::keyPressEvent(event);
        return;
    }
    const QList<OptionButton*> group
        = parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly);
    const qsizetype at = group.indexOf(this);
    OptionButton* next = group.at((at + step + group.size()) % group.size());
    next->setFocus(Qt::OtherFocusReason);
    next->click();
    event->accept();
}

TextBox::TextBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
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
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    setPlainText(shown);
    verticalScrollBar()->setValue(0);
}
