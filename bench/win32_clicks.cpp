// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// `make bench`, the Windows window under Wine (bench/class_sequence): the clicks named on the
// command line ("Option2(0)", "Option1(3)" …), in order, on the window just opened, each a real
// click through the tests' fixture; after each, a line with the click and the two times as the
// window shows them.
#define DOCTEST_CONFIG_IMPLEMENT
#include "window_fixture.h"

#include "design.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> clicks;

const form::ControlRow* rowNamed(const std::string& name)
{
    for (const form::ControlRow& row : form::design) {
        if (form::designName(row) == name)
            return &row;
    }
    return nullptr;
}

} // namespace

TEST_CASE_FIXTURE(WindowFixture, "the clicks asked for, each time read from the window")
{
    const HWND times[] = { control(form::Name::Label2, 0), control(form::Name::Label2, 1) };
    for (const std::string& name : clicks) {
        const form::ControlRow* row = rowNamed(name);
        REQUIRE_MESSAGE(row != nullptr, name);
        click(control(row->name, row->index));
        std::printf(
            "click\t%s\t%s\t%s\n", name.c_str(), text(times[0]).c_str(), text(times[1]).c_str());
    }
    std::fflush(stdout);
}

// The arguments are the clicks; doctest gets none of them.
int wmain(int argc, wchar_t** argv)
{
    for (int i = 1; i < argc; ++i)
        clicks.push_back(win32::utf8(argv[i]));
    return runDoctest(1, argv);
}
