// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_form.h"

#include "accessibility.h"
#include "design.h"
#include "look.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>

using namespace Qt::StringLiterals;

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

form::Key keyOf(int key)
{
    switch (key) {
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
    default:
        return form::Key::Other;
    }
}

form::Modifiers modifiersOf(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers held = key.modifiers();
    return { held.testFlag(Qt::ShiftModifier) || key.key() == Qt::Key_Backtab,
        held.testFlag(Qt::ControlModifier), held.testFlag(Qt::AltModifier),
        held.testFlag(Qt::MetaModifier) };
}

std::size_t at(form::ControlId id) { return static_cast<std::size_t>(id.index); }

} // namespace

QFont MainForm::designFont()
{
    return QFont(QString::fromUtf8(form::window.fontName), form::window.fontPoints);
}

MainForm::MainForm(QWidget* parent)
    : QWidget(parent)
{
    createControls();
    logic_.Form_Load();
    connectControls();
    widget(form::initialFocus())->setFocus(Qt::OtherFocusReason);
}

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

void MainForm::connectControls()
{
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        connect(Option1[i], &QAbstractButton::clicked, this,
            [this, i] { logic_.Option1_Click(static_cast<std::int16_t>(i)); });
    }
    for (std::size_t i = 0; i < Option2.size(); ++i) {
        connect(Option2[i], &QAbstractButton::clicked, this,
            [this, i] { logic_.Option2_Click(static_cast<std::int16_t>(i)); });
    }
    for (std::size_t i = 0; i < List1.size(); ++i) {
        connect(List1[i], &ListBox::rowSelected, this,
            [this, i] { logic_.List1_Click(static_cast<std::int16_t>(i)); });
    }
}

std::optional<form::ControlId> MainForm::controlOf(const QWidget* widget) const
{
    for (const Placed& p : placed_) {
        if (p.widget == widget)
            return form::idOf(*p.row);
    }
    return std::nullopt;
}

QWidget* MainForm::widget(form::ControlId control) const
{
    for (const Placed& p : placed_) {
        if (p.row->name == control.name && p.row->index == control.index)
            return p.widget;
    }
    return nullptr;
}

form::Choices MainForm::choices() const
{
    const auto chosen = [](const auto& group) {
        const auto at = std::find_if(
            group.begin(), group.end(), [](const OptionButton* b) { return b->isChecked(); });
        return at == group.end() ? -1 : static_cast<int>(at - group.begin());
    };
    return { chosen(Option1), chosen(Option2) };
}

// Qt asks here for Tab and Shift+Tab that no control's filter took: while no control of the
// design has the focus. Qt's own handling of radio groups, which moves Qt::TabFocus among a
// group's buttons as they take the focus, is not consulted, so a button chosen from code is
// still its group's stop.
bool MainForm::focusNextPrevChild(bool next)
{
    form::Modifiers modifiers;
    modifiers.shift = !next;
    const form::KeyAction action
        = form::keyAction(controlOf(focusWidget()), form::Key::Tab, modifiers, choices());
    if (action.kind != form::KeyAction::Kind::Focus)
        return false;
    widget(action.target)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// Every key pressed on a control that takes the focus, before the control's own handling: the
// logic decides (form::keyAction), the window carries it out.
bool MainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    const std::optional<form::ControlId> focused = controlOf(static_cast<QWidget*>(watched));
    form::ListView shown;
    ListBox* list = focused ? listBox(*focused) : nullptr;
    if (list)
        shown = { list->selectedRow(), list->count(), list->rowsPerPage() };
    const form::KeyAction action
        = form::keyAction(focused, keyOf(key.key()), modifiersOf(key), choices(), shown);
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
    case form::KeyAction::Kind::Swallow:
        return true;
    case form::KeyAction::Kind::None:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// The control operations the logic asks for. The stored lists are read, never changed or selected.

ListBox* MainForm::listBox(form::ControlId list) const
{
    return list.name == form::Name::List1 ? List1.at(at(list)) : nullptr;
}

void MainForm::clearList(form::ControlId list)
{
    if (ListBox* box = listBox(list))
        box->clear();
}

void MainForm::appendRow(form::ControlId list, const std::string& text)
{
    if (ListBox* box = listBox(list))
        box->addItem(QString::fromStdString(text));
}

std::int16_t MainForm::rowCount(form::ControlId list) const
{
    if (list.name == form::Name::List2)
        return static_cast<std::int16_t>(List2.at(at(list))->count());
    return static_cast<std::int16_t>(listBox(list)->count());
}

std::string MainForm::rowText(form::ControlId list, std::int16_t row) const
{
    if (list.name == form::Name::List2)
        return List2.at(at(list))->rowText(row);
    const QListWidgetItem* item = listBox(list)->item(row);
    return item ? item->text().toStdString() : std::string();
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
