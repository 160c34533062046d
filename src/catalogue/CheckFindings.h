#pragma once

#include "catalogue/CatalogueReader.h"

#include <algorithm>

// What the catalogue check has found so far: errors (the program would misbehave or a task cannot be
// solved) and warnings (something is cut or ignored, or looks unintended).
class CheckFindings {
public:
    void error(int line, const QString& message) { add(CatalogueProblem::Severity::Error, line, message); }
    void warning(int line, const QString& message)
    {
        add(CatalogueProblem::Severity::Warning, line, message);
    }
    void append(const QList<CatalogueProblem>& problems) { m_problems.append(problems); }

    const QList<CatalogueProblem>& problems() const { return m_problems; }
    bool hasErrors() const
    {
        return std::any_of(m_problems.begin(), m_problems.end(), [](const CatalogueProblem& problem) {
            return problem.severity == CatalogueProblem::Severity::Error;
        });
    }

private:
    void add(CatalogueProblem::Severity severity, int line, const QString& message)
    {
        m_problems.append({severity, line, message});
    }

    QList<CatalogueProblem> m_problems;
};
