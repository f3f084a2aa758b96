// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dom.h"

#include <emscripten.h>

#include <vector>

// clang-format off
// Every function only hands its arguments to the page's script (page.js, the object Page).
EM_JS(void, js_set_title, (const char* p, int n), { Page.setTitle(Page.str(p, n)); });
EM_JS(void, js_set_form_size, (double w, double h, int bg, const char* f, int fn, double pt), {
    Page.setFormSize(w, h, bg, Page.str(f, fn), pt);
});
EM_JS(void, js_add_control, (int k, const char* id, int idn, int kind, int parent, double x, double y,
    double w, double h, int bg, int visible, const char* text, int textn, int black, int hCentre,
    int vCentre, int role, const char* name, int namen, const char* desc, int descn,
    const char* heading, int headingn, int chosen), {
    Page.addControl(k, { id: Page.str(id, idn), kind: kind, parent: parent, left: x, top: y,
        width: w, height: h, background: bg, visible: !!visible, text: Page.str(text, textn),
        black: !!black, hCentre: !!hCentre, vCentre: !!vCentre, role: role,
        name: Page.str(name, namen), description: Page.str(desc, descn),
        heading: Page.str(heading, headingn), chosen: !!chosen });
});
EM_JS(void, js_set_text, (int k, const char* p, int n), { Page.setText(k, Page.str(p, n)); });
EM_JS(int, js_text, (int k, char* buffer, int size), {
    return Page.put(Page.text(k), buffer, size);
});
EM_JS(void, js_set_rows, (int k, const char* p, int n, int selected), {
    Page.setRows(k, Page.str(p, n), selected);
});
EM_JS(void, js_select, (int k, int row), { Page.select(k, row); });
EM_JS(void, js_show_time, (int k, const char* p, int n, const char* d, int dn), {
    Page.showTime(k, Page.str(p, n), Page.str(d, dn));
});
EM_JS(void, js_announce, (const char* p, int n), { Page.announce(Page.str(p, n)); });
EM_JS(void, js_focus, (int k), { Page.focus(k); });
EM_JS(void, js_check, (int k), { Page.check(k); });
EM_JS(int, js_checked, (int k), { return Page.checked(k) ? 1 : 0; });
EM_JS(double, js_now, (), { return Page.now(); });
// clang-format on

namespace dom {
namespace {
    int size(std::string_view s) { return static_cast<int>(s.size()); }
}

void setTitle(std::string_view title) { js_set_title(title.data(), size(title)); }

void setFormSize(double width, double height, int background, std::string_view font, double points)
{
    js_set_form_size(width, height, background, font.data(), size(font), points);
}

void addControl(int control, const ControlDescription& s)
{
    js_add_control(control, s.id.data(), size(s.id), s.kind, s.parent, s.left, s.top, s.width,
        s.height, s.background, s.visible, s.text.data(), size(s.text), s.blackText,
        s.centreHorizontally, s.centreVertically, s.role, s.name.data(), size(s.name),
        s.description.data(), size(s.description), s.heading.data(), size(s.heading), s.chosen);
}

void setText(int control, std::string_view text) { js_set_text(control, text.data(), size(text)); }

std::string text(int control)
{
    std::vector<char> buffer(256);
    for (;;) {
        const int needed = js_text(control, buffer.data(), static_cast<int>(buffer.size()));
        if (needed < static_cast<int>(buffer.size()))
            return std::string(buffer.data(), static_cast<std::size_t>(needed));
        buffer.resize(static_cast<std::size_t>(needed) + 1);
    }
}

void setRows(int control, std::string_view rows, int selected)
{
    js_set_rows(control, rows.data(), size(rows), selected);
}

void select(int control, int row) { js_select(control, row); }

void showTime(int control, std::string_view text, std::string_view description)
{
    js_show_time(control, text.data(), size(text), description.data(), size(description));
}

void announce(std::string_view text) { js_announce(text.data(), size(text)); }
void focus(int control) { js_focus(control); }
void check(int control) { js_check(control); }
bool checked(int control) { return js_checked(control) != 0; }
double now() { return js_now(); }

} // namespace dom
