#include "components/TextList.h"

#include "components/RandomSource.h"

TextList TextList::fromText(const QString& text, const QString& separator)
{
    TextList list;
    list.fill(text, separator);
    return list;
}

void TextList::fill(const QString& text, const QString& separator)
{
    m_items = text.split(separator);
}

void TextList::Add(const QString& item)
{
    m_items.append(item);
}

QStringList TextList::items() const
{
    if (!isLinked())
        return m_items;
    const QStringList firsts = m_first ? m_first->items() : QStringList{QString()};
    const QStringList seconds = m_second ? m_second->items() : QStringList{QString()};
    QStringList combined;
    combined.reserve(firsts.size() * seconds.size());
    for (const QString& a : firsts)
        for (const QString& b : seconds)
            combined.append(a + b);
    return combined;
}

int TextList::Count() const
{
    return static_cast<int>(items().size());
}

QString TextList::Item(int position) const
{
    const QStringList all = items();
    return position >= 1 && position <= all.size() ? all.at(position - 1) : QString();
}

QString TextList::Join(const QString& prefix, const QString& separator, const QString& suffix) const
{
    return prefix + items().join(separator) + suffix;
}

void TextList::Reorder(RandomSource& random)
{
    unlink();
    for (qsizetype i = m_items.size() - 1; i > 0; --i)
        m_items.swapItemsAt(i, random.uniform(0, static_cast<int>(i)));
}

QString TextList::Pick(RandomSource& random) const
{
    const QStringList all = items();
    return all.isEmpty() ? QString() : all.at(random.uniform(0, static_cast<int>(all.size()) - 1));
}

void TextList::unlink()
{
    if (!isLinked())
        return;
    m_items = items();
    m_first.reset();
    m_second.reset();
}

void TextList::SetFirst(std::shared_ptr<const TextList> first)
{
    m_first = std::move(first);
}

void TextList::SetSecond(std::shared_ptr<const TextList> second)
{
    m_second = std::move(second);
}

TextList& ensureList(std::shared_ptr<TextList>& list)
{
    if (!list)
        list = std::make_shared<TextList>();
    return *list;
}
