#pragma once

// The web page around the game in the browser (web/index.html): what the game tells it and
// what it asks of it. Qt draws the whole game into one canvas, which a screen reader cannot
// read, so the page carries a live region that the game writes its announcements into.

#include "table/seams.h"

#include <QString>
#include <QStringList>

class FrmCPF;
class QMainWindow;

namespace page {

// The browser's preferred languages, the most wanted first (navigator.languages), as
// "de-DE", "fr", "en-US".
QStringList preferredLanguages();

// Tells the page the language the game speaks ("de", "fr", or "" for English), for the
// language of what it reads out and of its own sentences.
void setLanguage(const QString& language);

// Writes one announcement into the page's live region, where a screen reader reads it; the
// same words twice in a row are read twice.
void announce(const QString& text);

// Makes the fonts the game names available in the browser, which has none for Qt to find:
// Liberation Sans under the name Arial, as on Linux, and DejaVu Sans for the system font
// the menus and the amounts name.
void installFonts();

// Wires a table window to the page: its announcements go to the live region, F10 opens its
// menu bar where the browser keeps Alt for itself, and the page hears when its first frame
// is drawn.
void attachTable(FrmCPF* table);

// The game's message boxes in the browser: each one's words are read out as it opens, as a
// screen reader reads a dialog on the desktop, then the box shows as it does there.
class SpokenMessages final : public MessageBox {
public:
    explicit SpokenMessages(MessageBox& boxes) : boxes_(boxes) {}
    int show(const QString& text) override;
    void showFault(const QString& text) override;

private:
    MessageBox& boxes_;
};

} // namespace page
