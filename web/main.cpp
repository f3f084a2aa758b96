// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's program, started by page.js once the page has painted its form: attaches the form
// to the page's elements when the WebAssembly has loaded, then waits for the page's events
// (dom.h), which it hands to the form.

#include "dom.h"
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

EMSCRIPTEN_KEEPALIVE int web_key_pressed(int shift, int ctrl, int alt, int meta)
{
    return page && page->keyPressed({ shift != 0, ctrl != 0, alt != 0, meta != 0 }) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int web_warm_up() { return page && page->warmUp() ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE void web_copy_timings()
{
    if (page)
        page->copyTimings();
}

EMSCRIPTEN_KEEPALIVE int web_timings_key_pressed(int part, int shift, int ctrl, int alt, int meta)
{
    return page && page->timingsKeyPressed(part, { shift != 0, ctrl != 0, alt != 0, meta != 0 })
        ? 1
        : 0;
}

#ifdef PAGE_TEST_EXPORTS
#include "invariants.h"

// For the test build of the page only (test_exports.js): the window's invariants, checked by the
// logic itself over what the page shows.
extern "C" EMSCRIPTEN_KEEPALIVE void web_broken_invariant()
{
    const std::string broken = page ? page->brokenInvariant() : "the page has not started";
    dom::reply(broken);
}

// What the copy puts on the clipboard, as the logic writes it.
extern "C" EMSCRIPTEN_KEEPALIVE void web_clipboard_text()
{
    dom::reply(page ? page->logic().timings().clipboardText() : "");
}
#endif
