// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the edge (dom.cpp calls it; it calls the exported functions of main.cpp):
// it turns the control descriptions that the C++ front end reads from form/ into HTML elements,
// and the user's clicks and keys into calls of the front end. It decides nothing about the form:
// which key does what, the names, the descriptions, the colours and the places all come from the
// C++ side. Only what a native list box does by itself is here: arrows, Home, End, Page Up and
// Page Down move its selection.

// form::Name, form::Role and form::Key as numbers.
var Kind = { Text1: 0, Label1: 1, List1: 2, List2: 3, Frame1: 4, Frame2: 5, Option1: 6,
    Option2: 7, Label2: 8 };
var Role = { None: 0, TextBox: 1, List: 2, Group: 3, OptionButton: 4, Label: 5 };
var Keys = { Tab: 0, ArrowUp: 1, ArrowDown: 2, ArrowLeft: 3, ArrowRight: 4 };

var Page = {
    form: null,
    boxes: [], // per control: the positioned element
    focusable: [], // per control: the element that takes the focus, if any
    texts: [], // per control: the element that shows its text
    descriptions: [], // per control: the hidden element its description is read from
    selected: [], // per list: the selected row, -1 for none
    decoder: new TextDecoder(),
    encoder: new TextEncoder(),

    str: function (p, n) { return Page.decoder.decode(HEAPU8.subarray(p, p + n)); },
    // Writes `s` as UTF-8 into the buffer if it fits; returns its length in bytes.
    put: function (s, buffer, size) {
        var bytes = Page.encoder.encode(s);
        if (bytes.length < size)
            HEAPU8.set(bytes, buffer);
        return bytes.length;
    },
    // A length in design pixels, scaled with the form as --u is (page.css), in one step.
    px: function (n) { return 'min(' + n + 'px, 100vw * ' + n + ' / var(--form-width))'; },
    colour: function (rgb) { return '#' + ('00000' + rgb.toString(16)).slice(-6); },

    setTitle: function (title) { document.title = title; },

    setFormSize: function (width, height, background, font, points) {
        var form = document.getElementById('MainForm');
        Page.form = form;
        form.style.setProperty('--form-width', width);
        form.style.width = Page.px(width);
        form.style.height = Page.px(height);
        form.style.background = Page.colour(background);
        // 1 pt is 4/3 CSS pixels. Liberation Serif has the metrics of Times New Roman; the page
        // carries a subset of it (page.css), for systems that have neither.
        form.style.fontFamily = '"' + font + '", "Liberation Serif", "Prime Intervals Serif", serif';
        form.style.fontSize = Page.px(points * 4 / 3);
        document.addEventListener('keydown', Page.keydown, true);
        // A click on what takes no focus (the form's background, a heading, a time) leaves the
        // focus where it was, as in a desktop window, instead of on the page.
        form.addEventListener('mousedown', function (event) {
            if (!event.target.closest('textarea, [role="listbox"], label'))
                event.preventDefault();
        });
    },

    addControl: function (k, c) {
        var parent = c.parent < 0 ? Page.form : Page.boxes[c.parent];
        var box, focusable = null, text = null;
        switch (c.kind) {
        case Kind.Text1:
            box = document.createElement('textarea');
            box.readOnly = true;
            box.spellcheck = false;
            box.value = c.text;
            focusable = box;
            break;
        case Kind.List1:
        case Kind.List2:
            box = document.createElement('div');
            box.className = 'list';
            box.setAttribute('role', 'listbox');
            box.tabIndex = 0;
            focusable = box;
            Page.selected[k] = -1;
            Page.listEvents(k, box);
            break;
        case Kind.Frame1:
        case Kind.Frame2:
            box = document.createElement('div');
            box.className = 'frame';
            break;
        case Kind.Option1:
        case Kind.Option2:
            // The label is the whole coloured rectangle: a click anywhere in it chooses.
            box = document.createElement('label');
            box.className = 'option';
            focusable = document.createElement('input');
            focusable.type = 'radio';
            focusable.name = c.kind === Kind.Option1 ? 'Option1' : 'Option2';
            focusable.checked = c.chosen;
            text = document.createElement('span');
            text.textContent = c.text;
            box.append(focusable, text);
            Page.optionEvents(k, focusable, box);
            break;
        default: // Label1, Label2
            box = document.createElement('div');
            box.className = c.kind === Kind.Label2 ? 'label time' : 'label';
            text = document.createElement('span');
            text.textContent = c.text;
            box.append(text);
            break;
        }
        if (focusable !== box)
            box.id = c.id + '-box';
        (focusable || box).id = c.id;
        if (focusable)
            focusable.dataset.control = k;
        box.hidden = !c.visible;
        var style = box.style;
        style.left = Page.px(c.left);
        style.top = Page.px(c.top);
        style.width = Page.px(c.width);
        style.height = Page.px(c.height);
        if (c.background >= 0)
            style.background = Page.colour(c.background);
        else if (c.background === -2)
            style.background = 'transparent';
        if (c.black)
            style.color = '#000';
        style.justifyContent = c.hCentre ? 'center' : 'flex-start';
        style.textAlign = c.hCentre ? 'center' : 'start';
        style.alignItems = c.vCentre ? 'center' : 'flex-start';

        var named = focusable || box;
        if (c.role === Role.Group)
            box.setAttribute('role', 'radiogroup');
        if (c.heading)
            named.setAttribute('aria-labelledby', c.heading);
        else if (c.name && c.role !== Role.Label)
            named.setAttribute('aria-label', c.name);
        if (c.description || c.kind === Kind.Label2) {
            var description = document.createElement('span');
            description.id = c.id + '-description';
            description.textContent = c.description;
            document.getElementById('descriptions').append(description);
            named.setAttribute('aria-describedby', description.id);
            Page.descriptions[k] = description;
        }
        Page.boxes[k] = box;
        Page.focusable[k] = focusable;
        Page.texts[k] = text;
        parent.append(box);
    },

    setText: function (k, text) {
        Page.boxes[k].value = text;
        Page.boxes[k].scrollTop = 0;
    },

    text: function (k) { return Page.texts[k] ? Page.texts[k].textContent : ''; },

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
    // Space on the chosen button clicks it there too, where Chromium raises no click.
    optionEvents: function (k, input, label) {
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
        var clicked = false;
        input.addEventListener('click', function () {
            clicked = true;
            Module['_web_option_clicked'](k);
        });
        input.addEventListener('keydown', function (event) {
            if (event.key === ' ')
                clicked = false;
        });
        input.addEventListener('keyup', function (event) {
            if (event.key !== ' ' || !input.checked)
                return;
            setTimeout(function () {
                if (!clicked && input.checked)
                    Module['_web_option_clicked'](k);
                clicked = true;
            }, 0);
        });
    },

    // A list box's own keys and clicks: each chosen row goes to the front end, which selects it
    // and runs List1_Click.
    listEvents: function (k, box) {
        box.addEventListener('click', function (event) {
            var option = event.target.closest('[role="option"]');
            if (option && box.contains(option))
                Module['_web_row_chosen'](k, Number(option.dataset.row));
        });
        box.addEventListener('keydown', function (event) {
            if (event.ctrlKey || event.altKey || event.metaKey)
                return;
            var count = box.children.length;
            var at = Page.selected[k];
            var rowHeight = count ? box.children[0].offsetHeight : 1;
            var page = Math.max(1, Math.floor(box.clientHeight / Math.max(rowHeight, 1)) - 1);
            var row;
            switch (event.key) {
            case 'ArrowDown': row = at < 0 ? 0 : at + 1; break;
            case 'ArrowUp': row = at < 0 ? 0 : at - 1; break;
            case 'Home': row = 0; break;
            case 'End': row = count - 1; break;
            case 'PageDown': row = at < 0 ? 0 : at + page; break;
            case 'PageUp': row = at < 0 ? 0 : at - page; break;
            default: return;
            }
            event.preventDefault();
            if (!count)
                return;
            row = Math.min(Math.max(row, 0), count - 1);
            Module['_web_row_chosen'](k, row);
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

    // Tab, Shift+Tab and the arrows, as the form decides (form::keyAction).
    keydown: function (event) {
        // WebKitGTK names Shift+Tab by its code alone (GTK's ISO_Left_Tab has no key name).
        var key = event.key === 'Unidentified' && event.code === 'Tab' ? 'Tab' : event.key;
        if (!(key in Keys))
            return;
        var focused = document.activeElement;
        var k = focused && focused.dataset && focused.dataset.control !== undefined
            ? Number(focused.dataset.control) : -1;
        if (Module['_web_key_pressed'](k, Keys[key], event.shiftKey, event.ctrlKey,
                event.altKey, event.metaKey)) {
            event.preventDefault();
            event.stopPropagation();
        }
    },

    // The form's clock. Its step is the logic's to observe (form/measurement.h).
    now: function () { return performance.now(); },
};
