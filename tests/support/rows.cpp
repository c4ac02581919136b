#include "support/rows.h"

#include "table/texts.h"

#include <QFile>
#include <QRegularExpression>

QList<QStringList> readRows(const QString& path, int columns) {
    QFile file(qEnvironmentVariable("PIPFALL_SOURCE_DIR") + QStringLiteral("/tests/") + path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        QStringList cells = line.split(QStringLiteral(" | "));
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        if (cells.size() != columns)
            qFatal("%s: not %d cells: %s", qPrintable(path), columns, qPrintable(line));
        for (QString& cell : cells)
            cell = withTexts(cell.trimmed());
        rows << cells;
    }
    return rows;
}

QString withTexts(QString text) {
    static const QRegularExpression name(QStringLiteral("\\$\\{(\\w+)\\}"));
    for (auto m = name.match(text); m.hasMatch(); m = name.match(text)) {
        const auto found = textNamed(m.captured(1));
        text.replace(m.capturedStart(), m.capturedLength(), found ? *found : "<no such text>");
    }
    return text;
}
