#pragma once

#include <QLocale>
#include <QString>

// The language of the program's texts. Quorvane speaks English; another language is taken
// from the locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as the system sets them) when a
// translation of the program into it exists, and then Qt's own texts (standard buttons and
// dialogs) follow it. LANG=C, or a language without a translation, gives English throughout.
class Translations {
public:
    // Installs the translators for the first of the locale's languages that the program
    // has, replacing any installed before. Returns that language's code ("de"), or an empty
    // string for English.
    static QString Install(const QLocale& locale = QLocale::system());

    // The code of the language installed last ("de"); empty for English.
    static QString Language();

    // Where the program's .qm files are read from: the installed folder under the install
    // prefix when the program runs installed, else the copies built into it.
    static QString Folder();
};
