#include "desktop/view/PageViews.h"

#include "app/frm_AppMain.h"
#include "desktop/services/DesktopUser.h"
#include "desktop/view/Look.h"
#include "desktop/widgets/AvatarFigure.h"
#include "desktop/widgets/ShortcutTyping.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The name field belongs to the user service: typing names the user, and the field shows the user's name,
// also after a new test has begun. Enter starts the test, as OK does, once OK is offered.
QLineEdit& nameField(QWidget& frame, PageContext& context)
{
    auto* field = new QLineEdit(&frame);
    field->setObjectName(QStringLiteral("UserName"));
    field->setAccessibleName(QStringLiteral("Dein Name:"));
    field->setFont(look::sized(field->font(), look::TaskPointSize));
    field->setMinimumHeight(40);
    field->setMaxLength(60);
    refuseShortcutTyping(*field);
    frm_AppMain& model = context.model;
    UserService& user = model.services.user;
    QObject::connect(field, &QLineEdit::textEdited, field,
                     [&user](const QString& text) { user.SetUserName(text); });
    QObject::connect(field, &QLineEdit::returnPressed, field, [&bind = context.bind, &model] {
        if (model.but_OK.Visible)
            bind.dispatch([&model] { model.but_OK_Click(); });
    });
    context.bind.focusable(&model.page0.NameField, *field);
    context.bind.renderer([field, &user] {
        if (field->text() != user.UserName())
            field->setText(user.UserName());
    });
    return *field;
}

AvatarFigure& bigAvatar(QWidget& frame, PageContext& context)
{
    auto* avatar = new AvatarFigure(&frame, AvatarFigure::Placement::Centred);
    avatar->setObjectName(QStringLiteral("ctl_Avatar1"));
    avatar->setFixedSize(190, 190);
    frm_AppMain& model = context.model;
    avatar->setOnClick(
        [&bind = context.bind, &model] { bind.dispatch([&model] { model.ctl_Avatar1_Click(); }); });
    const DesktopUser& user = context.user;
    context.bind.renderer([avatar, &model, &user] {
        avatar->setLook(user.avatarLook());
        avatar->setRefreshes(model.ctl_Avatar1.Refreshes);
    });
    return *avatar;
}

// The two difficulty choices; choosing one deselects the other.
void addDifficulty(QVBoxLayout& column, PageContext& context)
{
    QWidget& frame = *column.parentWidget();
    frm_AppMain& model = context.model;
    auto* row = new QHBoxLayout;
    row->setContentsMargins(10, 0, 0, 0);
    row->setSpacing(40);
    for (int i = 0; i < 2; ++i) {
        auto* choice = new QRadioButton(&frame);
        choice->setObjectName(QStringLiteral("Expert%1").arg(i));
        choice->setFont(look::sized(choice->font(), look::TaskPointSize));
        context.bind.option(*choice, model.page0.Expert[static_cast<std::size_t>(i)],
                            [&model, i] { model.Expert_Click(i); });
        row->addWidget(choice);
    }
    row->addStretch();
    column.addLayout(row);
}

void addMelody(QVBoxLayout& column, PageContext& context)
{
    QWidget& frame = *column.parentWidget();
    QLabel& question = fixedLabel(
        frame,
        QStringLiteral("Welche Belobigungsmelodie?  (falls der Test mit 'sehr gut' abgeschlossen wird)"),
        look::BasePointSize);
    question.setContentsMargins(10, 4, 0, 0);
    auto* melody = new QComboBox(&frame);
    melody->setObjectName(QStringLiteral("HYMNE"));
    melody->setAccessibleName(question.text());
    melody->setMinimumSize(340, 36);
    question.setBuddy(melody);
    context.bind.melody(*melody, context.model.page0.HYMNE);
    column.addWidget(&question);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(10, 0, 0, 0);
    row->addWidget(melody);
    row->addStretch();
    column.addLayout(row);
}

} // namespace

void buildStartPage(QWidget& frame, PageContext& context)
{
    QVBoxLayout& column = pageColumn(frame);
    addTitle(column, QStringLiteral("Herzlich Willkommen!"));

    auto* welcome = new QHBoxLayout;
    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(10, 0, 0, 0);
    texts->addWidget(&fixedLabel(frame, QStringLiteral("Willkommen zum großen"), 18));
    QLabel& big = fixedLabel(frame, QStringLiteral("Kolbrix Test"), 40, true);
    QPalette ink = big.palette();
    ink.setColor(QPalette::WindowText, look::TitleFrom);
    big.setPalette(ink);
    texts->addWidget(&big);
    texts->addStretch();
    auto* nameRow = new QHBoxLayout;
    QLabel& nameLabel = fixedLabel(frame, QStringLiteral("Dein Name:"), look::TaskPointSize, true);
    QLineEdit& name = nameField(frame, context);
    nameLabel.setBuddy(&name);
    nameRow->addWidget(&nameLabel);
    nameRow->addWidget(&name, 1);
    nameRow->addSpacing(60);
    texts->addLayout(nameRow);
    welcome->addLayout(texts, 1);
    welcome->addWidget(&bigAvatar(frame, context));
    column.addLayout(welcome);

    addTitle(column, QStringLiteral("Einstellungen"));
    addDifficulty(column, context);
    addMelody(column, context);
    column.addStretch();
}
