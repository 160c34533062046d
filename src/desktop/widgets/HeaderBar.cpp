#include "desktop/widgets/HeaderBar.h"

#include "desktop/widgets/PanelLabel.h"
#include "desktop/widgets/PressFilter.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

const QString HeaderBar::HelpCommand = QStringLiteral("DIALOG.HELP();");

HeaderBar::HeaderBar(QWidget* parent, RaiseCommand raiseCommand)
    : QWidget(parent), m_title(new QLabel(this)), m_layout(new QHBoxLayout(this)),
      m_raiseCommand(raiseCommand)
{
    m_title->setTextFormat(Qt::RichText);
    QFont titleFont = font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    m_title->setFont(titleFont);
    QPalette palette = m_title->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    m_title->setPalette(palette);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, [this] { m_raiseCommand(HelpCommand); });

    m_layout->setContentsMargins(16, 0, 12, 0);
    m_layout->setSpacing(10);
    m_layout->addWidget(m_title);
    m_layout->addStretch();
}

void HeaderBar::addHelpButton()
{
    auto* help = new QPushButton(QStringLiteral("?"), this);
    help->setObjectName(QStringLiteral("HelpButton"));
    help->setAccessibleName(QStringLiteral("Hilfe"));
    help->setToolTip(QStringLiteral("Hilfe (F1)"));
    help->setFixedSize(40, 40);
    connect(help, &QPushButton::clicked, this, [this] { m_raiseCommand(HelpCommand); });
    onEnter(*help, [help] { help->click(); });
    m_layout->addWidget(help);
}

void HeaderBar::setCaption(const QString& markup)
{
    if (markup == m_caption)
        return;
    m_caption = markup;
    m_title->setText(panelMarkupToHtml(markup));
}

void HeaderBar::addButton(QPushButton& button)
{
    m_layout->addWidget(&button);
}

void HeaderBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0, QColor(0x17, 0x37, 0x5E));
    shade.setColorAt(1, QColor(0x1F, 0x4E, 0x8C));
    painter.fillRect(rect(), shade);
}
