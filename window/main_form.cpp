// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_form.h"

#include "accessibility.h"
#include "design.h"

#include <QFrame>
#include <QLabel>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The design works in twips; 15 of them make one device-independent pixel, so Qt's own
// high-DPI scaling enlarges the whole window evenly.
constexpr int twipsPerPixel = form::twipsPerInch / 96;
constexpr int pixels(int twips) { return twips / twipsPerPixel; }

// Fixed light backgrounds keep dark text, so they stay readable under a dark desktop theme.
void setBackground(QWidget* widget, form::Background background)
{
    using Kind = form::Background::Kind;
    if (background.kind == Kind::System)
        return;
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), Qt::black);
    if (background.kind == Kind::Rgb)
        palette.setColor(widget->backgroundRole(),
            QColor(background.red(), background.green(), background.blue()));
    widget->setPalette(palette);
    widget->setAutoFillBackground(background.kind == Kind::Rgb);
}

QLabel* makeLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
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
}

void MainForm::createControls()
{
    setWindowTitle(QString::fromStdString(form::windowTitle()));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(pixels(form::window.clientWidth), pixels(form::window.clientHeight));
    setBackground(this, form::window.background);

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
            control = Label1.at(i) = makeLabel(text, parent);
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
            control = Label2.at(i) = makeLabel(text, parent);
            Label2.at(i)->setAlignment(Qt::AlignCenter);
            break;
        }
        if (auto* option = qobject_cast<OptionButton*>(control))
            option->setChecked(row.chosen);
        control->setObjectName(QString::fromStdString(form::designName(row)));
        control->setGeometry(
            pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
        setBackground(control, row.background);
        control->setVisible(row.visible);
        tabOrder_.append(control);
    };
    for (const form::ControlRow& row : form::design)
        create(row);
    for (const form::ControlRow& row : form::timeDesign)
        create(row);
    describeForScreenReaders(*this);
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

// Tab visits the controls in the design's tab order; a group of option buttons is one stop,
// entered at its chosen button (at its first while none is chosen). This alone decides where Tab
// goes: Qt's own handling of radio groups, which moves Qt::TabFocus among a group's buttons as they
// take the focus, is not consulted, so a button chosen from code is still its group's stop.
QList<QWidget*> MainForm::tabStops() const
{
    QList<QWidget*> stops;
    for (QWidget* control : tabOrder_) {
        if (!control->isVisibleTo(this) || control->focusPolicy() == Qt::NoFocus)
            continue;
        if (auto* option = qobject_cast<OptionButton*>(control)) {
            const auto group
                = option->parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly);
            const auto chosen = std::find_if(
                group.begin(), group.end(), [](const OptionButton* b) { return b->isChecked(); });
            if (option != (chosen != group.end() ? *chosen : group.first()))
                continue;
        }
        stops.append(control);
    }
    return stops;
}

bool MainForm::focusNextPrevChild(bool next)
{
    const QList<QWidget*> stops = tabStops();
    if (stops.isEmpty())
        return false;
    const QWidget* focused = focusWidget();
    qsizetype at = stops.indexOf(focused);
    if (at < 0 && focused) {
        // An option button that is not its group's stop: move on from the group's stop.
        at = std::find_if(stops.begin(), stops.end(), [focused](const QWidget* stop) {
            return stop->parentWidget() == focused->parentWidget()
                && qobject_cast<const OptionButton*>(stop);
        }) - stops.begin();
    }
    const qsizetype count = stops.size();
    // From outside every stop (nothing focused yet), Tab reaches the first and Shift+Tab the last.
    if (at < 0 || at == count)
        at = next ? -1 : count;
    stops.at(((at + (next ? 1 : -1)) % count + count) % count)
        ->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// The control operations the logic asks for. The stored lists are read, never changed.

ListBox* MainForm::listBox(form::ControlId list) const { return List1.at(at(list)); }

void MainForm::clearList(form::ControlId list) { listBox(list)->clear(); }

void MainForm::appendRow(form::ControlId list, const std::string& text)
{
    listBox(list)->addItem(QString::fromStdString(text));
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
    return static_cast<std::int16_t>(listBox(list)->selectedRow());
}

void MainForm::setSelectedRow(form::ControlId list, std::int16_t row)
{
    listBox(list)->setSelectedRow(row);
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
