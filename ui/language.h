#pragma once

// The player's language. Pipfall is written in English and ships translations into other
// languages, built into the program; the player's locale chooses one, and English is what
// remains when it asks for none of them.

#include <QString>
#include <QStringList>
#include <QTranslator>

// The languages Pipfall has a translation for, besides English: "de", "fr".
QStringList shippedLanguages();

// The language for a player whose locale of messages (LC_ALL, else LC_MESSAGES, else LANG) is
// messagesLocale and who reads uiLanguages, the most wanted first, as QLocale::uiLanguages()
// names them ("de-DE", "fr", "en-US"): the first of them that Pipfall speaks, as "de" or "fr";
// an empty string for English, when English comes first or none of them is spoken. The C
// locale asks for English whatever the UI languages say, as LANGUAGE does not count there
// for gettext either.
QString chooseLanguage(const QString& messagesLocale, const QStringList& uiLanguages);

// The language for the player of this process, from the environment and the system locale's
// UI languages (which follow LANGUAGE, LC_ALL, LC_MESSAGES and LANG).
QString playerLanguage();

// Pipfall's translation into one language and Qt's own (the message boxes' buttons), installed
// in the application for as long as this lives. English installs nothing.
class GameLanguage {
public:
    explicit GameLanguage(const QString& language);
    ~GameLanguage();
    GameLanguage(const GameLanguage&) = delete;
    GameLanguage& operator=(const GameLanguage&) = delete;

    // The language now spoken: the one asked for, or "" (English) when its translation could
    // not be loaded.
    const QString& language() const { return language_; }

private:
    QTranslator game_;
    QTranslator qt_;
    QString language_;
};
