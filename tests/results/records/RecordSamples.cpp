#include "results/records/RecordSamples.h"

#include "testrun/GradeScale.h"

ResultRecord sampleRecord(const QString& name, const QString& date, const QString& end, int right, int asked,
                          int firstRight)
{
    ResultRecord record;
    record.name = name;
    record.date = QDate::fromString(date, QStringLiteral("yyyy-MM-dd"));
    record.end = QTime::fromString(end, QStringLiteral("HH:mm:ss"));
    record.durationSeconds = 754;
    record.start = record.end.addSecs(-754);
    record.right = right;
    record.asked = asked;
    record.grade = gradeText(gradeBand(right, asked));
    record.categories.fill(CategoryScore{1, 2});
    record.categories[0] = CategoryScore{firstRight, 6};
    record.tasks = {{TaskCategory::Elements, "Natrium", "Na", "Na", {true}},
                    {TaskCategory::Equations, "H2 + O2 → H2O", "2 1 2", "2 2 2", {true, false, true}}};
    return record;
}
