// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's tests check the page against, as JSON: the design in CSS pixels, the texts,
// the intervals and each one's remainder operations with each bound, how a time is written and
// how many digits a clock's steps warrant, and the random user's mix. Compiled as the page is,
// from the same form/ and search/, and run under Node.js by the page's test build, which writes
// build-web/prime-intervals-facts.json (tests/web/browser.py reads it).
//
//   page_facts OUT.json

#include "../random_events.h"
#include "design.h"
#include "form_texts.h"
#include "measurement.h"
#include "time_text.h"
#include "trial_division.h"

#include <cstdio>
#include <fstream>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Members = std::initializer_list<std::pair<std::string_view, std::string>>;

// JSON from values already written as JSON.
std::string object(Members members)
{
    std::string out;
    for (const auto& [name, value] : members)
        out += (out.empty() ? "{\"" : ", \"") + std::string(name) + "\": " + value;
    return out + "}";
}

template <typename Range, typename Item> std::string list(const Range& range, Item item)
{
    std::string out;
    for (const auto& element : range)
        out += (out.empty() ? "[" : ", ") + item(element);
    return out.empty() ? "[]" : out + "]";
}

// UTF-8 as it is; quotes, backslashes and control characters escaped.
std::string quote(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        char escaped[8] = { c, 0 };
        if (c == '"' || c == '\\')
            std::snprintf(escaped, sizeof escaped, "\\%c", c);
        else if (static_cast<unsigned char>(c) < 0x20)
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
        out += escaped;
    }
    return out + '"';
}

std::string number(std::int64_t value) { return std::to_string(value); }

std::string boolean(bool value) { return value ? "true" : "false"; }

std::string colour(form::Background background)
{
    return background.kind == form::Background::Kind::Rgb ? number(background.rgb) : "null";
}

std::string allTexts()
{
    // Every text of form_texts.h, by its name there.
#define TEXT(name)                                                                                 \
    {                                                                                              \
#name, quote(texts::name)                                                                  \
    }
#define TEXTS(name)                                                                                \
    {                                                                                              \
#name, list(texts::name, quote)                                                            \
    }
#define SPOKEN(name)                                                                               \
    {                                                                                              \
#name, quote(texts::spoken::name)                                                          \
    }
#define CHART(name)                                                                                \
    {                                                                                              \
#name, quote(texts::chart::name)                                                           \
    }
#define SPOKENS(name)                                                                              \
    {                                                                                              \
#name, list(texts::spoken::name, quote)                                                    \
    }
    return object({ TEXT(windowTitleEnd), TEXT(titleSeparator), TEXT(title), TEXT(intervalHeading),
        TEXT(storedHeading), TEXT(computedHeading), TEXT(methodHeading), TEXTS(intervalCaptions),
        TEXTS(methodCaptions), TEXT(summaryBefore), TEXT(summaryBetween), TEXT(lineEnd),
        TEXT(taskStatement), TEXT(windowNotOpened), TEXT(quotation), SPOKEN(textBoxName),
        SPOKEN(textBoxDescription), SPOKEN(storedListDescription), SPOKEN(computedListDescription),
        SPOKEN(intervalGroupDescription), SPOKEN(methodGroupDescription),
        SPOKENS(intervalDescriptions), SPOKENS(methodDescriptions), SPOKEN(storedTimeDescription),
        SPOKEN(computedTimeBefore), SPOKEN(computedTimeAfter), SPOKEN(meanOfRunsBefore),
        SPOKEN(meanOfRunsAfter), SPOKEN(announcedStored), SPOKEN(announcedComputed),
        SPOKEN(announcedEnd), TEXT(measurementsTitle), TEXT(measurementsHint), TEXT(copyTable),
        TEXT(tableCopied), SPOKEN(chartDescription), CHART(intro), CHART(nothingYet), CHART(from),
        CHART(to), CHART(at), CHART(none) });
#undef TEXT
#undef TEXTS
#undef CHART
#undef SPOKEN
#undef SPOKENS
}

