#include "sheets/SheetDraw.h"

#include "catalogue/CatalogueReader.h"
#include "sheets/SheetContext.h"

#include <algorithm>

int PickRandomIndex(RandomSource& random, int max, const QList<int>& excluded)
{
    QList<int> allowed;
    for (int candidate = 1; candidate <= max; ++candidate)
        if (!excluded.contains(candidate))
            allowed.append(candidate);
    if (allowed.isEmpty())
        return 0;
    return allowed.at(random.uniform(0, static_cast<int>(allowed.size()) - 1));
}

QList<int> drawDistinct(RandomSource& random, int max, int count, const QList<int>& excluded)
{
    QList<int> drawn;
    for (int i = 0; i < count; ++i) {
        const int pick = PickRandomIndex(random, max, excluded + drawn);
        if (pick == 0)
            break;
        drawn.append(pick);
    }
    return drawn;
}

const SupplyWords taskSupply{
    QStringLiteral("stehen %1keine Aufgaben"),
    QStringLiteral("steht %1nur eine Aufgabe"),
    QStringLiteral("stehen %1nur %2 Aufgaben"),
    {},
    {},
    QStringLiteral("drawable records"),
    QStringLiteral("record(s) %1 cannot be answered and are skipped (koltest --check "
                   "names the fault)")};

namespace {

// What the pupil reads when a section cannot fill its page.
QString shortSheetMessage(Section section, const SupplyWords& words, int available, int refused, int needed,
                          bool limited, bool markerMissing)
{
    const QString where = limited ? QStringLiteral("vor der Zeile „%1“ ").arg(beginnerEndMarker) : QString();
    QString supply;
    if (markerMissing)
        supply = QStringLiteral("sind keine Aufgaben für Anfänger markiert (die Zeile „%1“ fehlt)")
                     .arg(beginnerEndMarker);
    else if (available == 0)
        supply = words.none.arg(where);
    else if (available == 1)
        supply = words.one.arg(where);
    else
        supply = words.several.arg(where).arg(available);
    if (refused > 0 && !words.oneRefused.isEmpty())
        supply += refused == 1 ? words.oneRefused : words.severalRefused.arg(refused);
    return QStringLiteral(
               "Auf dieser Seite fehlen Aufgaben: Im Abschnitt „%1“ der Aufgabendatei %2, diese Seite "
               "braucht %3.\n\nBitte sag deiner Lehrerin oder deinem Lehrer Bescheid.")
        .arg(sectionName(section), supply)
        .arg(needed);
}

} // namespace

QList<int> drawSheet(SheetContext& context, Section section, int upperBound, const DynValue& easyLimit,
                     int count, bool appliesBeginnerLimit, const std::function<bool(int record)>& poseable,
                     const SupplyWords& refusalWords)
{
    const bool limited = appliesBeginnerLimit && !context.state.isExpert();
    const int max =
        std::clamp(limited ? static_cast<int>(easyLimit.toInt()) : upperBound, 0, std::max(upperBound, 0));
    QList<int> refused;
    for (int record = 1; poseable && record <= max; ++record)
        if (!poseable(record))
            refused.append(record);
    const SupplyWords& words = refused.isEmpty() ? taskSupply : refusalWords;
    const QString source = QStringLiteral("%1: section %2 (%3)")
                               .arg(context.state.g_CatalogFile)
                               .arg(sectionNumber(section))
                               .arg(sectionName(section));
    if (!refused.isEmpty() && !words.refused.isEmpty()) {
        QStringList numbers;
        for (int record : refused)
            numbers << QString::number(record);
        context.platform.Diagnose(source + QStringLiteral(": ") +
                                  words.refused.arg(numbers.join(QStringLiteral(", "))));
    }
    const int usable = max - static_cast<int>(refused.size());
    QList<int> records = drawDistinct(context.random, max, count, refused);
    if (records.size() < count) {
        context.platform.Diagnose(
            QStringLiteral("%1 has %2 %3 %4for a sheet of %5")
                .arg(source)
                .arg(usable)
                .arg(words.drawable, limited ? QStringLiteral("for beginners ") : QString())
                .arg(count));
        // An empty section is simply empty, for beginners too.
        const bool limitMatters = limited && upperBound > 0;
        context.NoticeOnceShown(shortSheetMessage(section, words, usable, static_cast<int>(refused.size()),
                                                  count, limitMatters, limitMatters && easyLimit.isEmpty()));
        while (records.size() < count)
            records.append(0);
    }
    return records;
}
