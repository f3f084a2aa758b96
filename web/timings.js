// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Every measurement so far, below the form: the page's side of the calls that dom.h declares and
// timings_view.cpp makes. A table and a chart that the C++ side fills after each interval click,
// and a button that copies the table. What a key does in it is the C++ side's to decide
// (form::measurementsKey), as in the form.

const Timings = {
    section: null,
    parts: [], // the table, the copy button and the chart, numbered as form::MeasurementsPart
    cells: [], // the table's data cells, row by row
    chart: null,
    takeFocus: false,
    from: null, // the form's element that had the focus before the table took it

    // `d`: dom::TimingsDescription.
    add: function (d) {
        var section = document.createElement('section');
        section.id = 'measurements';
        var table = document.createElement('table');
        table.id = 'measurements-table';
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
        // Scaled to the width it has, its proportions kept; its words are its name.
        var chart = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
        chart.id = 'measurements-chart';
        chart.setAttribute('role', 'img');
        chart.setAttribute('viewBox', '0 0 ' + d.width + ' ' + d.height);
        chart.setAttribute('width', d.width);
        chart.setAttribute('height', d.height);
        // The focus comes by F2, a time's click and the keys in the section, not by the page's
        // Tab order, which is the form's.
        var said = document.createElement('div');
        said.hidden = true;
        [table, copy, chart].forEach(function (part, i) {
            part.tabIndex = -1;
            var description = document.createElement('span');
            description.id = part.id + '-description';
            description.textContent = d.descriptions[i];
            said.append(description);
            part.setAttribute('aria-describedby', description.id);
        });
        section.append(table, copy, chart, said);
        section.addEventListener('keydown', Timings.keydown);
        Page.form.after(section);
        d.openers.forEach(function (k) {
            Page.boxes[k].classList.add('opens-timings');
            Page.boxes[k].addEventListener('click', Timings.reveal);
        });
        Timings.section = section;
        Timings.parts = [table, copy, chart];
        Timings.chart = chart;
        Timings.takeFocus = d.takeFocus;
    },

    // `s`: dom::TimingsShown. The cells' texts and the chart's elements, in one go.
    show: function (s) {
        Timings.cells.forEach(function (cell, i) { cell.textContent = s.cells[i]; });
        Timings.chart.innerHTML = s.chart;
        Timings.chart.setAttribute('aria-label', s.chartName);
    },

    reveal: function () {
        var table = Timings.parts[0];
        table.scrollIntoView({ block: 'nearest' });
        if (!Timings.takeFocus)
            return;
        if (Page.form.contains(document.activeElement))
            Timings.from = document.activeElement;
        table.focus({ preventScroll: true });
    },

    focus: function (part) { Timings.parts[part].focus(); },

    // Back to the form: where the focus was before the table took it, else to the control `k`.
    leave: function (k) {
        if (Timings.from && Page.form.contains(Timings.from))
            Timings.from.focus();
        else
            Page.focus(k);
    },

    // The form's key path (page.js) leaves every key in the section to it, but F2.
    keeps: function (event, key) {
        return key !== 'F2' && !!Timings.section && Timings.section.contains(event.target);
    },

    // The letter C's key by its place where the layout types no Latin letter with it (Ctrl+С on
    // a Cyrillic layout copies, as everywhere else in the browser), else by what it types.
    keydown: function (event) {
        var part = Timings.parts.indexOf(event.target);
        if (part < 0)
            return;
        var latin = /^[a-z]$/i.test(event.key);
        Page.pressed = (latin ? event.key.toLowerCase() === 'c' : event.code === 'KeyC') ? 'KeyC'
            : Page.keyName(event);
        if (Module['_web_timings_key_pressed'](part, event.shiftKey, event.ctrlKey, event.altKey,
            event.metaKey))
            event.preventDefault();
    },

    // From the button's click or Ctrl+C. A copy event filled by the page works in every engine,
    // also from file://, where the asynchronous clipboard may be missing; that is the fallback.
    copy: function (text, said, failed) {
        var copied = false;
        var put = function (event) {
            event.clipboardData.setData('text/plain', text);
            event.preventDefault();
            copied = true;
        };
        document.addEventListener('copy', put);
        try {
            document.execCommand('copy');
        } catch (e) {
            copied = false;
        } finally {
            document.removeEventListener('copy', put);
        }
        if (copied)
            Page.announce(said);
        else if (navigator.clipboard)
            navigator.clipboard.writeText(text).then(function () { Page.announce(said); },
                function () { Page.announce(failed); });
        else
            Page.announce(failed);
    },
};
