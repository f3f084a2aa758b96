// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's behaviour, through a front end that only records: no window system.

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>

#include "form_texts.h"
#include "oracle_bounds.h"
#include "recording_controls.h"
#include "sieve.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int intervalEnds[4][2] = { { 1, 10 }, { 10, 100 }, { 100, 1000 }, { 1000, 10000 } };

std::vector<std::string> expectedRows(int interval)
{
    std::vector<std::string> rows;
    for (const int p : primesBetween(intervalEnds[interval][0], intervalEnds[interval][1]))
        rows.push_back(std::to_string(p));
    return rows;
}

std::string summary(int interval, std::size_t count)
{
    return std::string("В интервала ") + texts::intervalCaptions[interval]
        + " броя прости числа е: " + std::to_string(count) + "\r\n";
}

} // namespace

TEST_CASE("at load, and warmed up: no interval, the square-root bound, the task statement, empty "
          "lists")
{
    RecordingControls window;
    // The warm-up runs both sides' work unseen: it must leave the window as it finds it.
    for (const bool warmed : { false, true }) {
        CAPTURE(warmed);
        while (warmed && window.logic.warmUp()) { }
        CHECK(window.logic.intervalIndex() == -1);
        CHECK(window.logic.methodIndex() == 2);
        CHECK(window.text1(0) == texts::taskStatement);
        CHECK(window.list1(0).rows.empty());
        CHECK(window.list1(1).rows.empty());
        CHECK(window.logic.rows(0).empty());
        CHECK(window.logic.rows(1).empty());
        CHECK(window.shownTimes.empty());
        CHECK_FALSE(window.shownTable);
        CHECK(window.updates == 0);
    }
}

TEST_CASE("an interval click fills both lists and replaces the text by the summary")
{
    RecordingControls window;
    for (std::int16_t method = 0; method < 3; ++method) {
        window.logic.Option2_Click(method);
        for (std::int16_t interval = 0; interval < 4; ++interval) {
            CAPTURE(method);
            CAPTURE(interval);
            window.logic.Option1_Click(interval);
            const std::vector<std::string> expected = expectedRows(interval);
            CHECK(window.logic.intervalIndex() == interval);
            CHECK(window.list1(0).rows == expected);
            CHECK(window.list1(1).rows == expected);
            // Replaced, never appended to, and ends in CR LF.
            CHECK(window.text1(0) == summary(interval, expected.size()));
            CHECK(window.list1(0).selected == -1);
            CHECK(window.list1(1).selected == -1);
        }
    }
    CHECK(window.text1(1) == texts::quotation);
}

TEST_CASE("a new bound takes effect at the next interval click")
{
    RecordingControls window;
    window.logic.Option1_Click(3);
    const std::int64_t squareRoot = window.logic.lastClick().remainderOperations;
    window.logic.Option2_Click(0);
    CHECK(window.logic.methodIndex() == 0);
    // Nothing recomputed yet.
    CHECK(window.logic.lastClick().remainderOperations == squareRoot);
    CHECK(window.shownTimes.size() == 1);
    window.logic.Option1_Click(3);
    CHECK(window.logic.lastClick().remainderOperations > 70 * squareRoot);
    CHECK(window.list1(1).rows == expectedRows(3));
}

TEST_CASE("each interval click shows both times and has the result read out once")
{
    RecordingControls window;
    window.logic.Option2_Click(1);
    window.logic.Option1_Click(0);
    REQUIRE(window.shownTimes.size() == 1);
    const auto& times = window.shownTimes.back();
    // Each may go on to say that its figure is a mean (tst_measurement).
    CHECK(times[0].description.starts_with(texts::spoken::storedTimeDescription));
    // 2 - 10 under the halving bound: 18 divisibility checks.
    CHECK(times[1].description.starts_with(std::string(texts::spoken::computedTimeBefore)
        + "2 - (N/2): 18" + texts::spoken::computedTimeAfter));
    REQUIRE(window.announced.size() == 1);
    CHECK(window.announced.back()
        == "В интервала 1 - 10 броя прости числа е: 4. Директно " + times[0].text
            + ", последователно " + times[1].text + ".");
}

TEST_CASE("the times show once an interval is chosen, not before")
{
    RecordingControls window;
    // Neither a method nor a row click measures anything.
    window.logic.Option2_Click(0);
    window.clickRow(0, 0);
    CHECK(window.shownTimes.empty());
    CHECK_FALSE(window.shownOf(form::Name::Label2, 0));
    window.logic.Option1_Click(1);
    REQUIRE(window.shownTimes.size() == 1);
    for (const form::TimeText& time : window.shownTimes.back())
        CHECK_FALSE(time.text.empty());
}

