// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Only in the page's test build (prime-intervals-test.html).

// What is wrong with the page, as the logic itself checks it (form/invariants.h), empty if
// nothing. A test driving the page calls it after each event.
window.brokenInvariant = function () {
    Module['_web_broken_invariant']();
    return Page.reply;
};

// What the measurements' copy puts on the clipboard, as the logic writes it.
window.clipboardText = function () {
    Module['_web_clipboard_text']();
    return Page.reply;
};

// With #held in the page's address the program waits until releaseProgram(): a test acts on the
// form before the program has attached, as a quick finger does.
if (location.hash === '#held') {
    Module['preRun'].push(function () { addRunDependency('held'); });
    window.releaseProgram = function () { removeRunDependency('held'); };
}
