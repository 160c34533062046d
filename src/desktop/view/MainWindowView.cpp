#include "desktop/view/MainWindowView.h"

#include "app/MainWindowDesign.h"
#include "app/frm_AppMain.h"
#include "desktop/services/DesktopUser.h"
#include "desktop/view/Bindings.h"
#include "desktop/view/DialogScaling.h"
#include "desktop/view/Look.h"
#include "desktop/view/PageViews.h"
#include "desktop/view/WidgetScaling.h"
#include "desktop/view/WindowFrame.h"
#include "desktop/widgets/AvatarFigure.h"
#include "desktop/widgets/Frames.h"
#include "desktop/widgets/HeaderBar.h"
#include "desktop/widgets/PanelLabel.h"
#include "desktop/widgets/PressFilter.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

constexpr int DelayTimerMs = 100;

// The praise floats over the middle of the page, in design pixels.
constexpr Geometry PraisePlace{(design::PageWidth - 560) / 2, 150, 560, 170};

QPushButton& makeButton(QWidget& parent, const QString& objectName)
{
    auto* button = new QPushButton(&parent);
    button->setObjectName(objectName);
    return *button;
}

} // namespace

MainWindowView::MainWindowView(frm_AppMain& model, const DesktopUser& user)
    : ModelWindowView(model, model.ScaleWidth, model.ScaleHeight, [&model] { model.Form_Resize(); }),
      m_model(model)
{
    setObjectName(QStringLiteral("frm_AppMain"));
    setMinimumSize(design::MinimumWindowWidth, design::MinimumWindowHeight);
    // Built in the visual order, which is the Tab order: the header's buttons, the page's fields, the tools
    // and OK/Next.
    buildHeader();
    buildHolder(user);
    buildStatus(user);
    bindings().renderer([this] { renderWindow(); });

    auto* timer = new QTimer(this);
    timer->setInterval(DelayTimerMs);
    connect(timer, &QTimer::timeout, this, [this] { handle([this] { m_model.tmr_Delay_Timer(); }); });
    timer->start();
}

void MainWindowView::buildHeader()
{
    auto* header = new HeaderBar(this, [this](const QString& command) {
        handle([this, command] { m_model.bar_Header_Command(command); });
    });
    header->setObjectName(QStringLiteral("bar_Header"));
    m_header = header;
    bindings().renderer([this, header] { header->setCaption(m_model.bar_Header.Caption); });
    for (int i = 0; i < static_cast<int>(m_model.but_GameCommands.size()); ++i) {
        QPushButton& button = makeButton(*header, QStringLiteral("but_GameCommands%1").arg(i));
        button.setMinimumHeight(40);
        bindings().button(button, m_model.but_GameCommands[static_cast<std::size_t>(i)],
                          [this, i] { m_model.but_GameCommands_Click(i); });
        header->addButton(button);
    }
    header->addHelpButton();
}

void MainWindowView::buildHolder(const DesktopUser& user)
{
    auto* holder = new GradientFrame(this);
    m_holder = holder;
    holder->setObjectName(QStringLiteral("bar_Holder"));
    bindings().geometry(*holder, m_model.bar_Holder);
    bindings().renderer([this, holder] { holder->setGradient(m_model.bar_Holder.Background); });

    PageContext context{m_model, bindings(), user};
    for (const WalkStep& step : m_model.m_Walk) {
        auto* frame = new CardFrame(holder);
        frame->setObjectName(QStringLiteral("Seite%1").arg(step.page));
        bindings().frame(*frame, m_model.Seite[step.page],
                         [this](const Geometry& place) { return onPage(place); });
        if (step.sheet)
            buildSheetView(*step.sheet, *frame, context);
        else
            buildStartPage(*frame, context);
    }

    auto* mark = new QWidget(holder);
    mark->setObjectName(QStringLiteral("bar_Mark"));
    bindings().frame(*mark, m_model.bar_Mark, [this](const Geometry& place) { return onPage(place); });
    buildMarkBar(*mark, context);

    auto* praise = new PanelLabel(holder);
    praise->setObjectName(QStringLiteral("lab_Correct"));
    praise->setAlignment(Qt::AlignCenter);
    praise->setFont(look::sized(praise->font(), 30, true));
    praise->setCursor(Qt::PointingHandCursor);
    praise->setStyleSheet(
        QStringLiteral("QLabel { background: #FFF6D5; color: #1B6E2A; border: 5px solid #F5A623;"
                       " border-radius: 28px; padding: 12px; }"));
    bindings().panel(*praise, m_model.lab_Correct);
    bindings().renderer([this, praise] {
        const QRect place = onPage(PraisePlace);
        if (praise->geometry() != place)
            praise->setGeometry(place);
    });
    onPress(*praise, [this] { handle([this] { m_model.lab_Correct_Click(); }); });
}

