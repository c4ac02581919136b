#include "support/rows.h"

#include "table/texts.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The program's text of that name ("MustBet"), or nothing when there is none.
std::optional<QString> textNamed(const QString& name) {
#define PIPFALL_TEXT_ENTRY(textName, value) std::pair{QLatin1String(#textName), &text::textName},
    static const std::array entries = {PIPFALL_TEXTS(PIPFALL_TEXT_ENTRY)};
#undef PIPFALL_TEXT_ENTRY
    for (const auto& [entryName, value] : entries) {
        if (name == entryName)
            return *value;
    }
    return std::nullopt;
}

// The text with every ${Name} replaced by the program's text of that name, and ${Name:N} by
// the text with N for its number.
QString withTexts(QString text) {
    static const QRegularExpression name(u"\\$\\{(\\w+)(:(\\w+))?\\}"_s);
    for (auto m = name.match(text); m.hasMatch(); m = name.match(text)) {
        const auto found = textNamed(m.captured(1));
        const QString shown = !found             ? u"<no such text>"_s
                              : m.hasCaptured(3) ? found->arg(m.captured(3))
                                                 : *found;
        text.replace(m.capturedStart(), m.capturedLength(), shown);
    }
    return text;
}

} // namespace

QList<QStringList> readRows(const QString& path, int columns) {
    QFile file(qEnvironmentVariable("PIPFALL_SOURCE_DIR") + u"/tests/"_s + path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QList<QStringList> rows;
    QHash<QString, QString> lets;
    QString row;
    auto finish = [&] {
        if (row.isNull())
            return;
        QStringList cells = row.split(u" | "_s);
        if (cells.size() != columns || row.contains(QRegularExpression(u"%[A-Z]"_s)))
            qFatal("%s: not %d cells, or a %%NAME not let: %s", qPrintable(path), columns,
                   qPrintable(row));
        for (QString& cell : cells) // \n, \t and \r stand for a line break, a tab, a return
            cell = withTexts(cell.trimmed())
                       .replace(u"\\n"_s, u"\n"_s)
                       .replace(u"\\t"_s, u"\t"_s)
                       .replace(u"\\r"_s, u"\r"_s);
        rows << cells;
        row = QString();
    };
    for (QString line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        for (auto let = lets.cbegin(); let != lets.cend(); ++let) // %ON3 leaves %ON3AND6
            line.replace(QRegularExpression(u'%' + let.key() + u"\\b"_s), let.value());
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u"    "_s) && !row.isNull()) {
            row += u' ' + line.trimmed();
            continue;
        }
        finish();
        if (!line.startsWith(u"let "_s)) {
            row = line;
            continue;
        }
        lets.insert(line.section(u' ', 1, 1), line.section(u" = "_s, 1));
    }
    finish();
    return rows;
}

void addRows(const QString& path, std::initializer_list<const char*> columns) {
    const bool named = (*columns.begin())[0] == '\0';
    for (const char* column : columns)
        if (column[0] != '\0')
            QTest::addColumn<QString>(column);
    for (const QStringList& row : readRows(path, static_cast<int>(columns.size()))) {
        QTestData& data = QTest::newRow(qPrintable(named ? row[0] : row.join(u" | ").left(72)));
        for (qsizetype i = named ? 1 : 0; i < row.size(); ++i)
            data << row[i];
    }
}
