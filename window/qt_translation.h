// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

// Qt's own texts (the text box's and the scroll bars' context menus, ...) in Bulgarian, like the
// rest of the window, whatever language the user's desktop speaks. Qt's Bulgarian catalogue is
// built into the program, so nothing is looked up at run time. Returns false if it did not load,
// as in a build made without the catalogue; Qt's texts then stay in English.
bool installQtTranslation(QCoreApplication& app);
