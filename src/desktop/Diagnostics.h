#pragma once

#include <QString>

// Writes one line "koltest: <line>" to standard error at once.
void writeDiagnostic(const QString& line);

// Writes the text as it is, followed by a line end, to standard error at once.
void writeErrorLine(const QString& text);
