#pragma once

#include "catalogue/CatalogueReader.h"

#include <algorithm>
#include <limits>

// What the catalogue check has found so far: errors (the program would misbehave or a task cannot be
// solved) and warnings (something is cut or ignored, or looks unintended). With a limit it keeps the first
// findings only and counts the rest, so a file of a million faults costs no more than a few.
class CheckFindings {
public:
    CheckFindings() = default;
    explicit CheckFindings(qsizetype kept) : m_kept(kept) {}

    void error(int line, const QString& message) { add(CatalogueProblem::Severity::Error, line, message); }
    void warning(int line, const QString& message)
    {
        add(CatalogueProblem::Severity::Warning, line, message);
    }
    void append(const QList<CatalogueProblem>& problems)
    {
        for (const CatalogueProblem& problem : problems)
            add(problem.severity, problem.line, problem.message);
    }

    const QList<CatalogueProblem>& problems() const { return m_problems; } // the kept ones
    qsizetype errorsLeftOut() const { return m_errorsLeftOut; }
    qsizetype warningsLeftOut() const { return m_warningsLeftOut; }
    bool hasErrors() const
    {
        return std::any_of(m_problems.begin(), m_problems.end(), [](const CatalogueProblem& problem) {
            return problem.severity == CatalogueProblem::Severity::Error;
        });
    }

private:
    void add(CatalogueProblem::Severity severity, int line, const QString& message)
    {
        if (m_problems.size() < m_kept)
            m_problems.append({severity, line, message});
        else if (severity == CatalogueProblem::Severity::Error)
            ++m_errorsLeftOut;
        else
            ++m_warningsLeftOut;
    }

    qsizetype m_kept = std::numeric_limits<qsizetype>::max();
    QList<CatalogueProblem> m_problems;
    qsizetype m_errorsLeftOut = 0;
    qsizetype m_warningsLeftOut = 0;
};
