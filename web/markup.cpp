// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Run by the build, under Node.js: writes the form as HTML and CSS from form/'s tables, for
// make_page.py to put into the page, so that the browser paints the form before any script runs.
// The page's program then attaches to these elements (page.js, web_form.cpp).
//
//   page-markup STEM   writes STEM.title, STEM.html (the form and its descriptions) and STEM.css
//
// The places go into the style, not into style attributes, which the page's
// Content-Security-Policy refuses.

#include "described.h"
#include "phone.h"

#include <cstdio>
#include <string>

namespace {

std::string attribute(std::string_view name, std::string_view value)
{
    return ' ' + std::string(name) + "=\"" + web::escaped(value, true) + '"';
}

// "Option1(2)" as a CSS selector: #Option1\(2\).
std::string selector(std::string_view id)
{
    std::string out = "#";
    for (const char c : id) {
        if (c == '(' || c == ')')
            out += '\\';
        out += c;
    }
    return out;
}

std::string px(int n) { return std::to_string(n) + "px"; }

std::string across(form::Across a)
{
    char text[64];
    std::snprintf(text, sizeof text, "calc(%.6g%% %c %dpx)", a.share * 100, a.px < 0 ? '-' : '+',
        a.px < 0 ? -a.px : a.px);
    return text;
}

// The element that is placed: an option button's label around its radio button, else the
// control's own element.
std::string boxId(const web::ControlDescription& c)
{
    return c.element == web::Element::Option ? c.id + "-box" : c.id;
}

class Markup {
public:
    Markup()
        : rows_(web::pageRows())
    {
        for (const form::ControlRow* row : rows_)
            described_.push_back(web::describe(*row));
    }

    std::string html() const
    {
        std::string keys = "{";
        for (std::size_t i = 0; i < std::size(web::pageKeys); ++i) {
            keys += (i ? ",\"" : "\"") + std::string(web::pageKeys[i].name)
                + "\":" + std::to_string(i);
        }
        keys += '}';
        // Busy until the program has attached: a tap before then is kept and carried out.
        std::string out
            = "<main id=\"MainForm\" aria-busy=\"true\"" + attribute("data-keys", keys) + ">\n";
        for (std::size_t k = 0; k < rows_.size(); ++k) {
            if (described_[k].container == form::Container::Window)
                out += element(k);
        }
        out += "</main>\n<div id=\"descriptions\" hidden>";
        for (const web::ControlDescription& c : described_) {
            if (!c.description.empty() || c.element == web::Element::Time) {
                out += "<span" + attribute("id", c.id + "-description") + '>'
                    + web::escaped(c.description, false) + "</span>";
            }
        }
        return out + "</div>\n";
    }

    std::string css() const
    {
        const web::FormDescription form = web::describeForm();
        const std::string fonts = web::fontFamilies(form.font);
        std::string out = "#MainForm { width: " + px(form.width) + "; height: " + px(form.height)
            + "; background: " + form.background + "; font-family: " + fonts
            + "; font-size: " + px(form.fontPx) + "; }\n";
        for (const web::ControlDescription& c : described_) {
            out += selector(boxId(c)) + " { left: " + px(c.left) + "; top: " + px(c.top)
                + "; width: " + px(c.width) + "; height: " + px(c.height) + ";";
            if (!c.background.empty())
                out += " background: " + c.background + ";";
            if (c.blackText)
                out += " color: #000;";
            out += std::string(" justify-content: ")
                + (c.centreHorizontally ? "center" : "flex-start")
                + "; text-align: " + (c.centreHorizontally ? "center" : "start")
                + "; align-items: " + (c.centreVertically ? "center" : "flex-start") + "; }\n";
        }
        return out + phone();
    }

private:
    std::string element(std::size_t k) const
    {
        const web::ControlDescription& c = described_[k];
        std::string common = attribute("data-control", std::to_string(k));
        if (!c.visible)
            common += " hidden";
        // Named by the heading above it, else by its own name; a label by its text.
        std::string named;
        if (!c.heading.empty())
            named += attribute("aria-labelledby", c.heading);
        else if (!c.name.empty())
            named += attribute("aria-label", c.name);
        if (!c.description.empty() || c.element == web::Element::Time)
            named += attribute("aria-describedby", c.id + "-description");
        if (c.initialFocus)
            named += " autofocus";
        const std::string id = attribute("id", c.id);

        switch (c.element) {
        case web::Element::TextBox:
            // The line feed after the tag is the parser's, not the text's.
            return "<textarea" + id + common + named + " readonly spellcheck=\"false\">\n"
                + web::escaped(c.text, false) + "</textarea>\n";
        case web::Element::List:
            return "<div" + id + common + named
                + " class=\"list\" role=\"listbox\" tabindex=\"0\"></div>\n";
        case web::Element::Frame: {
            std::string out = "<div" + id + common + named + " class=\"frame\""
                + (c.group ? " role=\"radiogroup\"" : "") + ">\n";
            const auto frame = rows_[k]->name == form::Name::Frame1 ? form::Container::Frame1
                                                                    : form::Container::Frame2;
            for (std::size_t child = 0; child < rows_.size(); ++child) {
                if (rows_[child]->container == frame)
                    out += element(child);
            }
            return out + "</div>\n";
        }
        case web::Element::Option:
            // The label is the whole coloured rectangle: a tap anywhere in it chooses.
            return "<label" + attribute("id", c.id + "-box") + common
                + " class=\"option\"><input type=\"radio\"" + attribute("name", c.radioGroup) + id
                + named + (c.chosen ? " checked" : "") + "><span>" + web::escaped(c.text, false)
                + "</span></label>\n";
        case web::Element::Label:
        case web::Element::Time:
            return "<div" + id + common + named + " class=\""
                + (c.element == web::Element::Time ? "label time" : "label") + "\"><span>"
                + web::escaped(c.text, false) + "</span></div>\n";
        }
        return {};
    }

    // Below the design's width: the phone's places and sizes (form/phone.h).
    std::string phone() const
    {
        const form::PhoneArrangement& p = form::phone;
        char query[64];
        std::snprintf(query, sizeof query, "@media (max-width: %.2fpx) {\n", p.narrowerThan - 0.02);
        std::string out = query;
        out += "#MainForm { width: auto; height: " + px(p.formHeight)
            + "; font-size: " + px(p.fontPx) + "; }\n";
        out += ".list > [role=\"option\"] { line-height: " + px(p.rowPx) + "; }\n";
        out += ".option > input { width: " + px(p.radioPx) + "; height: " + px(p.radioPx) + "; }\n";
        // A heading wraps rather than lose its end on the narrowest screens.
        out += ".label { white-space: normal; }\n";
        for (const form::PhonePlace& place : p.places) {
            const form::ControlRow* row = form::rowOf(place.control);
            out += selector(boxId(web::describe(*row))) + " { left: " + across(place.left)
                + "; top: " + px(place.top) + "; width: " + across(place.width)
                + "; height: " + px(place.height) + "; }\n";
        }
        return out + "}\n";
    }

    std::vector<const form::ControlRow*> rows_;
    std::vector<web::ControlDescription> described_;
};

bool write(const std::string& path, const std::string& text)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: page-markup STEM\n", stderr);
        return 2;
    }
    const std::string stem = argv[1];
    const Markup markup;
    if (!write(stem + ".title", web::pageTitle()) || !write(stem + ".html", markup.html())
        || !write(stem + ".css", markup.css())) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
