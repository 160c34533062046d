#include "testrun/TestStart.h"

#include "components/NumberText.h"
#include "components/TextTools.h"

void linkSubstanceNames(mdl_KolTest& state)
{
    for (int i = 1; i <= upperBound(state.g_SubstanceTasks); ++i) {
        SubstanceRecord& record = state.g_SubstanceTasks[i];
        TextList& combined = ensureList(record.Combined);
        ensureList(record.Part1);
        combined.SetFirst(record.Part1);
        ensureList(record.Part2);
        combined.SetSecond(record.Part2);
    }
}

QString testCaption(const QString& userName, bool expert)
{
    return userName + (expert ? QStringLiteral(" im KOLBRIX -TEST [1er Kandidat]")
                              : QStringLiteral(" im KOLBRIX -TEST"));
}

std::optional<std::int32_t> beginTestRun(mdl_KolTest& state, SharedServices& services, SharedTools& tools,
                                         Platform& platform)
{
    if (trimBlanks(services.user.UserName()).isEmpty()) {
        platform.ShowMessage(QStringLiteral("Du solltest vielleicht doch einen Namen eingeben..."),
                             QStringLiteral("!?"));
        return std::nullopt;
    }
    linkSubstanceNames(state);
    const auto startTime = static_cast<std::int32_t>(roundHalfEven(tools.clock.TimeValue()));
    state.g_CandidateName = services.user.UserName();
    state.g_TestDate[1] = platform.Today().toString(QStringLiteral("MM-dd-yyyy"));
    state.g_TestTimes[1] = tools.clock.TimeText();
    services.user.SetUserName(state.g_CandidateName);
    state.g_RunLog = {true, {}};
    services.host.Report(QStringLiteral("-> ") +
                         (state.g_Expert == 0 ? QStringLiteral("Anfänger") : QStringLiteral("Experte")));
    return startTime;
}
