// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_form.h"

#include "design.h"
#include "timings_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

#include <utility>

using namespace Qt::StringLiterals;

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
    // A time label leads to every measurement (eventFilter).
    for (QLabel* time : Label2) {
        time->setCursor(Qt::PointingHandCursor);
        time->installEventFilter(this);
    }
}

// The logic warms up what a click measures once the window is on the screen: before, it would
// delay the first paint; left to the first click, the first figures would be those of cold code.
void MainForm::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!std::exchange(painted_, true))
        QTimer::singleShot(0, this, &MainForm::warmUp);
}

// A slice at a time, with the window's events between them, so that no click waits for more.
void MainForm::warmUp()
{
    if (logic_.warmUp())
        QTimer::singleShot(0, this, &MainForm::warmUp);
}

void MainForm::showTimings()
{
    if (!timings_)
        timings_ = new TimingsWindow(logic_.timings(), this);
    timings_->open();
}

void MainForm::showTimingTable(const form::TimingTable&)
{
    if (timings_)
        timings_->refresh();
}

void MainForm::closeEvent(QCloseEvent* event)
{
    if (timings_)
        timings_->close();
    QWidget::closeEvent(event);
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
