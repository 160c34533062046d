#include "catalogue/PeriodicTableCells.h"

#include <QLocale>

#include <array>

namespace {

PeriodicCell cellOf(const ChemicalElement& element)
{
    PeriodicCell cell;
    cell.element = &element;
    switch (element.series) {
    case ElementSeries::Lanthanide:
    case ElementSeries::Actinide: {
        const bool lanthanoid = element.series == ElementSeries::Lanthanide;
        cell.row = lanthanoid ? lanthanoidRow : actinoidRow;
        cell.column = seriesColumn + element.number - (lanthanoid ? 57 : 89); // from La and Ac
        cell.block = ElementBlock::F;
        return cell;
    }
    case ElementSeries::None:
        break;
    }
    cell.row = element.period;
    cell.column = element.group;
    if (element.group <= 2 || element.number == 2) // helium fills the s orbital although it stands in 18
        cell.block = ElementBlock::S;
    else if (element.group <= 12)
        cell.block = ElementBlock::D;
    else
        cell.block = ElementBlock::P;
    return cell;
}

struct Grid {
    QList<PeriodicCell> cells;
    std::array<std::array<const PeriodicCell*, periodicColumns + 1>, periodicRows + 1> at{};

    Grid()
    {
        for (const ChemicalElement& element : elementTable())
            cells.append(cellOf(element));
        for (const PeriodicCell& cell : cells)
            at[cell.row][cell.column] = &cell;
    }
};

const Grid& grid()
{
    static const Grid instance;
    return instance;
}

} // namespace

const QList<PeriodicCell>& periodicCells()
{
    return grid().cells;
}

const PeriodicCell* neighbourCell(const PeriodicCell& from, int rowStep, int columnStep)
{
    if (rowStep == 0 && columnStep == 0)
        return nullptr;
    int row = from.row + rowStep;
    int column = from.column + columnStep;
    for (; row >= 1 && row <= periodicRows && column >= 1 && column <= periodicColumns;
         row += rowStep, column += columnStep)
        if (const PeriodicCell* cell = grid().at[row][column])
            return cell;
    return nullptr;
}

QString atomicMassText(const ChemicalElement& element)
{
    if (element.massNumberOnly)
        return QStringLiteral("[%1]").arg(qRound(element.atomicMass));
    return QString::number(element.atomicMass, 'g', QLocale::FloatingPointShortest)
        .replace(QLatin1Char('.'), QLatin1Char(','));
}