std::string control(const form::ControlRow& row)
{
    const int rect[] = { row.left, row.top, row.width, row.height };
    return object({ { "id", quote(form::designName(row)) },
        { "rect", list(rect, [](int twips) { return number(form::pixels(twips)); }) },
        { "background", colour(row.background) }, { "visible", boolean(row.visible) },
        { "option", boolean(form::isOption(row.name)) } });
}

// Each interval's remainder operations with each bound, as the search counts them and as the
// page writes them.
std::string operations(const primes::Interval& interval)
{
    const auto index = static_cast<std::int16_t>(&interval - primes::intervals.data());
    std::string out;
    for (std::int16_t method = 0; method < static_cast<std::int16_t>(primes::methodCount);
         ++method) {
        const std::int64_t count = primes::findPrimes(index, method).remainderOperations;
        out += (out.empty() ? "[" : ", ")
            + object({ { "count", number(count) }, { "text", quote(form::countText(count)) } });
    }
    return out + "]";
}

// How a time is written, from the formatting itself: the unit of each power of a thousand
// nanoseconds, the decimal separator, the most digits.
std::string timeFormat()
{
    std::string units;
    for (std::int64_t nanoseconds = 1; nanoseconds <= 1'000'000'000; nanoseconds *= 1000) {
        const std::string text = form::durationText(nanoseconds);
        units += (units.empty() ? "{" : ", ") + quote(text.substr(text.rfind(' ') + 1)) + ": "
            + number(nanoseconds);
    }
    const std::string tenths = form::durationText(1500, 2); // "1,5 мкс"
    return object(
        { { "units", units + "}" }, { "decimal", quote(tenths.substr(1, tenths.find('5') - 1)) },
            { "mostDigits", number(form::digitsFor(std::numeric_limits<std::int64_t>::max())) } });
}

// Where the digits a clock's steps warrant change: [steps from, digits].
std::string digitsRule()
{
    std::string out;
    int last = 0;
    for (std::int64_t steps = 0; steps <= 1'000'000; ++steps) {
        if (const int digits = form::digitsFor(steps); digits != last) {
            out += (out.empty() ? "[[" : ", [") + number(steps) + ", " + number(digits) + "]";
            last = digits;
        }
    }
    return out + "]";
}

std::string randomUse()
{
    using namespace random_use;
    const auto shares = [](const auto& table) {
        return list(table, [](const auto& s) {
            return object({ { "name", quote(s.name) }, { "weight", number(s.weight) } });
        });
    };
    return object({ { "events", shares(events) }, { "ctrlPercent", number(ctrlPercent) },
        { "keys", list(keyNames, quote) }, { "mostTyped", number(mostTyped) },
        { "typed", shares(typed) }, { "editingKeys", list(editingKeys, quote) },
        { "seed", number(seed) }, { "pageEvents", number(pageEvents) } });
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: page_facts OUT.json\n");
        return 2;
    }
    const auto& window = form::window;
    std::vector<form::ControlRow> controls(std::begin(form::design), std::end(form::design));
    controls.insert(controls.end(), std::begin(form::timeDesign), std::end(form::timeDesign));
    const auto interval = [](const primes::Interval& i) {
        return "[" + number(i.first) + ", " + number(i.last) + "]";
    };
    std::ofstream out(argv[1], std::ios::binary);
    out << object(
        { { "form",
              object({ { "width", number(form::pixels(window.clientWidth)) },
                  { "height", number(form::pixels(window.clientHeight)) },
                  { "background", colour(window.background) }, { "font", quote(window.fontName) },
                  { "points", number(window.fontPoints) } }) },
            { "design", list(controls, control) }, { "texts", allTexts() },
            { "intervals", list(primes::intervals, interval) },
            { "operations", list(primes::intervals, operations) }, { "time", timeFormat() },
            { "digits", digitsRule() }, { "randomUse", randomUse() } })
        << '\n';
    return out.good() ? 0 : 1;
}
