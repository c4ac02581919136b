#pragma once

// Tables of test cases kept as text under tests/: one row a line, the columns separated by
// " | "; a line indented by four blanks or more goes on with the row above it. Blank lines
// and lines starting with '#' are skipped. "let NAME = TEXT" makes %NAME stand for TEXT in
// the lines below it, and ${Name} in a cell stands for the program's text of that name
// (${Name:N}: with N for the number in it), so that no test retypes a message; \n, \t and \r
// stand for a line break, a tab and a carriage return.

#include <QList>
#include <QStringList>

#include <initializer_list>

// The rows of tests/PATH, each with exactly the given number of cells, trimmed.
QList<QStringList> readRows(const QString& path, int columns);

// Fills the Qt Test data table with tests/PATH: a QString column for each name given (string
// literals, which Qt Test keeps), one a cell, and a row for each row of the file. A row is
// named by its first cell where that column's name is empty, else by its cells.
void addRows(const QString& path, std::initializer_list<const char*> columns);
