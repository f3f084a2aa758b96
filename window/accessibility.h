// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What screen readers hear from the Qt window: the logic's names, descriptions and headings
// (form/screen_reader.h) given to Qt's accessibility, the time labels' descriptions, the read-out
// after an interval click and the role of the option groups.

#include "screen_reader.h"

class QLabel;
class QString;
class QWidget;

// Gives `control` what the logic says a screen reader hears of it; `heading`, the label that names
// it, becomes its buddy.
void describeForScreenReaders(QWidget* control, const form::Spoken& spoken, QLabel* heading);

// A time label is named by its text; its description, also its tooltip, says what it measures.
void describeTime(QLabel* label, const QString& description);

// Asks screen readers to read `text` once, politely (when they have finished what they are
// saying), on behalf of `source`, without moving the focus. Needs Qt 6.8. Built with an older Qt
// (Debian 12 has 6.4) it does nothing, and the user hears the text on going to where it is shown.
void announceToScreenReaders(QWidget* source, const QString& text);

// Makes GroupFrame a named group for screen readers; once for the application.
void installGroupRole();
