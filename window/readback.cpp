// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window shows beyond what the handlers ask for, for the keyboard's decisions and for
// tests: read from the widgets as they show, never from what the logic last wrote.

#include "main_form.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>

using namespace Qt::StringLiterals;

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
    return focus ? controlOf(focus) : std::nullopt;
}

form::ListView MainForm::listView(form::ControlId list) const
{
    if (list.name == form::Name::List2)
        return { -1, List2.at(static_cast<std::size_t>(list.index))->count(), 0, 0 };
    const ListBox* box = listBox(list);
    if (!box)
        return {};
    return { box->selectedRow(), box->count(), box->viewport()->height(),
        box->count() > 0 ? box->sizeHintForRow(0) : 0 };
}

std::string MainForm::rowText(form::ControlId list, int row) const
{
    if (list.name == form::Name::List2)
        return List2.at(static_cast<std::size_t>(list.index))->rowText(row);
    const ListBox* box = listBox(list);
    return box ? box->rowText(row) : std::string();
}