// The computed side's description names the chosen bound and the divisibility checks its search
// made: a window that searched with another bound would give itself away by the count.
TEST_CASE("the computed time's description names the bound and the checks of its search")
{
    for (std::int16_t method = 0; method < 3; ++method) {
        for (std::int16_t interval = 0; interval < 4; ++interval) {
            CAPTURE(method);
            CAPTURE(interval);
            RecordingControls window;
            window.logic.Option2_Click(method);
            // A different interval first, so that the figures must be replaced, not kept.
            window.logic.Option1_Click(static_cast<std::int16_t>((interval + 1) % 4));
            window.logic.Option1_Click(interval);
            const std::int64_t operations = oracleOperations(std::max(intervalEnds[interval][0], 2),
                intervalEnds[interval][1], static_cast<primes::Method>(method));
            CHECK(window.logic.lastClick().remainderOperations == operations);

            // What it measures; a mean of several runs goes on to say so (tst_measurement), and
            // both end where the time leads.
            std::string description = window.shownTimes.back()[1].description;
            const std::string hint = texts::measurementsHint;
            REQUIRE(description.size() > hint.size());
            CHECK(description.substr(description.size() - hint.size()) == hint);
            description = description.substr(0,
                std::min(description.find(texts::spoken::meanOfRunsBefore),
                    description.size() - hint.size()));
            const std::string before = std::string(texts::spoken::computedTimeBefore)
                + texts::methodCaptions[method] + ": ";
            const std::string after = texts::spoken::computedTimeAfter;
            REQUIRE(description.size() > before.size() + after.size());
            CHECK(description.substr(0, before.size()) == before);
            CHECK(description.substr(description.size() - after.size()) == after);
            // The count, its digits grouped by no-break spaces.
            std::string count = description.substr(
                before.size(), description.size() - before.size() - after.size());
            for (std::size_t at = count.find("\u00a0"); at != std::string::npos;
                 at = count.find("\u00a0"))
                count.erase(at, std::string("\u00a0").size());
            CHECK(count == std::to_string(operations));
        }
    }
}

TEST_CASE("row sync")
{
    RecordingControls window;

    SUBCASE("a list click before any interval does nothing")
    {
        window.clickRow(0, 0);
        window.clickRow(1, 0);
        CHECK(window.selectionsSet == 0);
    }

    SUBCASE("the row selected in either list is selected in both")
    {
        window.logic.Option1_Click(1);
        for (const std::int16_t clicked : { 0, 1 }) {
            CAPTURE(clicked);
            window.clickRow(clicked, static_cast<std::int16_t>(5 + clicked));
            CHECK(window.list1(0).selected == 5 + clicked);
            CHECK(window.list1(1).selected == 5 + clicked);
            CHECK(window.list1(0).rows[static_cast<std::size_t>(5 + clicked)]
                == window.list1(1).rows[static_cast<std::size_t>(5 + clicked)]);
        }
    }

    SUBCASE("re-entered through selections set from code, it ends within two levels")
    {
        window.clickOnSelectionFromCode = true;
        window.logic.Option1_Click(2);
        for (const std::int16_t clicked : { 0, 1 }) {
            CAPTURE(clicked);
            window.deepestClick = 0;
            window.clickRow(clicked, 100);
            CHECK(window.deepestClick <= 2);
            CHECK(window.list1(0).selected == 100);
            CHECK(window.list1(1).selected == 100);
        }
    }
}

TEST_CASE("indices no button sends change nothing")
{
    RecordingControls window;
    window.logic.Option1_Click(4);
    window.logic.Option1_Click(-1);
    CHECK(window.logic.intervalIndex() == -1);
    CHECK(window.text1(0) == texts::taskStatement);
    CHECK(window.shownTimes.empty());
    const std::int16_t method = window.logic.methodIndex();
    window.logic.Option2_Click(3);
    window.logic.Option2_Click(-1);
    CHECK(window.logic.methodIndex() == method);
}

// A row holds its text in place: any number the search may write, whole, and text too long for it
// cut to what it holds rather than written past its end.
TEST_CASE("a result row holds every std::int16_t whole, and cuts longer text")
{
    for (int n = INT16_MIN; n <= INT16_MAX; ++n) {
        const std::string text(form::ResultRow(static_cast<std::int16_t>(n)).text());
        if (text != std::to_string(n))
            REQUIRE(text == std::to_string(n));
    }
    CHECK(form::ResultRow(std::string_view("9973")).text() == "9973");
    CHECK(form::ResultRow(std::string_view("123456789")).text() == "1234567");
    CHECK(form::ResultRow(std::string_view("9973")) == form::ResultRow(std::int16_t { 9973 }));
}
