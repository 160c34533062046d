#pragma once

#include "components/TextTools.h"

#include <QString>

// A text of exactly N characters: a shorter text is padded with blanks on the right, a longer one is cut
// to its first N characters. Readers that need the bare value take trimmedRight().
template <int N> class FixedText {
public:
    FixedText() : m_text(N, QLatin1Char(' ')) {}
    explicit FixedText(const QString& text) { assign(text); }

    void assign(const QString& text)
    {
        m_text = text.left(N);
        if (m_text.size() < N)
            m_text.append(QString(N - m_text.size(), QLatin1Char(' ')));
    }
    FixedText& operator=(const QString& text)
    {
        assign(text);
        return *this;
    }

    const QString& text() const { return m_text; }
    QString trimmedRight() const { return trimBlanksRight(m_text); }
    static constexpr int width = N;

private:
    QString m_text;
};
