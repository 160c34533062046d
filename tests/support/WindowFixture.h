#pragma once

#include "app/frm_AppMain.h"
#include "support/FakeWorld.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <functional>
#include <span>

#include <gtest/gtest.h>

// The indexes of the chosen options.
QList<int> chosenOptions(std::span<const OptionButton> options);

// A main window over scripted services and a catalogue file that the test writes.
class WindowTest : public ::testing::Test {
protected:
    WindowTest();

    // Lays the window out for an inner size (the fixture starts with a maximised window on 1366 x 768).
    void resize(int width, int height);
    // Writes the catalogue file the window will load.
    void writeCatalogue(const QByteArray& bytes);
    // Runs the window's load handler on the small catalogue unless another was written.
    void load();
    // Runs the window's load handler on the catalogue the program ships with.
    void loadShippedCatalogue();
    // Loads, types a name and starts the test: page 1 is on screen afterwards.
    void startTest(const QString& name = QStringLiteral("Mia"));
    // Loads, starts the test as "Mia" and shows the page straight away, without the pages before it.
    void openPage(int page);
    // The expected answer of a row of the sheet on screen.
    QString& solution(int row) { return state.g_Solutions.at(static_cast<std::size_t>(row)); }
    // Lets the window's delay timer tick the given number of times.
    void tick(int times);
    // Where a key press in a field asks the focus to go; nullptr when it asks for nothing.
    ControlId focusAfter(const std::function<void()>& press);

    FakeWorld world;
    ScriptedRandom random;
    mdl_KolTest state;
    AppContext context;
    frm_AppMain form;

private:
    QTemporaryDir m_dir;
    bool m_written = false;
};
