#include "support/WindowFixture.h"

// Next on the last page: the result window first, then the question whether a new test follows, or the
// end of the program when the pupil answers "Nein" in the result window.

namespace {

class EndOfWalk : public WindowTest {
protected:
    void judgeLastPage()
    {
        openPage(6);
        form.but_OK_Click();
        world.calls.clear();
    }
};

} // namespace

TEST_F(EndOfWalk, ResultsComeBeforeTheNewTestQuestion)
{
    judgeLastPage();
    world.yesNoAnswers = {false};
    form.but_Next_Click();
    const QStringList shown = world.callsStartingWith("Windows.ShowResultWindowModal");
    ASSERT_EQ(shown.size(), 1);
    EXPECT_LT(world.calls.indexOf(shown.first()),
              world.calls.indexOf("Platform.AskYesNo: Neu? | Wirklich einen neuen Test beginnen?"));
    // The pupil stays: the status strip, which the result window had hidden, comes back.
    EXPECT_TRUE(form.bar_Status.Visible);
}

TEST_F(EndOfWalk, NeinInTheResultWindowEndsTheProgramWithoutAsking)
{
    judgeLastPage();
    world.exitFlag = false;
    world.resultWindowActions = {[](frm_AppResult& window) { window.CSCmd3_Click(); }};
    EXPECT_THROW(form.but_Next_Click(), ProgramEnded);
    EXPECT_TRUE(form.CloseRequested);
    EXPECT_EQ(world.callsStartingWith("Platform.AskYesNo"), QStringList());
    const QStringList end = {"Root.MainWindowClosed", "Dialogs.SetExitFlag: 1", "Platform.EndProgram"};
    EXPECT_EQ(world.calls.mid(world.calls.size() - 3), end);
}
