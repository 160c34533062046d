#pragma once

#include "catalogue/Section.h"

#include <QByteArray>
#include <QMap>
#include <QStringList>

// A catalogue file in Windows-1252 with all nine sections, each with a heading line, "#", the given body
// lines and "@"; sections not given are empty. Lines end with CR LF.
QByteArray catalogueFile(const QMap<Section, QStringList>& bodies);

// The body lines of records written one string each, their lines separated by "|": {"Eisen|Fe", "ææ"}.
QStringList recordLines(const QStringList& records);

// Lines in Windows-1252, each ended by CR LF.
QByteArray windows1252Lines(const QStringList& lines);

// A small catalogue for window tests: 12 elements (the first 8 for beginners, "Iod*Jod" among them) and
// 9 number syllables (the first 5 for beginners).
QByteArray smallCatalogue();
