// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The logic's chart (form::timingChart) with GDI: only paths and texts, as the logic lays them
// out; every scale, point and word is the logic's.

#include "measurements_window.h"

#include "window_parts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace win32 {

void drawChart(HDC dc, const RECT& area, const form::Chart& chart)
{
    const form::ChartFit fit = form::fitChart(area.right - area.left, area.bottom - area.top);
    const double scale = fit.scale;
    if (scale <= 0)
        return;
    const auto at = [&](form::ChartPoint point) {
        const form::ChartPoint placed = fit.at(point);
        return POINT { area.left + std::lround(placed.x), area.top + std::lround(placed.y) };
    };

    std::vector<POINT> points;
    for (const form::ChartPath& path : chart.paths) {
        points.clear();
        for (const form::ChartPoint& point : path.points)
            points.push_back(at(point));
        const Pen pen(CreatePen(
            PS_SOLID, std::max(1L, std::lround(path.strokeWidth * scale)), colourRef(path.stroke)));
        const Brush fill(path.fill ? CreateSolidBrush(colourRef(*path.fill)) : nullptr);
        const Selection penSelected(dc, pen.get());
        const Selection fillSelected(dc, fill.get() ? fill.get() : GetStockObject(NULL_BRUSH));
        if (path.closed)
            Polygon(dc, points.data(), static_cast<int>(points.size()));
        else
            Polyline(dc, points.data(), static_cast<int>(points.size()));
    }

    const Font font(
        createDesignFont(std::max(1, static_cast<int>(std::lround(form::Chart::textSize * scale))),
            form::Chart::fontName));
    const Selection fontSelected(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colourRef(form::Chart::textColour));
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);
    for (const form::ChartText& text : chart.texts) {
        const UINT align = text.anchor == form::ChartText::Anchor::Start ? TA_LEFT
            : text.anchor == form::ChartText::Anchor::Middle             ? TA_CENTER
                                                                         : TA_RIGHT;
        SetTextAlign(dc, align | TA_TOP | TA_NOUPDATECP);
        const POINT point = at(text.at);
        const std::wstring value = wide(text.text);
        // The text's middle height on the point.
        TextOutW(dc, point.x, point.y - (metrics.tmAscent + metrics.tmDescent) / 2, value.c_str(),
            static_cast<int>(value.size()));
    }
}

} // namespace win32
