// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the edge (dom.h declares both directions): it builds HTML elements from the
// control descriptions that the C++ front end reads from form/, shows what the logic writes, and
// hands the user's clicks and keys to the C++ side, which decides what each does. Controls are
// numbered as the C++ side added them; kinds of element and keys cross by name.

// A lexical binding, not a property of window: the page's script and the EM_JS functions of
// dom.cpp reach it, other scripts' window does not carry it.
const Page = {
    form: null,
    boxes: [], // per control: the positioned element
    focusable: [], // per control: the element that takes the focus, if any
    texts: [], // per control: the element that shows its text
    descriptions: [], // per control: the hidden element its description is read from
    selected: [], // per list: the selected row, -1 for none
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
    // A length in design pixels, scaled with the form as --u is (page.css), in one step.
    px: function (n) { return 'min(' + n + 'px, 100vw * ' + n + ' / var(--form-width))'; },

    setTitle: function (title) { document.title = title; },

    setForm: function (f) {
        var form = document.getElementById('MainForm');
        Page.form = form;
        form.style.setProperty('--form-width', f.width);
        form.style.width = Page.px(f.width);
        form.style.height = Page.px(f.height);
        form.style.background = f.background;
        // 1 pt is 4/3 CSS pixels. Liberation Serif has the metrics of Times New Roman; the page
        // carries a subset of it (page.css), for systems that have neither.
        form.style.fontFamily = '"' + f.font + '", "Liberation Serif", "Prime Intervals Serif", serif';
        form.style.fontSize = Page.px(f.points * 4 / 3);
        document.addEventListener('keydown', Page.keydown, true);
        document.addEventListener('keyup', Page.keyup, true);
        // A click on what takes no focus (the form's background, a heading, a time) leaves the
        // focus where it was, as in a desktop window, instead of on the page.
        form.addEventListener('mousedown', function (event) {
            if (!event.target.closest('textarea, [role="listbox"], label'))
                event.preventDefault();
        });
    },


    // `c`: one control, as dom::ControlDescription describes it.
    addControl: function (k, c) {
        var parent = c.parent < 0 ? Page.form : Page.boxes[c.parent];
        var box, focusable = null, text = null;
        switch (c.element) {
        case 'textbox':
            box = document.createElement('textarea');
            box.readOnly = true;
            box.spellcheck = false;
            box.value = c.text;
            focusable = box;
            break;
        case 'list':
            box = document.createElement('div');
            box.className = 'list';
            box.setAttribute('role', 'listbox');
            box.tabIndex = 0;
            focusable = box;
            Page.selected[k] = -1;
            Page.listEvents(k, box);
            break;
        case 'frame':
            box = document.createElement('div');
            box.className = 'frame';
            break;
        case 'option':
            // The label is the whole coloured rectangle: a click anywhere in it chooses.
            box = document.createElement('label');
            box.className = 'option';
            focusable = document.createElement('input');
            focusable.type = 'radio';
            focusable.name = c.radioGroup;
            focusable.checked = c.chosen;
            text = document.createElement('span');
            text.textContent = c.text;
            box.append(focusable, text);
            Page.optionEvents(k, focusable, box);
            break;
        case 'label':
        case 'time':
            box = document.createElement('div');
            box.className = c.element === 'time' ? 'label time' : 'label';
            text = document.createElement('span');
            text.textContent = c.text;
            box.append(text);
            break;
        default:
            throw new Error('no element of the kind ' + c.element);
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
        if (c.background)
            style.background = c.background;
        if (c.blackText)
            style.color = '#000';
        style.justifyContent = c.centreHorizontally ? 'center' : 'flex-start';
        style.textAlign = c.centreHorizontally ? 'center' : 'start';
        style.alignItems = c.centreVertically ? 'center' : 'flex-start';

        var named = focusable || box;
        if (c.group)
            box.setAttribute('role', 'radiogroup');
        if (c.heading)
            named.setAttribute('aria-labelledby', c.heading);
        else if (c.name)
            named.setAttribute('aria-label', c.name);
        if (c.description || c.element === 'time') {
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
        input.addEventListener('click', function () { Module['_web_option_clicked'](k); });
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
            if (option && box.contains(option))
                Module['_web_row_chosen'](k, Number(option.dataset.row));
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
        return focused && focused.dataset && focused.dataset.control !== undefined
            ? Number(focused.dataset.control) : -1;
    },

    // A key's name, KeyboardEvent.key, or what it types; WebKitGTK names Shift+Tab by its code
    // alone (GTK's ISO_Left_Tab has none).
    keyName: function (event) {
        if (event.key === 'Unidentified' && event.code === 'Tab')
            return 'Tab';
        return event.key;
    },

    // Every key goes to the C++ side first (form::keyAction decides). A key it takes keeps none
    // of the browser's meanings, on its release neither: a radio button would click itself as
    // Space comes up.
    taken: null,
    keydown: function (event) {
        var key = Page.keyName(event);
        Page.pressed = key;
        if (Module['_web_key_pressed'](event.shiftKey, event.ctrlKey, event.altKey,
                event.metaKey)) {
            event.preventDefault();
            event.stopPropagation();
            Page.taken = key;
        }
    },
    keyup: function (event) {
        if (Page.keyName(event) !== Page.taken)
            return;
        Page.taken = null;
        event.preventDefault();
        event.stopPropagation();
    },

    // The form's clock. Its step is the logic's to observe (form/measurement.h).
    now: function () { return performance.now(); },
};
