#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class RandomSource;

// An ordered list of texts, positions counted from 1.
//
// A list can instead be linked to two other lists (SetFirst, SetSecond): it then holds every concatenation
// of an item of the first followed by an item of the second, first list outermost, so that item 1 is the
// first item of each. A missing link counts as one empty item. The substance names use this: the name
// parts "Natrium*Kalium" and "chlorid" give "Natriumchlorid" and "Kaliumchlorid".
class TextList {
public:
    TextList() = default;
    // The parts of text split at every separator, in order ("" gives one empty part).
    static TextList fromText(const QString& text, const QString& separator);

    // Replaces the items by the parts of text split at every separator.
    void fill(const QString& text, const QString& separator);
    void Add(const QString& item);

    int Count() const;
    // The item at position 1..Count; the empty text outside that range.
    QString Item(int position) const;
    QStringList items() const;
    // prefix + the items joined by separator + suffix.
    QString Join(const QString& prefix, const QString& separator, const QString& suffix) const;

    // Puts the items in a new random order, every order equally likely; a linked list becomes plain first.
    void Reorder(RandomSource& random);
    // One of the items, chosen at random; "" for an empty list.
    QString Pick(RandomSource& random) const;

    void SetFirst(std::shared_ptr<const TextList> first);
    void SetSecond(std::shared_ptr<const TextList> second);
    bool isLinked() const { return m_first || m_second; }

private:
    // Turns a linked list into a plain list of the items it holds now.
    void unlink();

    QStringList m_items;
    std::shared_ptr<const TextList> m_first;
    std::shared_ptr<const TextList> m_second;
};

// A record's list, created empty the first time it is needed.
TextList& ensureList(std::shared_ptr<TextList>& list);
