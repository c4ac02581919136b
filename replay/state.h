#pragma once

#include <QString>

#include <string>

class FrmCPF;

// The whole observable state of the table as one JSON object:
// {"vars": {...}, "widgets": {...}} with every named widget and menu item.
void appendStateJson(std::string& out, const FrmCPF& window);
std::string stateJson(const FrmCPF& window);

// Appends text as a JSON string literal.
void appendJsonString(std::string& out, const QString& text);
