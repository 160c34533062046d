#pragma once

#include "support/CatalogueBuilder.h"

// A catalogue whose definition section has what the definition sheets must cope with: a term in lower case,
// one with trailing blanks, one beginning with Ä, a comma inside a definition, a definition that differs
// from another only in case and blanks, and a term with two definitions. The first five records are for
// beginners.
inline QByteArray definitionCatalogue()
{
    return catalogueFile(
        {{Section::Definitions,
          recordLines({"Atom|Kleinstes Teilchen eines Elements.", "Element|Reinstoff aus gleichen Atomen.",
                       "oxidation|Reaktion mit Sauerstoff.",
                       "Base   |Stoff, dessen Lösung alkalisch ist, bildet Hydroxid-Ionen.",
                       "Äther|Organischer Stoff mit Sauerstoffbrücke.", "ææ", "Ion|Geladenes Teilchen.",
                       "Molekül|Teilchen aus verbundenen Atomen.", "Gemisch|Stoff aus mehreren Reinstoffen.",
                       "Lösung|Gemisch aus gelöstem Stoff und Lösungsmittel.",
                       "Katalysator|Stoff, der eine Reaktion beschleunigt.", "Teilchen|  geladenes TEILCHEN.",
                       "Atom|Baustein aller Stoffe.", "Dichte|Masse durch Volumen.",
                       "Edukt|Ausgangsstoff einer Reaktion.", "Produkt|Neuer Stoff einer Reaktion."})}});
}

// A definition section of the given term and definition lines, all of it for beginners.
inline QByteArray definitionSection(const QStringList& lines)
{
    return catalogueFile({{Section::Definitions, lines + QStringList{"ææ"}}});
}
