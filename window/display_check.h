// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where Qt would pick a windowing platform that needs a display (X11 or Wayland, the default on
// a Linux desktop) and the environment names none, prints one line saying so to stderr and
// returns true; the program then exits with a failure status instead of Qt aborting with a core
// dump. Qt's own `-platform NAME` argument counts before QT_QPA_PLATFORM, as it does for Qt.
// Systems whose windows need no display server (Windows, macOS) always pass. Call it before
// constructing QApplication.
bool reportMissingDisplay(int argc, char* argv[]);
