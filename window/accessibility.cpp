// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "controls.h"
#include "form_texts.h"
#include "main_form.h"

#include <QAccessible>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

} // namespace

// Buttons and labels are announced by their captions; the lists and the groups by the headings
// above them, which also become their labels; the hidden controls get nothing, as no one can reach
// them.
void describeForScreenReaders(MainForm& form)
{
    namespace spoken = texts::spoken;
    TextBox* text = form.text1()[0];
    text->setAccessibleName(utf8(spoken::textBoxName));
    text->setAccessibleDescription(utf8(spoken::textBoxDescription));

    const auto& headings = form.label1();
    const std::pair<QWidget*, QLabel*> labelled[]
        = { { form.list1()[0], headings[2] }, { form.list1()[1], headings[3] },
              { form.frame1(), headings[1] }, { form.frame2(), headings[4] } };
    for (const auto& [control, heading] : labelled) {
        control->setAccessibleName(heading->text());
        heading->setBuddy(control);
    }
    form.list1()[0]->setAccessibleDescription(utf8(spoken::storedListDescription));
    form.list1()[1]->setAccessibleDescription(utf8(spoken::computedListDescription));
    form.frame1()->setAccessibleDescription(utf8(spoken::intervalGroupDescription));
    form.frame2()->setAccessibleDescription(utf8(spoken::methodGroupDescription));

    for (std::size_t i = 0; i < form.option1().size(); ++i)
        form.option1()[i]->setAccessibleDescription(utf8(spoken::intervalDescriptions[i]));
    for (std::size_t i = 0; i < form.option2().size(); ++i)
        form.option2()[i]->setAccessibleDescription(utf8(spoken::methodDescriptions[i]));
}

void describeTime(QLabel* label, const QString& description)
{
    label->setAccessibleName(label->text());
    label->setAccessibleDescription(description);
    label->setToolTip(description);
}

void announceToScreenReaders(QWidget* source, const QString& text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(source, text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    // No way to ask for speech away from the focus; a fake focus or name change would mislead.
    Q_UNUSED(source);
    Q_UNUSED(text);
#endif
}

namespace {

QAccessibleInterface* groupFrameAccessible(const QString& className, QObject* object)
{
    if (className == "GroupFrame"_L1 && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    return nullptr;
}

} // namespace

void installGroupRole()
{
    static const bool installed = [] {
        QAccessible::installFactory(groupFrameAccessible);
        return true;
    }();
    Q_UNUSED(installed);
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
    QListWidget::focusInEvent(event);
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    // Entered by a click that picked no row (on the scroll bar), the list has not caught up yet.
    currentToSelection();
    // Tabbing in makes the first row current without selecting it; the first arrow press then
    // selects that row instead of skipping past it.
    const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (arrow && event->modifiers() == Qt::NoModifier && selectedRow() < 0 && count() > 0) {
        const int row = currentRow() >= 0 ? currentRow() : 0;
        // Screen readers hear of a row when it becomes current, not when it becomes selected:
        // the row made current on entry is made current anew, so that this press is heard.
        selectionModel()->clearCurrentIndex();
        setSelectedRow(row);
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}
