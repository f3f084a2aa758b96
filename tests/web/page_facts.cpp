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
#include "measured_time.h"
#include "measurement.h"
#include "trial_division.h"

#include <cstdio>
#include <fstream>
#include <limits>
#include <span>
#include <string>
#include <string_view>

namespace {

// A JSON string: UTF-8 as it is, quotes, backslashes and control characters escaped.
std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

// "[a, b, ...]" of what `item` makes of each element.
template <typename Range, typename Item> std::string list(const Range& range, Item item)
{
    std::string out = "[";
    for (const auto& element : range)
        out += (out.size() > 1 ? ", " : "") + item(element);
    return out + "]";
}

std::string number(std::int64_t value) { return std::to_string(value); }

std::string colour(form::Background background)
{
    return background.kind == form::Background::Kind::Rgb ? number(background.rgb) : "null";
}

// Every text of form_texts.h, by its name there.
struct NamedText {
    const char* name;
    const char* text;
};
struct NamedTexts {
    const char* name;
    std::span<const char* const> texts;
};
#define TEXT(name)                                                                                 \
    NamedText { #name, texts::name }
#define SPOKEN(name)                                                                               \
    NamedText { #name, texts::spoken::name }
constexpr NamedText textList[] = { TEXT(windowTitleEnd), TEXT(titleSeparator), TEXT(title),
    TEXT(intervalHeading), TEXT(storedHeading), TEXT(computedHeading), TEXT(methodHeading),
    TEXT(summaryBefore), TEXT(summaryBetween), TEXT(lineEnd), TEXT(taskStatement),
    TEXT(windowNotOpened), TEXT(quotation), SPOKEN(textBoxName), SPOKEN(textBoxDescription),
    SPOKEN(storedListDescription), SPOKEN(computedListDescription),
    SPOKEN(intervalGroupDescription), SPOKEN(methodGroupDescription), SPOKEN(storedTimeDescription),
    SPOKEN(computedTimeBefore), SPOKEN(computedTimeAfter), SPOKEN(meanOfRunsBefore),
    SPOKEN(meanOfRunsAfter), SPOKEN(announcedStored), SPOKEN(announcedComputed),
    SPOKEN(announcedEnd) };
#undef TEXT
#undef SPOKEN
const NamedTexts textLists[] = { { "intervalCaptions", texts::intervalCaptions },
    { "methodCaptions", texts::methodCaptions },
    { "intervalDescriptions", texts::spoken::intervalDescriptions },
    { "methodDescriptions", texts::spoken::methodDescriptions } };

std::string allTexts()
{
    std::string out = "{";
    for (const NamedText& text : textList)
        out += (out.size() > 1 ? ",\n    " : "\n    ") + jsonString(text.name) + ": "
            + jsonString(text.text);
    for (const NamedTexts& named : textLists)
        out += ",\n    " + jsonString(named.name) + ": " + list(named.texts, jsonString);
    return out + "\n  }";
}

std::string design()
{
    const auto row = [](const form::ControlRow& r) {
        return "\n    {\"id\": " + jsonString(form::designName(r))
            + ", \"tab\": " + number(r.tabIndex) + ", \"rect\": "
            + list(std::initializer_list<int> { r.left, r.top, r.width, r.height },
                [](int twips) { return number(form::pixels(twips)); })
            + ", \"background\": " + colour(r.background)
            + ", \"visible\": " + (r.visible ? "true" : "false")
            + ", \"option\": " + (form::isOption(r.name) ? "true" : "false") + "}";
    };
    std::string out = "[";
    for (const auto& rows : { std::span<const form::ControlRow>(form::design),
             std::span<const form::ControlRow>(form::timeDesign) }) {
        for (const form::ControlRow& r : rows)
            out += (out.size() > 1 ? "," : "") + row(r);
    }
    return out + "\n  ]";
}

// Each interval's remainder operations with each bound, as the search counts them, and as the
// page writes them.
std::string operations()
{
    std::string out = "[";
    for (std::size_t interval = 0; interval < primes::intervals.size(); ++interval) {
        std::string counts = "[";
        for (std::size_t method = 0; method < primes::methodCount; ++method) {
            const std::int64_t count = primes::findPrimes(
                static_cast<std::int16_t>(interval), static_cast<std::int16_t>(method))
                                           .remainderOperations;
            counts += (counts.size() > 1 ? ", " : "") + std::string("{\"count\": ") + number(count)
                + ", \"text\": " + jsonString(measured::countText(count)) + "}";
        }
        out += (interval ? ",\n    " : "\n    ") + counts + "]";
    }
    return out + "\n  ]";
}

// How a time is written, from the formatting itself: the unit of each power of a thousand
// nanoseconds, the decimal separator, the most digits.
std::string timeFormat()
{
    std::string units = "{";
    for (std::int64_t nanoseconds = 1; nanoseconds <= 1'000'000'000; nanoseconds *= 1000) {
        const std::string text = measured::durationText(nanoseconds);
        units += (units.size() > 1 ? ", " : "") + jsonString(text.substr(text.rfind(' ') + 1))
            + ": " + number(nanoseconds);
    }
    const std::string tenths = measured::durationText(1500, 2); // "1,5 мкс"
    const int most = form::digitsFor(std::numeric_limits<std::int64_t>::max());
    return "{\"units\": " + units
        + "}, \"decimal\": " + jsonString(tenths.substr(1, tenths.find('5') - 1))
        + ", \"mostDigits\": " + number(most) + "}";
}

// Where the digits a clock's steps warrant change: [steps from, digits].
std::string digitsRule()
{
    std::string out = "[";
    int last = 0;
    for (std::int64_t steps = 0; steps <= 1'000'000; ++steps) {
        const int digits = form::digitsFor(steps);
        if (digits != last)
            out += (out.size() > 1 ? ", " : "")
                + list(std::initializer_list<std::int64_t> { steps, digits }, number);
        last = digits;
    }
    return out + "]";
}

std::string randomUse()
{
    using namespace random_use;
    return "{\"events\": "
        + list(events,
            [](const Share& s) {
                return "{\"event\": " + jsonString(s.name) + ", \"percent\": " + number(s.percent)
                    + "}";
            })
        + ", \"ctrlPercent\": " + number(ctrlPercent) + ", \"keys\": " + list(keyNames, jsonString)
        + ", \"mostTyped\": " + number(mostTyped) + ", \"typed\": "
        + list(typedShares,
            [](const TypedShare& s) {
                return "{\"typed\": " + jsonString(s.name) + ", \"tenths\": " + number(s.tenths)
                    + "}";
            })
        + ", \"editingKeys\": " + list(editingKeys, jsonString) + ", \"seed\": " + number(seed)
        + ", \"pageEvents\": " + number(pageEvents) + "}";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: page_facts OUT.json\n");
        return 2;
    }
    const std::string json
        = "{\n  \"form\": {\"width\": " + number(form::pixels(form::window.clientWidth))
        + ", \"height\": " + number(form::pixels(form::window.clientHeight)) + ", \"background\": "
        + colour(form::window.background) + ", \"font\": " + jsonString(form::window.fontName)
        + ", \"points\": " + number(form::window.fontPoints) + "},\n  \"design\": " + design()
        + ",\n  \"texts\": " + allTexts() + ",\n  \"intervals\": "
        + list(primes::intervals,
            [](const primes::Interval& i) {
                return "[" + number(i.first) + ", " + number(i.last) + "]";
            })
        + ",\n  \"operations\": " + operations() + ",\n  \"time\": " + timeFormat()
        + ",\n  \"digits\": " + digitsRule() + ",\n  \"randomUse\": " + randomUse() + "\n}\n";
    std::ofstream out(argv[1], std::ios::binary);
    out << json;
    return out.good() ? 0 : 1;
}
