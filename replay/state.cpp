#include "replay/state.h"

#include "table/table.h"

#include <QLocale>

#include <charconv>

namespace {

void appendBool(std::string& out, bool value) {
    if (value)
        out.append("true", 4);
    else
        out.append("false", 5);
}

void appendNumber(std::string& out, double value) {
    // Whole numbers (every value but a font size) without going through floating point text;
    // the others in the fewest digits that read back as the same number ("8.25").
    const auto wholeValue = value > -1e15 && value < 1e15 ? static_cast<long long>(value) : 0;
    const bool whole = wholeValue != 0 ? static_cast<double>(wholeValue) == value : value == 0;
    if (!whole) {
        out += QString::number(value, 'g', QLocale::FloatingPointShortest).toStdString();
        return;
    }
    char digits[32];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, wholeValue);
    out.append(digits, error == std::errc() ? end : digits);
}

void appendColour(std::string& out, QColor colour) {
    static const char* digits = "0123456789ABCDEF";
    const int parts[3] = {colour.red(), colour.green(), colour.blue()};
    char text[9] = {'"', '#'};
    for (int i = 0; i < 3; ++i) {
        text[2 + 2 * i] = digits[(parts[i] >> 4) & 15];
        text[3 + 2 * i] = digits[parts[i] & 15];
    }
    text[8] = '"';
    out.append(text, sizeof text);
}

// Appends a string literal without measuring it at run time.
template <std::size_t N> void put(std::string& out, const char (&text)[N]) {
    out.append(text, N - 1);
}

void appendVisible(std::string& out, const Control& control) {
    put(out, ", \"visible\": ");
    appendBool(out, control.visible());
    put(out, "}");
}

void appendEnabledAndVisible(std::string& out, const Control& control) {
    put(out, ", \"enabled\": ");
    appendBool(out, control.enabled());
    appendVisible(out, control);
}

void appendLabel(std::string& out, const Label& label) {
    put(out, ": {\"caption\": ");
    appendJsonString(out, label.caption());
    put(out, ", \"back\": ");
    appendColour(out, label.backColor());
    const Font& font = label.font();
    put(out, ", \"font\": {\"name\": ");
    appendJsonString(out, font.name);
    put(out, ", \"size\": ");
    appendNumber(out, font.size);
    put(out, ", \"bold\": ");
    appendBool(out, font.bold);
    put(out, "}");
    appendVisible(out, label);
}

void appendPicture(std::string& out, const PictureBox& picture) {
    put(out, ": {\"picture\": ");
    if (picture.pictureName().isEmpty())
        put(out, "null");
    else
        appendJsonString(out, picture.pictureName());
    appendVisible(out, picture);
}

// A menu item has no visibility of its own to show.
void appendMenuItem(std::string& out, const MenuItem& item) {
    put(out, ": {\"caption\": ");
    appendJsonString(out, item.caption());
    put(out, ", \"enabled\": ");
    appendBool(out, item.enabled());
    put(out, ", \"checked\": ");
    appendBool(out, item.checked());
    put(out, "}");
}

} // namespace

void appendJsonString(std::string& out, const QString& text) {
    // Nearly every caption is plain ASCII with nothing to escape: copy it in one go.
    const qsizetype length = text.size();
    const QChar* chars = text.constData();
    bool plain = true;
    for (qsizetype i = 0; i < length && plain; ++i) {
        const char16_t c = chars[i].unicode();
        plain = c >= 0x20 && c < 0x80 && c != u'"' && c != u'\\';
    }
    if (plain) {
        const std::size_t at = out.size();
        out.resize(at + static_cast<std::size_t>(length) + 2);
        char* to = out.data() + at;
        *to++ = '"';
        for (qsizetype i = 0; i < length; ++i)
            *to++ = static_cast<char>(chars[i].unicode());
        *to = '"';
        return;
    }
    out += '"';
    const QByteArray utf8 = text.toUtf8();
    for (char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            static const char* hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendStateJson(std::string& out, const Table& t) {
    out.reserve(out.size() + 16384);
    out += "{\"vars\": {\"Bankroll\": ";
    appendJsonString(out, t.bankroll().toText());
    out += ", \"Point\": ";
    appendNumber(out, t.point());
    out += ", \"PointRolls\": ";
    appendNumber(out, t.pointRolls());
    out += ", \"PrevBet\": ";
    appendNumber(out, t.prevBet());
    out += ", \"BetWon\": ";
    appendBool(out, t.betWon());
    out += ", \"BetLost\": ";
    appendBool(out, t.betLost());
    out += ", \"ORActive\": ";
    appendBool(out, t.oneRollActive());
    out += ", \"ORWon\": ";
    appendBool(out, t.oneRollWon());
    out += "}, \"widgets\": {";
    const TableControls& w = t.controls();
    for (std::size_t i = 0; i < kTableControls.size(); ++i) {
        if (i != 0)
            put(out, ", ");
        // Names are plain ASCII: nothing to escape.
        out += '"';
        out += kTableControls[i].name;
        out += '"';
        const AnyControl control = w.at(controlAt(i));
        std::visit(Overloaded{
                       [&out](const Label* label) { appendLabel(out, *label); },
                       [&out](const Button* button) {
                           put(out, ": {\"caption\": ");
                           appendJsonString(out, button->caption());
                           appendEnabledAndVisible(out, *button);
                       },
                       [&out](const TextBox* box) {
                           put(out, ": {\"text\": ");
                           appendJsonString(out, box->text());
                           appendEnabledAndVisible(out, *box);
                       },
                       [&out](const UpDown* upDown) {
                           put(out, ": {\"value\": ");
                           appendNumber(out, upDown->value());
                           appendEnabledAndVisible(out, *upDown);
                       },
                       [&out](const PictureBox* picture) { appendPicture(out, *picture); },
                       [&out](const MenuItem* item) { appendMenuItem(out, *item); },
                   },
                   control);
    }
    out += "}}";
}

std::string stateJson(const Table& table) {
    std::string out;
    appendStateJson(out, table);
    return out;
}
