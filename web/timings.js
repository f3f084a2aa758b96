// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Every measurement so far, below the form: the page's side of the calls that dom.h declares and
// timings_view.cpp makes. A table and a chart that the C++ side fills after each interval click,
// and a button that copies the table.

const Timings = {
    section: null,
    table: null,
    copyButton: null,
    cells: [], // the table's data cells, row by row
    chart: null,

    // `d`: dom::TimingsDescription.
    add: function (d) {
        var section = document.createElement('section');
        section.id = 'measurements';
        var table = document.createElement('table');
        table.id = 'measurements-table';
        table.tabIndex = -1; // the focus comes by F2 or a time's click, not by Tab
        var caption = table.createCaption();
        caption.id = 'measurements-caption';
        caption.textContent = d.caption;
        section.setAttribute('aria-labelledby', caption.id);
        // A narrow screen breaks a heading only between its words, never in "(N-1)".
        var heading = function (text, scope) {
            var th = document.createElement('th');
            th.scope = scope;
            text.split(' ').forEach(function (word, i) {
                var whole = document.createElement('span');
                whole.textContent = word;
                th.append(i ? ' ' : '', whole);
            });
            return th;
        };
        var head = table.createTHead().insertRow();
        d.columns.forEach(function (text) { head.append(heading(text, 'col')); });
        var body = table.createTBody();
        d.rows.forEach(function (text) {
            var row = body.insertRow();
            row.append(heading(text, 'row'));
            for (var side = 1; side < d.columns.length; ++side)
                Timings.cells.push(row.insertCell());
        });
        var copy = document.createElement('button');
        copy.type = 'button';
        copy.id = 'measurements-copy';
        copy.textContent = d.copy;
        copy.addEventListener('click', function () { Module['_web_copy_timings'](); });
        // Scaled to the width it has, its proportions kept; its words are in aria-label.
        var chart = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
        chart.id = 'measurements-chart';
        chart.setAttribute('role', 'img');
        chart.setAttribute('viewBox', '0 0 ' + d.width + ' ' + d.height);
        chart.setAttribute('width', d.width);
        chart.setAttribute('height', d.height);
        section.append(table, copy, chart);
        Page.form.after(section);
        d.openers.forEach(function (k) {
            Page.boxes[k].classList.add('opens-timings');
            Page.boxes[k].addEventListener('click', Timings.reveal);
        });
        Timings.section = section;
        Timings.table = table;
        Timings.copyButton = copy;
        Timings.chart = chart;
    },

    // `s`: dom::TimingsShown. The cells' texts and the chart's elements, in one go.
    show: function (s) {
        Timings.cells.forEach(function (cell, i) { cell.textContent = s.cells[i]; });
        Timings.chart.innerHTML = s.chart;
        Timings.chart.setAttribute('aria-label', s.chartDescription);
    },

    reveal: function () {
        Timings.table.scrollIntoView({ block: 'nearest' });
        Timings.table.focus({ preventScroll: true });
    },

    // Whether a key is the browser's own: in the section every key is, except F2, and Tab where
    // it would leave the section, which the form's Tab order then takes from outside every stop
    // (Tab to its first, Shift+Tab to its last).
    keeps: function (event, key) {
        if (key === 'F2' || !Timings.table || !Timings.section.contains(event.target))
            return false;
        if (key !== 'Tab')
            return true;
        return event.target !== (event.shiftKey ? Timings.table : Timings.copyButton);
    },

    // From the button's click. A copy event filled by the page works in every engine, also from
    // file://, where the asynchronous clipboard may be missing; that is the fallback.
    copy: function (text, said) {
        var copied = false;
        var put = function (event) {
            event.clipboardData.setData('text/plain', text);
            event.preventDefault();
            copied = true;
        };
        document.addEventListener('copy', put);
        try {
            document.execCommand('copy');
        } finally {
            document.removeEventListener('copy', put);
        }
        if (copied)
            Page.announce(said);
        else if (navigator.clipboard)
            navigator.clipboard.writeText(text).then(function () { Page.announce(said); },
                function () {});
    },
};
