// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's program: builds the form when the WebAssembly has loaded, then waits for the page's
// events, which page.js hands over through the functions below.

#include "web_form.h"

#include <emscripten.h>

namespace {
web::WebForm* page = nullptr;
}

int main()
{
    static web::WebForm form;
    page = &form;
    return 0;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void web_option_clicked(int control)
{
    if (page)
        page->optionClicked(control);
}

EMSCRIPTEN_KEEPALIVE void web_row_chosen(int control, int row)
{
    if (page)
        page->rowChosen(control, row);
}

// `key`: 0 Tab, 1 Up, 2 Down, 3 Left, 4 Right (form::Key). Returns 1 where the page must not give
// the key its own meaning.
EMSCRIPTEN_KEEPALIVE int web_key_pressed(
    int control, int key, int shift, int control_key, int alt, int meta)
{
    if (!page || key < 0 || key > static_cast<int>(form::Key::Other))
        return 0;
    return page->keyPressed(control, static_cast<form::Key>(key),
               { shift != 0, control_key != 0, alt != 0, meta != 0 })
        ? 1
        : 0;
}
}
