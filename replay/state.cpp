#include "replay/state.h"

#include "ui/frmcpf.h"

#include <charconv>

namespace {

void appendBool(std::string& out, bool value) {
    out += value ? "true" : "false";
}

void appendNumber(std::string& out, double value) {
    // Whole numbers (every value but a font size) without going through floating point text.
    char digits[32];
    const auto wholeValue = value > -1e15 && value < 1e15 ? static_cast<long long>(value) : 0;
    const bool whole = wholeValue != 0 ? static_cast<double>(wholeValue) == value : value == 0;
    const auto [end, error] = whole ? std::to_chars(digits, digits + sizeof digits, wholeValue)
                                    : std::to_chars(digits, digits + sizeof digits, value);
    if (error == std::errc())
        out.append(digits, end);
    else
        out += QString::number(value, 'g', 10).toStdString();
}

void appendColour(std::string& out, QColor colour) {
    static const char* digits = "0123456789ABCDEF";
    const int parts[3] = {colour.red(), colour.green(), colour.blue()};
    out += "\"#";
    for (int part : parts) {
        out += digits[(part >> 4) & 15];
        out += digits[part & 15];
    }
    out += '"';
}

void appendKey(std::string& out, const char* key) {
    out += '"';
    out += key;
    out += "\": ";
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

void appendStateJson(std::string& out, const FrmCPF& window) {
    const Table& t = const_cast<FrmCPF&>(window).table();
    out += "{\"vars\": {\"Bankroll\": ";
    appendJsonString(out, t.Bankroll.toText());
    out += ", \"Point\": ";
    appendNumber(out, t.Point);
    out += ", \"PointRolls\": ";
    appendNumber(out, t.PointRolls);
    out += ", \"PrevBet\": ";
    appendNumber(out, t.PrevBet);
    out += ", \"BetWon\": ";
    appendBool(out, t.BetWon);
    out += ", \"BetLost\": ";
    appendBool(out, t.BetLost);
    out += ", \"ORActive\": ";
    appendBool(out, t.ORActive);
    out += ", \"ORWon\": ";
    appendBool(out, t.ORWon);
    out += "}, \"widgets\": {";
    bool first = true;
    for (const NamedWidget& named : window.namedWidgets()) {
        if (!first)
            out += ", ";
        first = false;
        appendJsonString(out, named.name);
        out += ": {";
        const QWidget* widget = named.widget;
        switch (named.kind) {
        case Kind::Label: {
            const auto* label = static_cast<const Label*>(widget);
            appendKey(out, "caption");
            appendJsonString(out, label->caption());
            out += ", ";
            appendKey(out, "back");
            appendColour(out, label->backColor());
            out += ", ";
            appendKey(out, "font");
            out += "{\"name\": ";
            appendJsonString(out, label->fontSpec().name);
            out += ", \"size\": ";
            appendNumber(out, label->fontSpec().size);
            out += ", \"bold\": ";
            appendBool(out, label->fontSpec().bold);
            out += '}';
            break;
        }
        case Kind::Button:
            appendKey(out, "caption");
            appendJsonString(out, static_cast<const Button*>(widget)->text());
            out += ", ";
            appendKey(out, "enabled");
            appendBool(out, widget->isEnabled());
            break;
        case Kind::TextBox:
            appendKey(out, "text");
            appendJsonString(out, static_cast<const TextBox*>(widget)->text());
            out += ", ";
            appendKey(out, "enabled");
            appendBool(out, widget->isEnabled());
            break;
        case Kind::UpDown:
            appendKey(out, "value");
            appendNumber(out, static_cast<const UpDown*>(widget)->value());
            out += ", ";
            appendKey(out, "enabled");
            appendBool(out, widget->isEnabled());
            break;
        case Kind::PictureBox: {
            const QString picture = static_cast<const PictureBox*>(widget)->pictureName();
            appendKey(out, "picture");
            if (picture.isEmpty())
                out += "null";
            else
                appendJsonString(out, picture);
            break;
        }
        case Kind::Shape:
        case Kind::Line:
            break;
        }
        out += ", ";
        appendKey(out, "visible");
        appendBool(out, !widget->isHidden());
        out += '}';
    }
    for (const auto& [name, item] : window.menuItems()) {
        out += ", ";
        appendJsonString(out, name);
        out += ": {\"caption\": ";
        appendJsonString(out, item->caption());
        out += ", \"enabled\": ";
        appendBool(out, item->isEnabled());
        out += ", \"checked\": ";
        appendBool(out, item->isChecked());
        out += '}';
    }
    out += "}}";
}

std::string stateJson(const FrmCPF& window) {
    std::string out;
    appendStateJson(out, window);
    return out;
}
