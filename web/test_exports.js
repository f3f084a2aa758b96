// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Only in the page's test build (prime-intervals-test.html): what is wrong with the page, as the
// logic itself checks it (form/invariants.h), empty if nothing. A test driving the page calls it
// after each event.
window.brokenInvariant = function () {
    Module['_web_broken_invariant']();
    return Page.reply;
};
