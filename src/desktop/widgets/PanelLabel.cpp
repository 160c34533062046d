#include "desktop/widgets/PanelLabel.h"

QString panelMarkupToHtml(const QString& text)
{
    QString html = text.toHtmlEscaped();
    for (const char* tag : {"<br>", "<b>", "</b>"}) {
        const QString markup = QLatin1String(tag);
        html.replace(markup.toHtmlEscaped(), markup);
    }
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return QStringLiteral("<span style=\"white-space:pre-wrap\">") + html + QStringLiteral("</span>");
}

PanelLabel::PanelLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::RichText);
    setWordWrap(true);
}

void PanelLabel::showPanel(const QString& text, bool bold)
{
    if (text != m_text) {
        m_text = text;
        setText(panelMarkupToHtml(text));
    }
    if (font().bold() != bold) {
        QFont changed = font();
        changed.setBold(bold);
        setFont(changed);
    }
}
