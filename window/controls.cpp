// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The control operations the logic asks for (form::Controls), over the Qt widgets.

#include "main_form.h"

#include "accessibility.h"

#include <QLabel>

namespace {

std::size_t at(form::ControlId id) { return static_cast<std::size_t>(id.index); }

} // namespace

ListBox* MainForm::listBox(form::ControlId list) const
{
    return list.name == form::Name::List1 ? List1.at(at(list)) : nullptr;
}

void MainForm::showRows(form::ControlId list, std::span<const form::ResultRow> rows)
{
    if (ListBox* box = listBox(list))
        box->setRows(rows);
}

std::int16_t MainForm::selectedRow(form::ControlId list) const
{
    const ListBox* box = listBox(list);
    return static_cast<std::int16_t>(box ? box->selectedRow() : -1);
}

void MainForm::setSelectedRow(form::ControlId list, std::int16_t row)
{
    if (ListBox* box = listBox(list))
        box->setSelectedRow(row);
}

std::string MainForm::caption(form::ControlId option) const
{
    const QAbstractButton* button
        = option.name == form::Name::Option1 ? Option1.at(at(option)) : Option2.at(at(option));
    return button->text().toStdString();
}

void MainForm::setText(form::ControlId textBox, const std::string& text)
{
    Text1.at(at(textBox))->setText(QString::fromStdString(text));
}

void MainForm::showTimes(const std::array<form::TimeText, 2>& times)
{
    for (std::size_t i = 0; i < Label2.size(); ++i) {
        Label2[i]->setText(QString::fromStdString(times[i].text));
        describeTime(Label2[i], QString::fromStdString(times[i].description));
        Label2[i]->show();
    }
}

void MainForm::announce(const std::string& text)
{
    announceToScreenReaders(this, QString::fromStdString(text));
}
