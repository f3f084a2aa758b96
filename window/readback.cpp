// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a test reads of the window besides what the logic reads: read from the widgets as they
// show, never from what the logic last wrote.

#include "main_form.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>

using namespace Qt::StringLiterals;

QWidget* MainForm::widget(form::ControlId control) const
{
    const auto i = static_cast<std::size_t>(control.index);
    const auto in
        = [i](const auto& array) -> QWidget* { return i < array.size() ? array[i] : nullptr; };
    switch (control.name) {
    case form::Name::Text1:
        return in(Text1);
    case form::Name::Label1:
        return in(Label1);
    case form::Name::List1:
        return in(List1);
    case form::Name::List2:
        return in(List2);
    case form::Name::Frame1:
        return i == 0 ? Frame1 : nullptr;
    case form::Name::Frame2:
        return i == 0 ? Frame2 : nullptr;
    case form::Name::Option1:
        return in(Option1);
    case form::Name::Option2:
        return in(Option2);
    case form::Name::Label2:
        return in(Label2);
    }
    return nullptr;
}

// A text box shows its text with each CR LF as a line break: read back, typing would show.
std::string MainForm::shownText(form::ControlId control) const
{
    const QWidget* shown = widget(control);
    QString text;
    if (const auto* box = qobject_cast<const TextBox*>(shown)) {
        text = box->toPlainText();
        text.replace(u"\n"_s, u"\r\n"_s);
    } else if (const auto* label = qobject_cast<const QLabel*>(shown)) {
        text = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(shown)) {
        text = button->text();
    }
    return text.toStdString();
}

bool MainForm::isChosen(form::ControlId option) const
{
    const auto* button = qobject_cast<const QAbstractButton*>(widget(option));
    return button && button->isChecked();
}

bool MainForm::isShown(form::ControlId control) const
{
    const QWidget* shown = widget(control);
    return shown && shown->isVisible();
}

std::optional<form::ControlId> MainForm::focused() const
{
    const QWidget* focus = QApplication::focusWidget();
    for (const form::ControlRow& row : form::design) {
        const form::ControlId id { row.name, static_cast<std::int16_t>(row.index) };
        if (focus && widget(id) == focus)
            return id;
    }
    return std::nullopt;
}
