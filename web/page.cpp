#include "web/page.h"

#include "ui/accessibility.h"
#include "ui/frmcpf.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QTimer>

#include <emscripten.h>
#include <emscripten/val.h>

#include <string>

namespace {

// The page's side of each call, in web/index.html: a page without it (another host page)
// just does not hear.
// clang-format off
EM_JS(void, pipfall_page_call, (const char* name, const char* argument), {
    const hook = globalThis.pipfall && globalThis.pipfall[UTF8ToString(name)];
    if (typeof hook === "function")
        hook(UTF8ToString(argument));
});
// clang-format on

void call(const char* name, const QString& argument) {
    pipfall_page_call(name, argument.toUtf8().constData());
}

} // namespace

namespace page {

QStringList preferredLanguages() {
    QStringList languages;
    const emscripten::val navigator = emscripten::val::global("navigator");
    if (navigator.isUndefined())
        return languages;
    const emscripten::val list = navigator["languages"];
    if (!list.isUndefined() && !list.isNull()) {
        const int count = list["length"].as<int>();
        for (int i = 0; i < count; ++i)
            languages << QString::fromStdString(list[i].as<std::string>());
    }
    if (languages.isEmpty() && navigator["language"].isString())
        languages << QString::fromStdString(navigator["language"].as<std::string>());
    return languages;
}

void setLanguage(const QString& language) {
    call("setLanguage", language.isEmpty() ? QStringLiteral("en") : language);
}

void announce(const QString& text) {
    call("announce", text);
}

void installFonts() {
    for (const char* file :
         {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    // The names the game's controls ask for, answered as fontconfig answers them on Debian,
    // and the system font of a Linux desktop with no theme of its own (the message boxes').
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
}

void attachTable(FrmCPF* table) {
    QObject::connect(table->announcer(), &Announcer::announced, table,
                     [](const QString& text) { announce(text); });
    // A browser may take Alt+O, Alt+B or Alt+H for its own menus: F10 reaches the menu bar
    // all the same, on its first title, as Alt does on the desktop.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), table);
    QObject::connect(menuKey, &QShortcut::activated, table, [table] {
        QMenuBar* bar = table->menuBar();
        if (!bar->actions().isEmpty())
            bar->setActiveAction(bar->actions().constFirst());
    });
    // The first frame is on the canvas once the event loop has drawn the shown window.
    QTimer::singleShot(0, table, [] { call("tableShown", QString()); });
}

int SpokenMessages::show(const QString& text) {
    announce(text);
    return boxes_.show(text);
}

void SpokenMessages::showFault(const QString& text) {
    announce(text);
    boxes_.showFault(text);
}

} // namespace page
