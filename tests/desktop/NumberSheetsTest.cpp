#include "app/frm_AppMain.h"
#include "desktop/CommandLine.h"
#include "desktop/DesktopPlatform.h"
#include "desktop/DesktopTests.h"
#include "desktop/InstanceLock.h"
#include "desktop/RunningWindow.h"
#include "desktop/results/DesktopResultRunner.h"
#include "desktop/services/DesktopServices.h"
#include "desktop/view/MainWindowView.h"
#include "desktop/widgets/FormulaLabel.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Pages 11, 8 and 12 filled in by a pupil through the real window: typed answers, one formula from the
// formula editor and one value from the calculator, then the verdicts as they appear on screen.

namespace {

// The formula editor and the calculator answer what the test scripts; every other dialog is the real one.
class ScriptedEditorAndCalculator final : public DialogService, public ToolsService {
public:
    ScriptedEditorAndCalculator(DialogService& dialogs, ToolsService& tools)
        : m_dialogs(dialogs), m_tools(tools)
    {
    }

    QString nextTerm;
    double nextResult = NoResult;
    QStringList prompts;

    void ShowNumberPad(TextBox& field, const QString& prompt) override
    {
        m_dialogs.ShowNumberPad(field, prompt);
    }
    void ShowTextPad(TextBox& field, const QString& prompt) override { m_dialogs.ShowTextPad(field, prompt); }
    QString EditTerm(const QString&, const QString& prompt) override
    {
        prompts << prompt;
        return nextTerm;
    }
    void SetExitFlag(bool value) override { m_dialogs.SetExitFlag(value); }
    bool ExitFlag() const override { return m_dialogs.ExitFlag(); }
    void ShowHelp() override { m_dialogs.ShowHelp(); }
    void ShowPeriodicTable() override { m_tools.ShowPeriodicTable(); }
    double ShowCalculator(const QString& prompt) override
    {
        prompts << prompt;
        return nextResult;
    }

private:
    DialogService& m_dialogs;
    ToolsService& m_tools;
};

// The main window of one test run on the shipped catalogue, over the real desktop services except for the
// scripted formula editor and calculator.
struct ScriptedWindow {
    ScriptedWindow()
    {
        ResetTestRun(state);
        state.g_CatalogFile = QStringLiteral(KOLTEST_SHIPPED_DATA "/koltest.dat");
        services.windows.attach(model, view);
        platform.setActiveView(&view);
        view.handle([this] { model.Form_Load(); });
        // Any real modal dialog would fail the test: it is closed and remembered.
        QObject::connect(&guard, &QTimer::timeout, [this] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                unexpected << modal->windowTitle();
                modal->done(QDialog::Rejected);
            }
        });
        guard.start(50);
    }
    template <typename Widget = QWidget> Widget* find(const QString& name) const
    {
        return view.findChild<Widget*>(name);
    }
    void click(const QString& name) const { QTest::mouseClick(find(name), Qt::LeftButton); }
    // Clicks the button once it shows, then waits for the page.
    void clickThenWaitFor(const QString& button, int page) const
    {
        QTRY_VERIFY(find(button)->isVisible());
        click(button);
        QTRY_VERIFY(find(QStringLiteral("Seite%1").arg(page))->isVisible());
    }
    // Judges the page on screen and moves on to the next.
    void okThenNext(int nextPage) const
    {
        QTRY_VERIFY(find(QStringLiteral("but_OK"))->isVisible());
        click(QStringLiteral("but_OK"));
        clickThenWaitFor(QStringLiteral("but_Next"), nextPage);
    }
    QColor background(const QString& name) const { return find(name)->palette().color(QPalette::Base); }

    QTemporaryDir dir;
    const CommandLineWords commandLine = splitCommandLine({QStringLiteral("/NEW")});
    ProcessRandom random;
    DesktopServices services{commandLine, random};
    ScriptedEditorAndCalculator scripted{services.dialogs, services.tools};
    SharedServices shared{services.root, services.app, services.folders, services.windows, services.host,
                          services.user, scripted,     scripted,         services.print,   services.sound};
    InstanceLock lock{dir.filePath(QStringLiteral("koltest.lock"))};
    DesktopPlatform platform{commandLine.text(), services.windows, lock};
    mdl_KolTest state;
    AppContext context{state, shared, services.sharedTools, platform, random};
    DesktopResultRunner results{services.windows};
    frm_AppMain model{context, results};
    MainWindowView view{model, services.user};
    QTimer guard;
    QStringList unexpected;
};

