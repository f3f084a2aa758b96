// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timings_view.h"

#include "chart.h"
#include "described.h"
#include "dom.h"
#include "form_texts.h"
#include "keyboard.h"
#include "screen_reader.h"

#include <cstdio>

namespace web {
namespace {

    std::string colour(std::uint32_t rgb)
    {
        char text[8];
        std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb));
        return text;
    }

    // Two decimals are finer than a device pixel at any width the chart is drawn.
    std::string number(double value)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", value);
        std::string s = text;
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.')
            s.pop_back();
        return s;
    }

    const char* anchorName(form::ChartText::Anchor anchor)
    {
        switch (anchor) {
        case form::ChartText::Anchor::Start:
            return "start";
        case form::ChartText::Anchor::Middle:
            return "middle";
        case form::ChartText::Anchor::End:
            break;
        }
        return "end";
    }

    // The chart's background, paths and texts as SVG elements, in the chart's own units.
    std::string svgElements(const form::Chart& chart)
    {
        // Presentation attributes only: the page's policy allows no inline style.
        std::string svg = "<rect width=\"" + number(form::Chart::width) + "\" height=\""
            + number(form::Chart::height) + "\" fill=\"" + colour(form::Chart::background) + "\"/>";
        for (const form::ChartPath& path : chart.paths) {
            svg += path.closed ? "<polygon points=\"" : "<polyline points=\"";
            for (std::size_t i = 0; i < path.points.size(); ++i) {
                svg += i ? " " : "";
                svg += number(path.points[i].x) + ',' + number(path.points[i].y);
            }
            svg += "\" stroke=\"" + colour(path.stroke) + "\" stroke-width=\""
                + number(path.strokeWidth) + "\" fill=\""
                + (path.fill ? colour(*path.fill) : "none") + "\"/>";
        }
        // The text's middle on its point, as the chart places it; on each text, as WebKit does not
        // inherit the baseline.
        svg += "<g font-family=\"" + escaped(fontFamilies(form::Chart::fontName), true)
            + "\" font-size=\"" + number(form::Chart::textSize) + "\" fill=\""
            + colour(form::Chart::textColour) + "\">";
        for (const form::ChartText& text : chart.texts) {
            svg += "<text x=\"" + number(text.at.x) + "\" y=\"" + number(text.at.y)
                + "\" text-anchor=\"" + anchorName(text.anchor)
                + "\" dominant-baseline=\"central\">" + escaped(text.text) + "</text>";
        }
        return svg + "</g>";
    }

} // namespace

void addTimings(std::array<int, 2> timeLabels)
{
    using form::MeasurementsPart;
    const form::Chart chart = form::timingChart({});
    dom::TimingsDescription described {
        .caption = form::spoken(MeasurementsPart::Table, chart).name,
        .copy = form::spoken(MeasurementsPart::CopyButton, chart).name,
        .descriptions = {},
        .columns = {},
        .rows = {},
        .openers = { timeLabels.begin(), timeLabels.end() },
        .takeFocus = form::measurementsTakeFocus,
        .width = form::Chart::width,
        .height = form::Chart::height,
    };
    for (const MeasurementsPart part :
        { MeasurementsPart::Table, MeasurementsPart::CopyButton, MeasurementsPart::Chart })
        described.descriptions.push_back(form::spoken(part, chart).description);
    for (int column = 0; column < form::TimingTable::shownColumns; ++column)
        described.columns.push_back(form::TimingTable::heading(column));
    for (int interval = 0; interval < form::intervalCount; ++interval)
        described.rows.push_back(form::TimingTable::rowHeading(interval));
    dom::addTimings(described);
}

void showTimings(const form::TimingTable& table)
{
    const form::Chart chart = form::timingChart(table);
    dom::TimingsShown shown { {}, svgElements(chart),
        form::spoken(form::MeasurementsPart::Chart, chart).name };
    for (int interval = 0; interval < form::intervalCount; ++interval) {
        for (int column = 1; column < form::TimingTable::shownColumns; ++column)
            shown.cells.push_back(table.shownText(interval, column));
    }
    dom::showTimings(shown);
}

void copyTimings(const form::TimingTable& table)
{
    dom::copy(table.clipboardText(), texts::tableCopied, texts::tableNotCopied);
}

} // namespace web
