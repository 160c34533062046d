#include "results/records/ResultRecord.h"

#include "testrun/EndOfTestRecord.h"
#include "testrun/GradeScale.h"

#include <QLocale>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <string_view>

static_assert(std::string_view(ResultCategories[static_cast<std::size_t>(TaskCategory::Equations)].key) ==
              "GLEICHUNGEN");
static_assert(static_cast<int>(TaskCategory::YesNo) + 1 == ResultCategoryCount);

namespace {

// The first format had no tasks and no mark for a run ended early; it is still read.
const QByteArray firstFormatLine = "KOLTEST-ERGEBNIS 1";
const QByteArray formatLine = "KOLTEST-ERGEBNIS 2";
const QByteArray closingLine = "KOLTEST-ERGEBNIS ENDE";
const QString dateFormat = QStringLiteral("yyyy-MM-dd");
const QString timeFormat = QStringLiteral("HH:mm:ss");

// The keys of the values, in the order of ValueKey; the categories follow ResultCategories.
constexpr QLatin1StringView valueKeys[] = {
    QLatin1StringView("NAME"),          QLatin1StringView("DATUM"),       QLatin1StringView("BEGINN"),
    QLatin1StringView("ENDE"),          QLatin1StringView("DAUER"),       QLatin1StringView("EXPERTE"),
    QLatin1StringView("VORZEITIG"),     QLatin1StringView("RICHTIG"),     QLatin1StringView("ANZAHL"),
    QLatin1StringView("NOTE"),          QLatin1StringView("ELEMENTE"),    QLatin1StringView("ZAHLSILBEN"),
    QLatin1StringView("SUBSTANZNAMEN"), QLatin1StringView("MOLMASSEN"),   QLatin1StringView("STOFFMENGEN"),
    QLatin1StringView("DEFINITIONEN"),  QLatin1StringView("GLEICHUNGEN"), QLatin1StringView("LADUNGSZAHLEN"),
    QLatin1StringView("JANEIN")};
enum class ValueKey {
    Name,
    Date,
    Start,
    End,
    Duration,
    Expert,
    EndedEarly,
    Right,
    Asked,
    Grade,
    FirstCategory
};
static_assert(std::size(valueKeys) ==
              static_cast<std::size_t>(ValueKey::FirstCategory) + ResultCategoryCount);

QString keyOf(ValueKey key)
{
    return valueKeys[static_cast<std::size_t>(key)];
}

const QString taskKey = QStringLiteral("AUFGABE");
const QChar taskSeparator = u'\t'; // a value never holds one: it is escaped
const QChar rightMark = u'r';
const QChar wrongMark = u'f';
constexpr qsizetype MostParts = 4; // the coefficients of an equation

QString yesNo(bool value)
{
    return value ? QStringLiteral("ja") : QStringLiteral("nein");
}

std::optional<bool> readYesNo(const QString& text)
{
    if (text == QLatin1String("ja"))
        return true;
    if (text == QLatin1String("nein"))
        return false;
    return std::nullopt;
}

int wholeCount(double value)
{
    if (!std::isfinite(value) || value < 0)
        return 0;
    return static_cast<int>(std::min(std::round(value), double{std::numeric_limits<int>::max()}));
}

// Right of asked, both plain digits, right not above asked, asked not above most.
std::optional<CategoryScore> readScore(const QString& rightText, const QString& askedText, int most)
{
    const auto count = [most](const QString& text) -> std::optional<int> {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok || value < 0 || value > most || text.startsWith(QLatin1Char('+')))
            return std::nullopt;
        return value;
    };
    const auto right = count(rightText);
    const auto asked = count(askedText);
    if (!right || !asked || *right > *asked)
        return std::nullopt;
    return CategoryScore{*right, *asked};
}

// "right/asked" of a category.
std::optional<CategoryScore> readScore(const QString& text, int most)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return std::nullopt;
    return readScore(parts[0], parts[1], most);
}

bool isBelievableDuration(double seconds)
{
    return std::isfinite(seconds) && seconds >= 0 && seconds < LongestRunSeconds;
}

std::optional<double> readDuration(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !isBelievableDuration(value))
        return std::nullopt;
    return value;
}

