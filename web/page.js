// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the edge (dom.h declares both directions). The form's elements are in the
// page's markup, written by the build from form/, and this small script runs as the page is read:
// it numbers the elements as the build did and listens to them at once. The program, emscripten's
// script with the WebAssembly inside, waits in the page as text and is started only once the
// browser has painted the form, so that the page paints as fast as plain HTML. Then this script
// hands the user's clicks and keys to the C++ side, which decides what each does, and shows what
// the logic writes; until the C++ side has attached, what the user does is kept, and then carried
// out in order.

// A lexical binding, not a property of window: this script, the program and the EM_JS functions of
// dom.cpp reach it, other scripts' window does not carry it.
const Page = {
    form: document.getElementById('MainForm'),
    boxes: [], // per control: the placed element
    focusable: [], // per control: the element that takes the focus, if any
    texts: [], // per control: the element that shows its text
    descriptions: [], // per control: the hidden element its description is read from
    selected: [], // per list: the selected row, -1 for none
    keys: {}, // the window's own keys by KeyboardEvent.key (web::pageKeys)
    attached: false,
    waiting: [], // what the user did before the C++ side attached
    pressed: '', // the key being pressed, as the C++ side reads it (dom::pressedKey)
    decoder: new TextDecoder(),
    encoder: new TextEncoder(),

    str: function (p, n) { return Page.decoder.decode(HEAPU8.subarray(p, p + n)); },
    json: function (p, n) { return JSON.parse(Page.str(p, n)); },
    // Writes `s` as UTF-8 into the buffer if it fits; returns its length in bytes.
    put: function (s, buffer, size) {
        var bytes = Page.encoder.encode(s);
        if (bytes.length < size)
            HEAPU8.set(bytes, buffer);
        return bytes.length;
    },

    // Numbers the controls as the build wrote them (data-control) and listens to them.
    listen: function () {
        var form = Page.form;
        Page.keys = JSON.parse(form.dataset.keys);
        form.querySelectorAll('[data-control]').forEach(function (box) {
            var k = Number(box.dataset.control);
            var focusable = box.matches('textarea, .list') ? box
                : box.matches('.option') ? box.querySelector('input') : null;
            Page.boxes[k] = box;
            Page.focusable[k] = focusable;
            Page.texts[k] = box.matches('.label, .option') ? box.querySelector('span') : null;
            Page.descriptions[k] = document.getElementById((focusable || box).id + '-description');
            if (box.matches('.list')) {
                Page.selected[k] = -1;
                Page.listEvents(k, box);
            } else if (focusable) {
                Page.optionEvents(k, focusable, box);
            }
        });
        document.addEventListener('keydown', Page.keydown, true);
        // A click on what takes no focus (the form's background, a heading, a time) leaves the
        // focus where it was, as in a desktop window, instead of on the page.
        form.addEventListener('mousedown', function (event) {
            if (!event.target.closest('textarea, [role="listbox"], label'))
                event.preventDefault();
        });
    },

    // Runs what the user did on the C++ side, now, or once it has attached; until then the
    // page gives the event none of its own meaning beyond what it has done already (a radio
    // button shows itself chosen).
    call: function (what) {
        if (Page.attached)
            return what();
        Page.waiting.push(what);
        return 1;
    },

    // Starts the program once the form has been painted: after the first frame, and where the
    // browser reports paints, after its first contentful paint too, since Firefox runs the
    // callbacks of a page's first frames before it paints them, and the program, started from
    // the second, kept the form from the screen; then after the frame that draws the page's own
    // font where the paint came without it.
    start: function () {
        var started = false;
        var run = function () {
            if (started)
                return;
            started = true;
            var program = document.createElement('script');
            program.textContent = document.getElementById('program').textContent;
            document.body.append(program);
        };
        // At the start of the next frame, once the first has been drawn: not a timeout, which
        // Firefox holds back while a page loads.
        var afterFrame = function (then) {
            requestAnimationFrame(function () { requestAnimationFrame(function () { then(); }); });
        };
        var painted = function () {
            if (document.fonts.status === 'loaded')
                run();
            else
                document.fonts.ready.then(function () { afterFrame(run); });
        };
        var waiting = 2;
        var ready = function () {
            if (--waiting === 0)
                painted();
        };
        afterFrame(ready);
        if (typeof PerformanceObserver !== 'undefined'
            && (PerformanceObserver.supportedEntryTypes || []).includes('paint')) {
            new PerformanceObserver(function (list, observer) {
                if (list.getEntriesByName('first-contentful-paint').length) {
                    observer.disconnect();
                    ready();
                }
            }).observe({ type: 'paint', buffered: true });
        } else {
            ready();
        }
        // A page opened in the background paints nothing until it is shown.
        setTimeout(run, 1000);
    },

    attach: function () {
        Page.attached = true;
        var waiting = Page.waiting;
        Page.waiting = [];
        waiting.forEach(function (what) { what(); });
        Page.form.removeAttribute('aria-busy');
        Page.afterFrame(Page.warmUp);
    },

    // The rest of the warm-up the program began (form/form_logic.h), a slice at a time, each after
    // a frame: what a tap changed is drawn before the next slice, and a tap waits for one at most.
    warmUp: function () {
        if (Module['_web_warm_up']())
            Page.afterFrame(Page.warmUp);
    },

    afterFrame: function (what) {
        requestAnimationFrame(function () { setTimeout(what, 0); });
    },

    setText: function (k, text) {
        Page.boxes[k].value = text;
        Page.boxes[k].scrollTop = 0;
    },

    // What a control shows: a text box's text, a label's or a button's caption.
    text: function (k) {
        if (Page.boxes[k] instanceof HTMLTextAreaElement)
            return Page.boxes[k].value;
        return Page.texts[k] ? Page.texts[k].textContent : '';
    },

    // All rows in one go: one parse of the list's HTML, not one call per row.
    setRows: function (k, rows, selected) {
        var box = Page.boxes[k];
        var html = '';
        if (rows.length) {
            var list = rows.split('\n');
            var id = box.id + '-';
            for (var i = 0; i < list.length; ++i) {
                html += '<div role="option" aria-selected="false" id="' + id + i + '" data-row="'
                    + i + '">' + Page.escape(list[i]) + '</div>';
            }
        }
        box.innerHTML = html;
        box.scrollTop = 0;
        Page.selected[k] = -1;
        box.removeAttribute('aria-activedescendant');
        Page.select(k, selected);
    },

    escape: function (s) {
        return s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
    },

    select: function (k, row) {
        var box = Page.boxes[k];
        var old = Page.selected[k];
        if (old >= 0 && box.children[old]) {
            box.children[old].setAttribute('aria-selected', 'false');
            box.children[old].classList.remove('selected');
        }
        var option = row >= 0 ? box.children[row] : null;
        Page.selected[k] = option ? row : -1;
        if (!option) {
            box.removeAttribute('aria-activedescendant');
            return;
        }
        option.setAttribute('aria-selected', 'true');
        option.classList.add('selected');
        box.setAttribute('aria-activedescendant', option.id);
        // Scrolled into view within the list only, never the page.
        var top = option.offsetTop, bottom = top + option.offsetHeight;
        if (top < box.scrollTop)
            box.scrollTop = top;
        else if (bottom > box.scrollTop + box.clientHeight)
            box.scrollTop = bottom - box.clientHeight;
    },

    // A click on a radio button runs its handler, also on the chosen one, as on the desktop.
    optionEvents: function (k, input, label) {
        input.addEventListener('click', function () {
            Page.call(function () { Module['_web_option_clicked'](k); });
        });
        // Firefox does not pass a click with Ctrl, Shift, Alt or the logo key from a label to its
        // button: such a click chooses the button here, as a plain one does, in every engine.
        label.addEventListener('click', function (event) {
            if (event.target === input
                || !(event.ctrlKey || event.shiftKey || event.altKey || event.metaKey))
                return;
            event.preventDefault();
            input.focus();
            input.click();
        });
    },

    // How many rows a list shows whole at once.
    // The height of a list's area for rows and of its first row (0 for none), in CSS pixels.
    listHeight: function (k) { return Page.boxes[k].clientHeight; },
    rowHeight: function (k) {
        var box = Page.boxes[k];
        return box.children.length ? box.children[0].offsetHeight : 0;
    },

    // A click on a row goes to the front end, which selects it and runs List1_Click. The list's
    // keys come through Page.keydown.
    listEvents: function (k, box) {
        box.addEventListener('click', function (event) {
            var option = event.target.closest('[role="option"]');
            if (option && box.contains(option)) {
                var row = Number(option.dataset.row);
                Page.call(function () { Module['_web_row_chosen'](k, row); });
            }
        });
    },

    showTime: function (k, text, description) {
        Page.texts[k].textContent = text;
        Page.descriptions[k].textContent = description;
        Page.boxes[k].dataset.tip = description;
        Page.boxes[k].hidden = false;
    },

    // A polite live region: a new paragraph in it is read once, without moving the focus.
    announce: function (text) {
        var region = document.getElementById('announcement');
        var said = document.createElement('p');
        said.textContent = text;
        region.replaceChildren(said);
    },

    focus: function (k) { if (Page.focusable[k]) Page.focusable[k].focus(); },
    check: function (k) { if (Page.focusable[k]) Page.focusable[k].checked = true; },
    checked: function (k) {
        var input = Page.focusable[k];
        return !!input && input.type === 'radio' && input.checked;
    },
    // Whether a control shows: neither it nor what holds it is hidden.
    shown: function (k) { return !Page.boxes[k].closest('[hidden]'); },
    // The control that has the focus, -1 for none.
    focused: function () {
        var focused = document.activeElement;
        var box = focused && focused.closest ? focused.closest('[data-control]') : null;
        return box && Page.focusable[Number(box.dataset.control)] === focused
            ? Number(box.dataset.control) : -1;
    },

    // A key's name, KeyboardEvent.key, or what it types; WebKitGTK names Shift+Tab by its code
    // alone (GTK's ISO_Left_Tab has none).
    keyName: function (event) {
        if (event.key === 'Unidentified' && event.code === 'Tab')
            return 'Tab';
        return event.key;
    },

    // Every key goes to the C++ side first (form::keyAction decides); until it has attached, only
    // the window's own keys and what types one character, with neither Ctrl, Alt nor the logo key
    // held, are kept for it: such a key does nothing in the window, and find, print, zoom and the
    // rest stay the browser's. A key it takes keeps none of the browser's meanings; its release
    // has none left either, since a browser clicks a radio button on Space's release only where
    // it let Space's press through.
    keydown: function (event) {
        var key = Page.keyName(event);
        // The measurements below the form (timings.js) keep the browser's own keys, once the
        // program that builds them has run.
        if (typeof Timings !== 'undefined' && Timings.keeps(event, key))
            return;
        var shift = event.shiftKey, ctrl = event.ctrlKey, alt = event.altKey, meta = event.metaKey;
        if (!Page.attached
            && (ctrl || alt || meta || (!(key in Page.keys) && [...key].length !== 1)))
            return;
        if (Page.call(function () {
            Page.pressed = key;
            return Module['_web_key_pressed'](shift, ctrl, alt, meta);
        })) {
            event.preventDefault();
            event.stopPropagation();
        }
    },

    // The form's clock. Its step is the logic's to observe (form/measurement.h).
    now: function () { return performance.now(); },
};

// emscripten's program reads what it is given from Module: once main() has returned, the C++ side
// has attached, and what was kept is carried out.
var Module = { preRun: [], postRun: [Page.attach] };
Page.listen();
Page.start();
