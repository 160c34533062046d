#include "sheets/Variants.h"

#include "components/TextTools.h"

QString starredVariants(std::shared_ptr<TextList>& list)
{
    const QString star = QStringLiteral("*");
    return trimBlanksRight(ensureList(list).Join(star, star, star));
}
