// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Building and placing the controls from the design table, in their designed colours and
// alignment, and naming them for screen readers.

#include "main_form.h"

#include "accessibility.h"
#include "design.h"
#include "look.h"

#include <QFrame>
#include <QLabel>

namespace {

// Device-independent pixels, which Qt's own high-DPI scaling enlarges evenly.
using form::pixels;

void setColours(QWidget* widget, form::Background background, form::Look::TextColour text)
{
    if (background.kind == form::Background::Kind::System && text == form::Look::TextColour::System)
        return;
    QPalette palette = widget->palette();
    if (text == form::Look::TextColour::Black)
        palette.setColor(widget->foregroundRole(), Qt::black);
    if (background.kind == form::Background::Kind::Rgb)
        palette.setColor(widget->backgroundRole(),
            QColor(background.red(), background.green(), background.blue()));
    widget->setPalette(palette);
    widget->setAutoFillBackground(background.kind == form::Background::Kind::Rgb);
}

Qt::Alignment alignment(const form::Look& look)
{
    using Align = form::Look::Align;
    return (look.horizontal == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft)
        | (look.vertical == Align::Centre ? Qt::AlignVCenter : Qt::AlignTop);
}

} // namespace

void MainForm::createControls()
{
    setWindowTitle(QString::fromStdString(form::windowTitle()));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(pixels(form::window.clientWidth), pixels(form::window.clientHeight));
    setColours(this, form::window.background, form::Look::TextColour::Black);

    using form::Container;
    using form::Name;
    const auto create = [this](const form::ControlRow& row) {
        QWidget* parent = this;
        if (row.container == Container::Frame1)
            parent = Frame1;
        else if (row.container == Container::Frame2)
            parent = Frame2;
        const QString text = row.text ? QString::fromUtf8(row.text) : QString();
        const auto i = static_cast<std::size_t>(row.index);
        QWidget* control = nullptr;
        switch (row.name) {
        case Name::Text1:
            control = Text1.at(i) = new TextBox(parent);
            Text1.at(i)->setText(text);
            break;
        case Name::Label1:
            control = Label1.at(i) = new QLabel(text, parent);
            Label1.at(i)->setAlignment(alignment(form::look(row)));
            break;
        case Name::List1:
            control = List1.at(i) = new ListBox(parent);
            break;
        case Name::List2:
            control = List2.at(i) = new StoredList(form::initialRows(row), parent);
            break;
        case Name::Frame1:
            control = Frame1 = new GroupFrame(parent);
            break;
        case Name::Frame2:
            control = Frame2 = new GroupFrame(parent);
            break;
        case Name::Option1:
            control = Option1.at(i) = new OptionButton(text, parent);
            break;
        case Name::Option2:
            control = Option2.at(i) = new OptionButton(text, parent);
            break;
        case Name::Label2:
            control = Label2.at(i) = new QLabel(text, parent);
            Label2.at(i)->setAlignment(alignment(form::look(row)));
            break;
        }
        if (auto* option = qobject_cast<OptionButton*>(control))
            option->setChecked(row.chosen);
        if (form::takesFocus(row))
            control->installEventFilter(this); // its keys are the window's (eventFilter)
        control->setObjectName(QString::fromStdString(form::designName(row)));
        control->setGeometry(
            pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
        setColours(control, row.background, form::look(row).text);
        control->setVisible(row.visible);
        placed_.push_back({ &row, control });
    };
    placed_.reserve(std::size(form::design) + std::size(form::timeDesign));
    for (const form::ControlRow& row : form::design)
        create(row);
    for (const form::ControlRow& row : form::timeDesign)
        create(row);
    for (const Placed& p : placed_) {
        const form::ControlId id = form::idOf(*p.row);
        const form::Spoken spoken = form::spoken(id);
        describeForScreenReaders(p.widget, spoken,
            spoken.heading ? qobject_cast<QLabel*>(widget(*spoken.heading)) : nullptr);
    }
}