QRect MainWindowView::onPage(const Geometry& place) const
{
    const double scale = m_model.m_PageScale;
    const auto scaled = [scale](int length) { return static_cast<int>(std::lround(length * scale)); };
    return {m_model.m_PageLeft + scaled(place.Left), scaled(place.Top), scaled(place.Width),
            scaled(place.Height)};
}

void MainWindowView::buildStatus(const DesktopUser& user)
{
    m_status = new QWidget(this);
    m_status->setObjectName(QStringLiteral("bar_Status"));
    m_status->setAutoFillBackground(true);
    QPalette shade = m_status->palette();
    shade.setColor(QPalette::Window, QColor(0x10, 0x2A, 0x4C, 110));
    m_status->setPalette(shade);

    auto* avatar = new AvatarFigure(m_status, AvatarFigure::Placement::LeftWithName);
    avatar->setObjectName(QStringLiteral("ctl_Avatar2"));
    avatar->setFont(look::sized(avatar->font(), 16, true));
    avatar->setOnClick([this] { handle([this] { m_model.ctl_Avatar2_Click(); }); });
    bindings().geometry(*avatar, m_model.ctl_Avatar2);
    bindings().renderer([this, avatar, &user] {
        avatar->setLook(user.avatarLook());
        avatar->setName(m_model.services.user.UserName());
        avatar->setRefreshes(m_model.ctl_Avatar2.Refreshes);
    });

    for (int i = 0; i < static_cast<int>(m_model.but_GameTools.size()); ++i) {
        Button& model = m_model.but_GameTools[static_cast<std::size_t>(i)];
        QPushButton& button = makeButton(*m_status, QStringLiteral("but_GameTools%1").arg(i));
        bindings().geometry(button, model);
        bindings().button(button, model, [this, i] { m_model.but_GameTools_Click(i); });
    }
    QPushButton& ok = makeButton(*m_status, QStringLiteral("but_OK"));
    bindings().geometry(ok, m_model.but_OK);
    bindings().button(ok, m_model.but_OK, [this] { m_model.but_OK_Click(); });
    QPushButton& next = makeButton(*m_status, QStringLiteral("but_Next"));
    bindings().geometry(next, m_model.but_Next);
    bindings().button(next, m_model.but_Next, [this] { m_model.but_Next_Click(); });
    for (QPushButton* button : {&ok, &next})
        button->setFont(look::sized(button->font(), look::TaskPointSize, true));

    // The buttons stand over the avatar's widget: the name ends a gap before the first one shown.
    bindings().renderer([this, avatar] {
        int buttonsLeft = m_model.ScaleWidth;
        for (const QPushButton* button : m_status->findChildren<QPushButton*>())
            if (button->isVisibleTo(m_status))
                buttonsLeft = std::min(buttonsLeft, button->x());
        avatar->setNameEnd(buttonsLeft - avatar->x() - avatar->fontMetrics().averageCharWidth());
    });
}

void MainWindowView::renderWindow()
{
    scaleWidgetTree(*m_holder, m_model.m_PageScale);
    scaleWidgetTree(*m_header, m_model.m_StripScale);
    scaleWidgetTree(*m_status, m_model.m_StripScale);
    // Dialogs take the larger scale, so that their text is never smaller than the page's or the strips'.
    setDialogScale(*this, std::max(m_model.m_PageScale, m_model.m_StripScale));
    const QRect header(0, 0, width(), m_model.bar_Header.Height);
    if (m_header->geometry() != header)
        m_header->setGeometry(header);
    const QRect status(0, height() - m_model.bar_Status.Height, width(), m_model.bar_Status.Height);
    if (m_status->geometry() != status)
        m_status->setGeometry(status);
    setShown(*m_status, m_model.bar_Status.Visible); // the result window hides it
    if (!(m_background == m_model.Background)) {
        m_background = m_model.Background;
        update();
    }
    renderWindowFrame(*this, m_model);
}

void MainWindowView::renderNow()
{
    render();
    m_holder->repaint(); // the slide moves the pages, which stand in the holder
}

void MainWindowView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_background.isSet())
        paintGradient(painter, m_background);
    else
        painter.fillRect(rect(), QColor::fromRgb(design::WindowBackColor));
}

void MainWindowView::closeEvent(QCloseEvent* event)
{
    if (m_model.CloseRequested) {
        event->accept();
        closed();
        return;
    }
    event->ignore();
    handle([this] { m_model.CloseBox_Click(); });
}
