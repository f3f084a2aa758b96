// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Every measurement in one table and one chart: what an interval click records, and the chart's
// scales and words.

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>

#include "chart.h"
#include "recording_controls.h"

#include <algorithm>

using form::computedSide;
using form::storedSide;

TEST_CASE("an interval click fills its cells with the times the labels show, and replaces them")
{
    RecordingControls window;
    const form::TimingTable& table = window.logic.timings();
    CHECK(table.empty());

    window.clickOption(form::Name::Option1, 1); // the square-root bound, as the window opens
    REQUIRE(window.shownTable);
    CHECK_FALSE(window.tableShownWhileUpdating);
    CHECK(window.shownTable->clipboardText() == table.clipboardText());
    CHECK(table.cellText(1, storedSide) == window.shownTimes.back()[0].text);
    CHECK(table.cellText(1, computedSide(2)) == window.shownTimes.back()[1].text);
    CHECK(table.cell(1, computedSide(2))->remainderOperations
        == window.logic.lastClick().remainderOperations);

    window.clickOption(form::Name::Option2, 0);
    window.clickOption(form::Name::Option1, 1);
    CHECK(table.cellText(1, storedSide) == window.shownTimes.back()[0].text);
    CHECK(table.cellText(1, computedSide(0)) == window.shownTimes.back()[1].text);
    CHECK(table.cell(1, computedSide(0))->remainderOperations
        > table.cell(1, computedSide(2))->remainderOperations);
    CHECK(table.cell(1, computedSide(2))); // the other bound's figure stays
    CHECK_FALSE(table.cell(1, computedSide(1)));
    CHECK_FALSE(table.cell(0, storedSide));
}

TEST_CASE("the clipboard has plain numbers in one unit, no finer than measured, and no guesses")
{
    form::TimingTable table;
    table.record(4, 0, { 10, 1, 1 }, { 10, 1, 1 }, 1); // no such interval
    table.record(0, 3, { 10, 1, 1 }, { 10, 1, 1 }, 1); // no such bound
    CHECK(table.empty());
    // Each time as its label shows it, in microseconds: to the nanosecond below one; a rounding
    // up to the next decade keeps its digits ("10,0 мкс"); one digit is one digit.
    table.record(3, 1, { 423'456, 1, 3 }, { 41'234'567, 1, 2 }, 1'236'000);
    table.record(0, 2, { 160, 1, 3 }, { 9'996, 1, 3 }, 12);
    table.record(1, 0, { 5, 1, 1 }, { 1'149, 1, 2 }, 999);
    CHECK(table.clipboardText()
        == "Интервал\tДиректно (мкс)\t2 - (N-1) (мкс)\t2 - (N/2) (мкс)\t2 - sqr(N) (мкс)\r\n"
           "1 - 10\t0,160\t\t\t10,0\r\n"
           "10 - 100\t0,005\t1,1\t\t\r\n"
           "100 - 1000\t\t\t\t\r\n"
           "1000 - 10000\t423\t\t41000\t\r\n"
           "\r\n"
           "Интервал\t2 - (N-1) (проверки за делимост)\t2 - (N/2) (проверки за делимост)"
           "\t2 - sqr(N) (проверки за делимост)\r\n"
           "1 - 10\t\t\t12\r\n"
           "10 - 100\t999\t\t\r\n"
           "100 - 1000\t\t\t\r\n"
           "1000 - 10000\t\t1236000\t\r\n");
    CHECK(table.cellText(0, computedSide(2)) == "10,0 мкс");
}

TEST_CASE("the chart spans the decades of its figures, five of them here, and says them in words")
{
    form::TimingTable table;
    // The stored side ten times, the search a hundred times per interval, from 1 µs to 100 ms.
    table.record(0, 0, { 1'000, 1, 1 }, { 1'000, 1, 1 }, 0);
    table.record(1, 0, { 10'000, 1, 1 }, { 100'000, 1, 1 }, 0);
    table.record(3, 0, { 1'000'000, 1, 1 }, { 100'000'000, 1, 1 }, 0);
    const form::Chart chart = form::timingChart(table);
    CHECK(chart.lowDecade == 3);
    CHECK(chart.highDecade == 8);

    // Evenly apart by interval, one decade an equal height, higher figures higher up.
    const auto& stored = chart.points[storedSide];
    const auto& computed = chart.points[computedSide(0)];
    REQUIRE(stored.size() == 3);
    REQUIRE(computed.size() == 3);
    CHECK(stored[1].x - stored[0].x == doctest::Approx((stored[2].x - stored[1].x) / 2));
    const double decade = (stored[0].y - stored[1].y);
    CHECK(decade > 0);
    CHECK(computed[1].y == doctest::Approx(stored[1].y - decade));
    CHECK(computed[2].y == doctest::Approx(computed[0].y - 5 * decade));
    CHECK(chart.points[computedSide(1)].empty());
    for (const auto& point : stored) {
        CHECK(point.x > 0);
        CHECK(point.x < form::Chart::width);
        CHECK(point.y > 0);
        CHECK(point.y < form::Chart::height);
    }

    std::vector<std::string> labels;
    for (const form::ChartText& text : chart.texts)
        labels.push_back(text.text);
    for (const char* decadeLabel : { "1 мкс", "10 мкс", "100 мкс", "1 мс", "10 мс", "100 мс" })
        CHECK(std::count(labels.begin(), labels.end(), decadeLabel) == 1);
    CHECK(std::count(labels.begin(), labels.end(), "1 с") == 0);
    CHECK(chart.description.find("Директно: от 1 мкс при 1 - 10 до 1 мс при 1000 - 10000.")
        != std::string::npos);
    CHECK(chart.description.find("2 - (N-1): от 1 мкс при 1 - 10 до 100 мс при 1000 - 10000.")
        != std::string::npos);
    CHECK(chart.description.find("2 - (N/2): няма измервания.") != std::string::npos);

    // A figure between decades widens the axis to the decades around it.
    table.record(2, 2, { 850, 1, 2 }, { 120'000'000, 1, 3 }, 0);
    const form::Chart wider = form::timingChart(table);
    CHECK(wider.lowDecade == 2);
    CHECK(wider.highDecade == 9);
    CHECK(form::timingChart({}).description.find("Още няма измервания") != std::string::npos);
}
