#pragma once

#include <QString>

#include <string>

class Table;

// The whole observable state of the table as one JSON object:
// {"vars": {...}, "widgets": {...}} with every named control and menu item.
void appendStateJson(std::string& out, const Table& table);
std::string stateJson(const Table& table);

// Appends text as a JSON string literal.
void appendJsonString(std::string& out, const QString& text);
