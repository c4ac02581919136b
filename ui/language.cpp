#include "ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace {

// Where the build puts the compiled translations: pipfall_de.qm and the like.
const QString kTranslations = QStringLiteral(":/i18n");

bool isCLocale(const QString& name) {
    return name.isEmpty() || name == u"C" || name == u"POSIX" || name.startsWith(u"C.");
}

} // namespace

QStringList shippedLanguages() {
    QStringList languages;
    const QStringList files =
        QDir(kTranslations).entryList({QStringLiteral("pipfall_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << file.sliced(8).chopped(3); // "pipfall_de.qm"
    return languages;
}

QString chooseLanguage(const QString& messagesLocale, const QStringList& uiLanguages) {
    if (isCLocale(messagesLocale))
        return {};
    const QStringList shipped = shippedLanguages();
    for (const QString& name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English || language == QLocale::C)
            return {};
        const QString code = QLocale::languageToCode(language);
        if (shipped.contains(code))
            return code;
    }
    return {};
}

QString playerLanguage() {
    QString messages;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qEnvironmentVariable(variable);
        if (!messages.isEmpty())
            break;
    }
    return chooseLanguage(messages, QLocale::system().uiLanguages());
}

GameLanguage::GameLanguage(const QString& language) {
    if (language.isEmpty())
        return;
    if (!game_.load(QStringLiteral("pipfall_") + language, kTranslations))
        return;
    QCoreApplication::installTranslator(&game_);
    // Qt's texts (the OK of a message box) come from Debian's Qt translations when they are
    // installed, or from the copies built in beside the game's (the Windows build has them);
    // without either those few words stay English.
    const QString qtFile = QStringLiteral("qtbase_") + language;
    if (qt_.load(qtFile, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt_.load(qtFile, kTranslations))
        QCoreApplication::installTranslator(&qt_);
    language_ = language;
}

GameLanguage::~GameLanguage() {
    if (!qt_.isEmpty())
        QCoreApplication::removeTranslator(&qt_);
    if (!game_.isEmpty())
        QCoreApplication::removeTranslator(&game_);
}
