// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_texts.h"
#include "main_window.h"
#include "wide_text.h"

#include <windows.h>

#include <exception>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    try {
        win32::MainWindow window(instance);
        window.show(showCommand);
        return window.run();
    } catch (const std::exception&) {
        // Only the making of the window throws (the system refused a window): say so and end,
        // instead of ending without a word.
        MessageBoxW(nullptr, win32::wide(texts::windowNotOpened).c_str(),
            win32::wide(texts::windowTitleEnd).c_str(), MB_ICONERROR | MB_OK);
        return 1;
    }
}
