#include "results/records/ResultRecord.h"

#include "testrun/GradeScale.h"

#include <QHash>
#include <QLocale>
#include <QStringDecoder>

#include <cmath>
#include <limits>

namespace {

const QByteArray formatLine = "KOLTEST-ERGEBNIS 1";
const QByteArray closingLine = "KOLTEST-ERGEBNIS ENDE";
const QString dateFormat = QStringLiteral("yyyy-MM-dd");
const QString timeFormat = QStringLiteral("HH:mm:ss");

const QString nameKey = QStringLiteral("NAME");
const QString dateKey = QStringLiteral("DATUM");
const QString startKey = QStringLiteral("BEGINN");
const QString endKey = QStringLiteral("ENDE");
const QString durationKey = QStringLiteral("DAUER");
const QString expertKey = QStringLiteral("EXPERTE");
const QString rightKey = QStringLiteral("RICHTIG");
const QString askedKey = QStringLiteral("ANZAHL");
const QString gradeKey = QStringLiteral("NOTE");

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

bool isGrade(const QString& text)
{
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

std::optional<QString> unescaped(const QString& value)
{
    QString out;
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

} // namespace

ResultRecord recordFromReport(double right, double asked, const PrintFields& fields, const QString& name,
                              const QDateTime& end)
{
    // The record keeps whole seconds.
    const QDateTime endSecond = end.addMSecs(-end.time().msec());
    ResultRecord record;
    record.name = name;
    record.date = endSecond.date();
    record.end = endSecond.time();
    record.right = wholeCount(right);
    record.asked = wholeCount(asked);
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
    return record;
}

QByteArray recordText(const ResultRecord& record)
{
    QString text;
    const auto line = [&text](const QString& key, const QString& value) {
        text += key + QLatin1Char('=') + escaped(value) + QLatin1Char('\n');
    };
    line(nameKey, record.name);
    line(dateKey, record.date.toString(dateFormat));
    if (record.start.isValid())
        line(startKey, record.start.toString(timeFormat));
    line(endKey, record.end.toString(timeFormat));
    if (record.durationSeconds)
        line(durationKey, QString::number(*record.durationSeconds, 'g', QLocale::FloatingPointShortest));
    line(expertKey, record.expert ? QStringLiteral("ja") : QStringLiteral("nein"));
    line(rightKey, QString::number(record.right));
    line(askedKey, QString::number(record.asked));
    line(gradeKey, record.grade);
    for (std::size_t i = 0; i < record.categories.size(); ++i)
        line(QLatin1String(ResultCategories[i].key),
             QStringLiteral("%1/%2").arg(record.categories[i].right).arg(record.categories[i].asked));
    return formatLine + '\n' + text.toUtf8() + closingLine + '\n';
}

RecordReading readRecordText(const QByteArray& bytes)
{
    const auto refuse = [](const QString& problem) { return RecordReading{std::nullopt, problem}; };
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return refuse(QStringLiteral("not UTF-8 text"));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (lines.value(0) != QLatin1String(formatLine))
        return refuse(QStringLiteral("does not begin with \"%1\"").arg(QLatin1String(formatLine)));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() < 2 || lines.last() != QLatin1String(closingLine))
        return refuse(QStringLiteral("incomplete: no closing line \"%1\"").arg(QLatin1String(closingLine)));

    QHash<QString, QString> values;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const qsizetype equals = lines[i].indexOf(QLatin1Char('='));
        if (equals <= 0)
            return refuse(QStringLiteral("line %1 is no KEY=VALUE line").arg(i + 1));
        const QString key = lines[i].left(equals);
        const auto value = unescaped(lines[i].mid(equals + 1));
        if (!value)
            return refuse(QStringLiteral("line %1: broken escape in the value").arg(i + 1));
        if (values.contains(key))
            return refuse(QStringLiteral("line %1: %2 given twice").arg(i + 1).arg(key));
        values.insert(key, *value);
    }

    ResultRecord record;
    const auto need = [&values](const QString& key) -> std::optional<QString> {
        if (!values.contains(key))
            return std::nullopt;
        return values.value(key);
    };
    const auto bad = [&refuse](const QString& key) {
        return refuse(QStringLiteral("%1 missing or invalid").arg(key));
    };

    const auto name = need(nameKey);
    if (!name)
        return bad(nameKey);
    record.name = *name;
    record.date = QDate::fromString(values.value(dateKey), dateFormat);
    if (!record.date.isValid())
        return bad(dateKey);
    record.end = QTime::fromString(values.value(endKey), timeFormat);
    if (!record.end.isValid())
        return bad(endKey);
    if (values.contains(startKey)) {
        record.start = QTime::fromString(values.value(startKey), timeFormat);
        if (!record.start.isValid())
            return bad(startKey);
    }
    if (values.contains(durationKey)) {
        record.durationSeconds = readDuration(values.value(durationKey));
        if (!record.durationSeconds)
            return bad(durationKey);
    }
    const QString expert = values.value(expertKey);
    if (expert != QLatin1String("ja") && expert != QLatin1String("nein"))
        return bad(expertKey);
    record.expert = expert == QLatin1String("ja");
    const auto total = readScore(values.value(rightKey), values.value(askedKey), MostAskedPerRun);
    if (!total)
        return bad(rightKey + QLatin1Char('/') + askedKey);
    record.right = total->right;
    record.asked = total->asked;
    record.grade = values.value(gradeKey);
    if (!isGrade(record.grade))
        return bad(gradeKey);
    for (std::size_t i = 0; i < record.categories.size(); ++i) {
        const QString key = QLatin1String(ResultCategories[i].key);
        const auto score = readScore(values.value(key), ResultCategories[i].mostAsked);
        if (!score)
            return bad(key);
        record.categories[i] = *score;
    }
    return RecordReading{record, QString()};
}
