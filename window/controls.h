#pragma once

#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

// The three kinds of control whose Qt defaults differ from what the window promises its users.

// A single-selection list whose selected row is its selection, never merely Qt's current item.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    // 0-based selected row, -1 for none.
    int selectedRow() const;
    // Selects `row` (or nothing for -1) and scrolls to it; selecting the row already selected
    // changes nothing and emits nothing.
    void setSelectedRow(int row);

Q_SIGNALS:
    // A row became selected, by the user or by setSelectedRow.
    void rowSelected();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

// An option button that reacts to a click anywhere on its rectangle, and whose arrow keys choose
// the neighbouring button of its group, wrapping around.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString& caption, QWidget* parent = nullptr);

protected:
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A read-only, multi-line text box that keeps its text exactly as given (CR LF line ends
// included) and shows each CR LF as a line break.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);

private:
    QString text_;
};
