#include "support/WindowFixture.h"

#include "support/CatalogueBuilder.h"
#include "support/TestFiles.h"

#include <QFile>

WindowTest::WindowTest() : context{state, world.services, world.tools, world, random}, form(context, world)
{
    state.g_CatalogFile = m_dir.filePath(QStringLiteral("koltest.dat"));
    ResetTestRun(state);
    resize(1366, 698);
}

void WindowTest::resize(int width, int height)
{
    form.ScaleWidth = width;
    form.ScaleHeight = height;
    form.Form_Resize();
}

void WindowTest::writeCatalogue(const QByteArray& bytes)
{
    ASSERT_TRUE(writeWhole(state.g_CatalogFile, bytes));
    m_written = true;
}

void WindowTest::load()
{
    if (!m_written)
        writeCatalogue(smallCatalogue());
    form.Form_Load();
}

void WindowTest::loadShippedCatalogue()
{
    QFile shipped(QStringLiteral(KOLTEST_SHIPPED_DATA "/koltest.dat"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    writeCatalogue(shipped.readAll());
    load();
}

void WindowTest::startTest(const QString& name)
{
    load();
    world.userName = name;
    form.but_OK_Click();
    ASSERT_EQ(form.m_CurrentPage, 1);
}

void WindowTest::openPage(int page)
{
    load();
    world.userName = QStringLiteral("Mia");
    ASSERT_TRUE(form.StartTest());
    form.ShowPage(page);
}

ControlId WindowTest::focusAfter(const std::function<void()>& press)
{
    form.FocusRequest = nullptr;
    press();
    return form.FocusRequest;
}

void WindowTest::tick(int times)
{
    for (int i = 0; i < times; ++i)
        form.tmr_Delay_Timer();
}

QList<int> chosenOptions(std::span<const OptionButton> options)
{
    QList<int> indexes;
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i].Value)
            indexes << static_cast<int>(i);
    return indexes;
}