const QColor green(0, 255, 0);
const QColor red(255, 0, 0);

} // namespace

class NumberSheetsTest : public QObject {
    Q_OBJECT

private slots:
    void pupilFillsSubstancesMolarMassesAndAmounts();
};

void NumberSheetsTest::pupilFillsSubstancesMolarMassesAndAmounts()
{
    ScriptedWindow window;
    mdl_KolTest& state = window.state;
    typeInto(window.find(QStringLiteral("UserName")), QStringLiteral("Jürgen"));
    window.clickThenWaitFor(QStringLiteral("but_OK"), 1);
    window.okThenNext(2);
    window.okThenNext(11);

    // Page 11: three names and two formulas typed, one formula from the editor, one of the typed ones wrong.
    const auto substein = [](int row) { return QStringLiteral("Substein%1").arg(row); };
    for (int row = 0; row < 3; ++row)
        typeInto(window.find(substein(row)), state.g_Solutions[row].section(QLatin1Char('|'), 0, 0));
    typeInto(window.find(substein(3)), state.g_Solutions[3]);
    window.scripted.nextTerm = state.g_Solutions[4];
    window.click(substein(4));
    QCOMPARE(window.find<QLineEdit>(substein(4))->text(), state.g_Solutions[4]);
    QCOMPARE(window.scripted.prompts.last(), window.model.substanceNames.Substanz[4].Caption);
    typeInto(window.find(substein(5)), QStringLiteral("Xy"));
    QTRY_VERIFY(window.find(QStringLiteral("but_OK"))->isVisible());
    window.click(QStringLiteral("but_OK"));
    for (int row = 0; row < 5; ++row)
        QCOMPARE(window.background(substein(row)), green);
    QCOMPARE(window.background(substein(5)), red);
    QVERIFY(window.find(QStringLiteral("lab_SubsTermTitle5"))->isVisible());
    QCOMPARE(window.find<FormulaLabel>(QStringLiteral("lab_SubCorrect5"))->formula(), state.g_Solutions[5]);
    QVERIFY(!window.find(QStringLiteral("lab_SubCorrect4"))->isVisible());
    QCOMPARE(state.g_SubstancesRight, 5);
    window.clickThenWaitFor(QStringLiteral("but_Next"), 8);

    // Page 8: three masses typed with a decimal comma, the fourth taken from the calculator.
    QVERIFY(window.find(QStringLiteral("lab_MolTerm0"))->isVisible()); // a beginner sees the formula
    for (int row = 0; row < 3; ++row)
        typeInto(window.find(QStringLiteral("Mol%1").arg(row)),
                 state.g_Solutions[row].trimmed().replace('.', ','));
    window.scripted.nextResult = state.g_Solutions[3].trimmed().toDouble();
    window.click(QStringLiteral("but_Calc3"));
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Mol3"))->text(),
             state.g_Solutions[3].trimmed().replace('.', ','));
    QTRY_VERIFY(window.find(QStringLiteral("but_OK"))->isVisible());
    window.click(QStringLiteral("but_OK"));
    for (int row = 0; row < 4; ++row)
        QCOMPARE(window.background(QStringLiteral("Mol%1").arg(row)), green);
    QVERIFY(window.find(QStringLiteral("lab_Correct"))->isVisible());
    window.clickThenWaitFor(QStringLiteral("but_Next"), 12);

    // Page 12: four right answers, one wrong that shows the stored answer after it.
    for (int row = 0; row < 4; ++row)
        typeInto(window.find(QStringLiteral("Stoffm%1").arg(row)), state.g_Solutions[row]);
    typeInto(window.find(QStringLiteral("Stoffm4")), QStringLiteral("999"));
    const QString stored = state.g_Solutions[4];
    QTRY_VERIFY(window.find(QStringLiteral("but_OK"))->isVisible());
    window.click(QStringLiteral("but_OK"));
    QCOMPARE(window.background(QStringLiteral("Stoffm0")), green);
    QCOMPARE(window.background(QStringLiteral("Stoffm4")), red);
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Stoffm4"))->text(),
             QStringLiteral("999 - richtig ist: ") + stored);
    QCOMPARE(state.g_AmountsRight, 4);
    QCOMPARE(window.unexpected, QStringList());
}

KOLTEST_DESKTOP_TEST(NumberSheetsTest)

#include "NumberSheetsTest.moc"
