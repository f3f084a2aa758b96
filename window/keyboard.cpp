// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard: the logic decides what each key does (form::keyAction), the window moves the
// focus, clicks and selects.

#include "main_form.h"

#include <QKeyEvent>
#include <QLabel>

namespace {

form::Key keyOf(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return form::Key::Tab;
    case Qt::Key_Up:
        return form::Key::Up;
    case Qt::Key_Down:
        return form::Key::Down;
    case Qt::Key_Left:
        return form::Key::Left;
    case Qt::Key_Right:
        return form::Key::Right;
    case Qt::Key_Home:
        return form::Key::Home;
    case Qt::Key_End:
        return form::Key::End;
    case Qt::Key_PageUp:
        return form::Key::PageUp;
    case Qt::Key_PageDown:
        return form::Key::PageDown;
    case Qt::Key_Space:
        return form::Key::Space;
    case Qt::Key_F2:
        return form::Key::F2;
    default:
        return form::typedKey(event.text().toStdString());
    }
}

form::Modifiers modifiersOf(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers held = key.modifiers();
    return { held.testFlag(Qt::ShiftModifier) || key.key() == Qt::Key_Backtab,
        held.testFlag(Qt::ControlModifier), held.testFlag(Qt::AltModifier),
        held.testFlag(Qt::MetaModifier) };
}

} // namespace

// Qt asks here for Tab and Shift+Tab that no control's filter took: while no control of the
// design has the focus. Qt's own handling of radio groups, which moves Qt::TabFocus among a
// group's buttons as they take the focus, is not consulted, so a button chosen from code is
// still its group's stop.
bool MainForm::focusNextPrevChild(bool next)
{
    form::Modifiers modifiers;
    modifiers.shift = !next;
    const form::KeyAction action = form::keyAction(readback(), form::Key::Tab, modifiers);
    if (action.kind != form::KeyAction::Kind::Focus)
        return false;
    widget(action.target)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// Every key pressed on a control that takes the focus, before the control's own handling: the
// logic decides (form::keyAction), the window carries it out.
bool MainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && std::find(Label2.begin(), Label2.end(), watched) != Label2.end()) {
        showTimings();
        return true;
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    const form::KeyAction action = form::keyAction(readback(), keyOf(key), modifiersOf(key));
    switch (action.kind) {
    case form::KeyAction::Kind::Focus:
        widget(action.target)
            ->setFocus(modifiersOf(key).shift ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return true;
    case form::KeyAction::Kind::Choose: {
        auto* button = static_cast<OptionButton*>(widget(action.target));
        button->setFocus(Qt::OtherFocusReason);
        button->click();
        return true;
    }
    case form::KeyAction::Kind::Select:
        listBox(action.target)->selectByKey(action.row); // rowSelected runs List1_Click
        return true;
    case form::KeyAction::Kind::ShowTimings:
        showTimings();
        return true;
    case form::KeyAction::Kind::Swallow:
        return true;
    case form::KeyAction::Kind::None:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