const QVariant* fieldValue(const PrintFields& fields, const char* key)
{
    for (const PrintFields::Field& field : fields.fields())
        if (field.key == QLatin1String(key))
            return &field.value;
    return nullptr;
}

// A grade of the scale, or none when nothing was asked.
bool isGradeOf(const QString& text, int asked)
{
    if (text.isEmpty())
        return asked == 0;
    for (int band = 0; band < GradeBandCount; ++band)
        if (gradeText(band) == text)
            return true;
    return false;
}

// Backslash, line ends and every other control character are written as escapes, so that a value is
// always one line and "=" or ";" in it mean nothing.
QString escaped(const QString& value)
{
    QString out;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

std::optional<QString> unescaped(QStringView value)
{
    if (!value.contains(u'\\'))
        return value.toString();
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\')) {
            out += value[i];
            continue;
        }
        if (++i >= value.size())
            return std::nullopt;
        const QChar kind = value[i];
        if (kind == QLatin1Char('\\')) {
            out += kind;
        } else if (kind == QLatin1Char('n')) {
            out += QLatin1Char('\n');
        } else if (kind == QLatin1Char('r')) {
            out += QLatin1Char('\r');
        } else if (kind == QLatin1Char('u') && i + 4 < value.size()) {
            bool ok = false;
            const ushort code = value.mid(i + 1, 4).toUShort(&ok, 16);
            // Half of a surrogate pair is no character; the writer never escapes one.
            if (!ok || QChar::isSurrogate(code))
                return std::nullopt;
            out += QChar(code);
            i += 4;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

int categoryIndex(QStringView key)
{
    for (std::size_t i = 0; i < ResultCategories.size(); ++i)
        if (key == QLatin1String(ResultCategories[i].key))
            return static_cast<int>(i);
    return -1;
}

QString taskLine(const JudgedTask& task)
{
    QString marks;
    for (const bool right : task.partsRight)
        marks += right ? rightMark : wrongMark;
    return QStringList{QLatin1String(ResultCategories[static_cast<std::size_t>(task.category)].key), marks,
                       escaped(task.task), escaped(task.expected), escaped(task.entered)}
        .join(taskSeparator);
}

// "CATEGORY<TAB>MARKS<TAB>TASK<TAB>EXPECTED<TAB>ENTERED", the texts escaped, MARKS one "r" or "f" per part.
std::optional<JudgedTask> readTask(QStringView line)
{
    std::array<QStringView, 5> fields;
    qsizetype count = 0;
    for (const QStringView field : line.tokenize(taskSeparator)) {
        if (count == static_cast<qsizetype>(fields.size()))
            return std::nullopt;
        fields[static_cast<std::size_t>(count++)] = field;
    }
    const int category = categoryIndex(fields[0]);
    const QStringView marks = fields[1];
    if (count != 5 || category < 0 || marks.isEmpty() || marks.size() > MostParts)
        return std::nullopt;
    JudgedTask task;
    task.category = static_cast<TaskCategory>(category);
    for (const QChar mark : marks) {
        if (mark != rightMark && mark != wrongMark)
            return std::nullopt;
        task.partsRight << (mark == rightMark);
    }
    QString* texts[] = {&task.task, &task.expected, &task.entered};
    for (std::size_t i = 0; i < 3; ++i) {
        auto text = unescaped(fields[i + 2]);
        if (!text || text->size() > LongestTaskText)
            return std::nullopt;
        *texts[i] = std::move(*text);
    }
    return task;
}

// Whether every category holds no more tasks than it has points in a run.
bool tasksFitTheirCategories(const QList<JudgedTask>& tasks)
{
    std::array<int, ResultCategoryCount> count{};
    for (const JudgedTask& task : tasks)
        if (++count[static_cast<std::size_t>(task.category)] >
            ResultCategories[static_cast<std::size_t>(task.category)].mostAsked)
            return false;
    return true;
}

} // namespace

ResultRecord recordFromReport(double right, double asked, const PrintFields& fields, const QString& name,
                              const QDateTime& end)
{
    // The record keeps whole seconds.
    const QDateTime endSecond = end.addMSecs(-end.time().msec());
    ResultRecord record;
    record.name = name.left(LongestName);
    record.date = endSecond.date();
    record.end = endSecond.time();
    record.right = wholeCount(right);
    record.asked = wholeCount(asked);
    if (record.asked > 0)
        record.grade = gradeText(gradeBand(record.right, record.asked));
    if (const QVariant* expert = fieldValue(fields, "EXPERTE"))
        record.expert = expert->toBool();
    if (const QVariant* duration = fieldValue(fields, "DAUER")) {
        bool ok = false;
        const double seconds = duration->toDouble(&ok);
        if (ok && isBelievableDuration(seconds)) {
            record.durationSeconds = seconds;
            record.start = endSecond.addSecs(-std::llround(seconds)).time();
        }
    }
    for (std::size_t i = 0; i < record.categories.size(); ++i)
        if (const QVariant* score = fieldValue(fields, ResultCategories[i].key))
            record.categories[i] =
                readScore(score->toString(), ResultCategories[i].mostAsked).value_or(CategoryScore{});
    if (const QVariant* early = fieldValue(fields, EndedEarlyField))
        record.endedEarly = early->toBool();
    if (const QVariant* tasks = fieldValue(fields, TasksField)) {
        std::array<int, ResultCategoryCount> count{};
        for (JudgedTask task : tasks->value<QList<JudgedTask>>()) {
            const auto category = static_cast<std::size_t>(task.category);
            if (++count[category] > ResultCategories[category].mostAsked || task.partsRight.isEmpty() ||
                task.partsRight.size() > MostParts)
                continue;
            for (QString* text : {&task.task, &task.expected, &task.entered})
                text->truncate(LongestTaskText);
            record.tasks << task;
        }
    }
    return record;
}

QByteArray recordText(const ResultRecord& record)
{
    QString text;
    const auto line = [&text](ValueKey key, const QString& value) {
        text += keyOf(key) + QLatin1Char('=') + escaped(value) + QLatin1Char('\n');
    };
    line(ValueKey::Name, record.name);
    line(ValueKey::Date, record.date.toString(dateFormat));
    if (record.start.isValid())
        line(ValueKey::Start, record.start.toString(timeFormat));
    line(ValueKey::End, record.end.toString(timeFormat));
    if (record.durationSeconds)
        line(ValueKey::Duration,
             QString::number(*record.durationSeconds, 'g', QLocale::FloatingPointShortest));
    line(ValueKey::Expert, yesNo(record.expert));
    line(ValueKey::EndedEarly, yesNo(record.endedEarly));
    line(ValueKey::Right, QString::number(record.right));
    line(ValueKey::Asked, QString::number(record.asked));
    line(ValueKey::Grade, record.grade);
    for (std::size_t i = 0; i < record.categories.size(); ++i)
        line(static_cast<ValueKey>(static_cast<std::size_t>(ValueKey::FirstCategory) + i),
             QStringLiteral("%1/%2").arg(record.categories[i].right).arg(record.categories[i].asked));
    for (const JudgedTask& task : record.tasks)
        text += taskKey + QLatin1Char('=') + taskLine(task) + QLatin1Char('\n'); // its texts are escaped
    return formatLine + '\n' + text.toUtf8() + closingLine + '\n';
}

RecordReading readRecordText(const QByteArray& bytes)
{
    const auto refuse = [](const QString& problem) { return RecordReading{std::nullopt, problem}; };
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return refuse(QStringLiteral("not UTF-8 text"));
    QList<QStringView> lines;
    for (QStringView line : QStringView(text).tokenize(u'\n'))
        lines << (line.endsWith(u'\r') ? line.chopped(1) : line);
    if (lines.value(0) != QLatin1String(formatLine) && lines.value(0) != QLatin1String(firstFormatLine))
        return refuse(QStringLiteral("does not begin with \"%1\" or \"%2\"")
                          .arg(QLatin1String(formatLine), QLatin1String(firstFormatLine)));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() < 2 || lines.last() != QLatin1String(closingLine))
        return refuse(QStringLiteral("incomplete: no closing line \"%1\"").arg(QLatin1String(closingLine)));

    ResultRecord record;
    record.tasks.reserve(std::min<qsizetype>(lines.size(), MostAskedPerRun));
    // The value of each known key; keys the reader does not know are passed over, but not twice either.
    std::array<std::optional<QString>, std::size(valueKeys)> values;
    QSet<QStringView> otherKeys;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QStringView line = lines[i];
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            return refuse(QStringLiteral("line %1 is no KEY=VALUE line").arg(i + 1));
        const QStringView key = line.left(equals);
        if (key == taskKey) {
            const auto task = readTask(line.mid(equals + 1));
            if (!task)
                return refuse(QStringLiteral("line %1: no task of a test run").arg(i + 1));
            record.tasks << *task;
            continue;
        }
        auto value = unescaped(line.mid(equals + 1));
        if (!value)
            return refuse(QStringLiteral("line %1: broken escape in the value").arg(i + 1));
        const auto known = std::find(std::begin(valueKeys), std::end(valueKeys), key);
        const qsizetype otherKeysBefore = otherKeys.size();
        if (known == std::end(valueKeys))
            otherKeys.insert(key);
        std::optional<QString>* slot = known == std::end(valueKeys)
                                           ? nullptr
                                           : &values[static_cast<std::size_t>(known - std::begin(valueKeys))];
        if (slot ? slot->has_value() : otherKeys.size() == otherKeysBefore)
            return refuse(QStringLiteral("line %1: %2 given twice").arg(i + 1).arg(key));
        if (slot)
            *slot = std::move(value);
    }
    if (!tasksFitTheirCategories(record.tasks))
        return refuse(QStringLiteral("more tasks of a category than a test run asks"));

    const auto valueOf = [&values](ValueKey key) -> const std::optional<QString>& {
        return values[static_cast<std::size_t>(key)];
    };
    const auto textOf = [&valueOf](ValueKey key) { return valueOf(key).value_or(QString()); };
    const auto bad = [&refuse](ValueKey key) {
        return refuse(QStringLiteral("%1 missing or invalid").arg(keyOf(key)));
    };

    if (!valueOf(ValueKey::Name))
        return bad(ValueKey::Name);
    record.name = *valueOf(ValueKey::Name);
    record.date = QDate::fromString(textOf(ValueKey::Date), dateFormat);
    if (!record.date.isValid())
        return bad(ValueKey::Date);
    record.end = QTime::fromString(textOf(ValueKey::End), timeFormat);
    if (!record.end.isValid())
        return bad(ValueKey::End);
    if (valueOf(ValueKey::Start)) {
        record.start = QTime::fromString(textOf(ValueKey::Start), timeFormat);
        if (!record.start.isValid())
            return bad(ValueKey::Start);
    }
    if (valueOf(ValueKey::Duration)) {
        record.durationSeconds = readDuration(textOf(ValueKey::Duration));
        if (!record.durationSeconds)
            return bad(ValueKey::Duration);
    }
    const auto expert = readYesNo(textOf(ValueKey::Expert));
    if (!expert)
        return bad(ValueKey::Expert);
    record.expert = *expert;
    const auto endedEarly = readYesNo(valueOf(ValueKey::EndedEarly).value_or(QStringLiteral("nein")));
    if (!endedEarly)
        return bad(ValueKey::EndedEarly);
    record.endedEarly = *endedEarly;
    const auto total = readScore(textOf(ValueKey::Right), textOf(ValueKey::Asked), MostAskedPerRun);
    if (!total)
        return refuse(QStringLiteral("RICHTIG/ANZAHL missing or invalid"));
    record.right = total->right;
    record.asked = total->asked;
    record.grade = textOf(ValueKey::Grade);
    if (!valueOf(ValueKey::Grade) || !isGradeOf(record.grade, record.asked))
        return bad(ValueKey::Grade);
    for (std::size_t i = 0; i < record.categories.size(); ++i) {
        const auto key = static_cast<ValueKey>(static_cast<std::size_t>(ValueKey::FirstCategory) + i);
        const auto score = readScore(textOf(key), ResultCategories[i].mostAsked);
        if (!score)
            return bad(key);
        record.categories[i] = *score;
    }
    return RecordReading{record, QString()};
}
