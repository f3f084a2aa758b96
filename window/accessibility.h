// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What screen readers hear from the Qt window, in one place: the names and descriptions of the
// controls, the time labels' descriptions, the read-out after an interval click, the role of the
// option groups, and (in accessibility.cpp) how a list keeps the focus where the user is.

class MainForm;
class QLabel;
class QString;
class QWidget;

// Names and descriptions for every control a user can reach.
void describeForScreenReaders(MainForm& form);

// A time label is named by its text; its description, also its tooltip, says what it measures.
void describeTime(QLabel* label, const QString& description);

// Asks screen readers to read `text` once, politely (when they have finished what they are
// saying), on behalf of `source`, without moving the focus. Needs Qt 6.8. Built with an older Qt
// (Debian 12 has 6.4) it does nothing, and the user hears the text on going to where it is shown.
void announceToScreenReaders(QWidget* source, const QString& text);

// Makes GroupFrame a named group for screen readers; once for the application.
void installGroupRole();
