// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dom.h"

#include <emscripten.h>

#include <vector>

// clang-format off
// Every function only hands its arguments to the page's script (page.js, the object Page).
EM_JS(void, js_set_text, (int k, const char* p, int n), { Page.setText(k, Page.str(p, n)); });
EM_JS(int, js_text, (int k, char* buffer, int size), {
    return Page.put(Page.text(k), buffer, size);
});
EM_JS(void, js_set_rows, (int k, const char* p, int n, int selected), {
    Page.setRows(k, Page.str(p, n), selected);
});
EM_JS(void, js_select, (int k, int row), { Page.select(k, row); });
EM_JS(int, js_list_height, (int k), { return Page.listHeight(k); });
EM_JS(int, js_row_height, (int k), { return Page.rowHeight(k); });
EM_JS(int, js_pressed_key, (char* buffer, int size), { return Page.put(Page.pressed, buffer, size); });
EM_JS(void, js_show_time, (int k, const char* p, int n, const char* d, int dn), {
    Page.showTime(k, Page.str(p, n), Page.str(d, dn));
});
EM_JS(void, js_announce, (const char* p, int n), { Page.announce(Page.str(p, n)); });
EM_JS(void, js_focus, (int k), { Page.focus(k); });
EM_JS(void, js_check, (int k), { Page.check(k); });
EM_JS(int, js_checked, (int k), { return Page.checked(k) ? 1 : 0; });
EM_JS(int, js_shown, (int k), { return Page.shown(k) ? 1 : 0; });
EM_JS(int, js_focused, (), { return Page.focused(); });
EM_JS(void, js_reply, (const char* p, int n), { Page.reply = Page.str(p, n); });
EM_JS(double, js_now, (), { return Page.now(); });
EM_JS(void, js_add_timings, (const char* p, int n), { Timings.add(Page.json(p, n)); });
EM_JS(void, js_show_timings, (const char* p, int n), { Timings.show(Page.json(p, n)); });
EM_JS(void, js_reveal_timings, (), { Timings.reveal(); });
EM_JS(void, js_focus_timings, (int part), { Timings.focus(part); });
EM_JS(void, js_leave_timings, (int k), { Timings.leave(k); });
EM_JS(void, js_copy, (const char* p, int n, const char* s, int sn, const char* f, int fn), {
    Timings.copy(Page.str(p, n), Page.str(s, sn), Page.str(f, fn));
});
// clang-format on

namespace dom {
namespace {
    int size(std::string_view s) { return static_cast<int>(s.size()); }

    // A text from the page: `put` writes it into a buffer of `size` bytes if it fits, and returns
    // its length either way.
    template <typename Put> std::string received(Put put)
    {
        std::vector<char> buffer(256);
        for (;;) {
            const int needed = put(buffer.data(), static_cast<int>(buffer.size()));
            if (needed < static_cast<int>(buffer.size()))
                return std::string(buffer.data(), static_cast<std::size_t>(needed));
            buffer.resize(static_cast<std::size_t>(needed) + 1);
        }
    }

    // One JSON object, written field by field.
    class Object {
    public:
        Object& add(std::string_view key, std::string_view value)
        {
            field(key);
            text_ += '"';
            for (const char c : value) {
                if (c == '"' || c == '\\') {
                    text_ += '\\';
                    text_ += c;
                } else if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    text_ += escaped;
                } else {
                    text_ += c;
                }
            }
            text_ += '"';
            return *this;
        }
        Object& add(std::string_view key, const char* value)
        {
            return add(key, std::string_view(value));
        }
        Object& add(std::string_view key, double value)
        {
            field(key);
            char number[32];
            std::snprintf(number, sizeof number, "%.17g", value);
            text_ += number;
            return *this;
        }
        Object& add(std::string_view key, int value)
        {
            return add(key, static_cast<double>(value));
        }
        Object& add(std::string_view key, bool value)
        {
            field(key);
            text_ += value ? "true" : "false";
            return *this;
        }
        template <typename T> Object& add(std::string_view key, const std::vector<T>& values)
        {
            // Each value as a field writes it, without its key: {"":value} less its first four
            // characters and its last.
            field(key);
            text_ += '[';
            for (std::size_t i = 0; i < values.size(); ++i) {
                const std::string one = Object().add("", values[i]).text();
                text_ += (i ? "," : "") + one.substr(4, one.size() - 5);
            }
            text_ += ']';
            return *this;
        }
        std::string text() const { return text_ + '}'; }

    private:
        void field(std::string_view key)
        {
            text_ += text_.size() > 1 ? ",\"" : "\"";
            text_ += key;
            text_ += "\":";
        }
        std::string text_ = "{";
    };
}

void setText(int control, std::string_view text) { js_set_text(control, text.data(), size(text)); }

std::string text(int control)
{
    return received([control](char* buffer, int size) { return js_text(control, buffer, size); });
}

void setRows(int control, std::string_view rows, int selected)
{
    js_set_rows(control, rows.data(), size(rows), selected);
}

void select(int control, int row) { js_select(control, row); }
int listHeight(int control) { return js_list_height(control); }
int rowHeight(int control) { return js_row_height(control); }
std::string pressedKey() { return received(js_pressed_key); }

void showTime(int control, std::string_view text, std::string_view description)
{
    js_show_time(control, text.data(), size(text), description.data(), size(description));
}

void announce(std::string_view text) { js_announce(text.data(), size(text)); }
void focus(int control) { js_focus(control); }
void check(int control) { js_check(control); }
bool checked(int control) { return js_checked(control) != 0; }
bool shown(int control) { return js_shown(control) != 0; }
int focused() { return js_focused(); }
void reply(std::string_view text) { js_reply(text.data(), size(text)); }
double now() { return js_now(); }

void addTimings(const TimingsDescription& d)
{
    const std::string json = Object()
                                 .add("caption", d.caption)
                                 .add("copy", d.copy)
                                 .add("descriptions", d.descriptions)
                                 .add("columns", d.columns)
                                 .add("rows", d.rows)
                                 .add("openers", d.openers)
                                 .add("takeFocus", d.takeFocus)
                                 .add("width", d.width)
                                 .add("height", d.height)
                                 .text();
    js_add_timings(json.data(), size(json));
}

void showTimings(const TimingsShown& shown)
{
    const std::string json = Object()
                                 .add("cells", shown.cells)
                                 .add("chart", shown.chart)
                                 .add("chartName", shown.chartName)
                                 .text();
    js_show_timings(json.data(), size(json));
}

void revealTimings() { js_reveal_timings(); }
void focusTimings(int part) { js_focus_timings(part); }
void leaveTimings(int control) { js_leave_timings(control); }
void copy(std::string_view text, std::string_view said, std::string_view failed)
{
    js_copy(text.data(), size(text), said.data(), size(said), failed.data(), size(failed));
}

} // namespace dom
