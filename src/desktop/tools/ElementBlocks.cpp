#include "desktop/tools/ElementBlocks.h"

QColor blockColour(ElementBlock block)
{
    switch (block) {
    case ElementBlock::S:
        return {0xF6, 0xB8, 0x8E};
    case ElementBlock::P:
        return {0xF7, 0xE3, 0x86};
    case ElementBlock::D:
        return {0x9F, 0xC8, 0xEC};
    case ElementBlock::F:
        return {0xB9, 0xE0, 0xA5};
    }
    return {};
}

QString blockName(ElementBlock block)
{
    switch (block) {
    case ElementBlock::S:
        return QStringLiteral("s-Block");
    case ElementBlock::P:
        return QStringLiteral("p-Block");
    case ElementBlock::D:
        return QStringLiteral("d-Block");
    case ElementBlock::F:
        return QStringLiteral("f-Block");
    }
    return {};
}
