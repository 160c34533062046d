#include "results/certificate/CertificateFill.h"
#include "components/PrintFields.h"
#include "results/certificate/CertificateFileName.h"
#include "results/certificate/CertificateFormFile.h"
#include "support/QtPrinters.h"
#include "testrun/ResultCategories.h"

#include <gtest/gtest.h>

namespace {

const QString Body = QStringLiteral(" Von  52 Aufgaben wurden  47 richtig gelöst!\r\n"
                                    " Das entspricht der Note: sehr gut minus\r\n"
                                    " Bearbeitung am: 14.07.2017 von:09:12:03 bis:09:40:55 Uhr.");

// The fields as the result window hands them over, in their order.
PrintFields resultFields(const QString& firstValue = QStringLiteral("6 von  6"))
{
    PrintFields fields;
    for (int n = 1; n <= ResultCategoryCount; ++n) {
        fields.SetField(QStringLiteral("EINZEL_%1_TEXT").arg(n),
                        QString::fromUtf8(ResultCategories[n - 1].windowLabel));
        fields.SetField(QStringLiteral("EINZEL_%1_WERT").arg(n),
                        n == 1 ? firstValue : QStringLiteral("%1 von  6").arg(n % 6));
    }
    fields.SetField(QStringLiteral("FILE"), QStringLiteral("urkunde-koltest.zq-frm"));
    fields.SetField(QStringLiteral("TITLE"), QStringLiteral("Chemie-Prüfungszeugnis"));
    return fields;
}

CertificatePage filled(const char* formText, const QString& name, const PrintFields& fields,
                       const QString& body = Body)
{
    const FormReading reading = readCertificateForm(QByteArray(formText));
    EXPECT_TRUE(reading.errors.isEmpty()) << reading.errors.value(0).text.toStdString();
    return fillCertificate(reading.form, {body, fields, name, QDate(2017, 7, 14)});
}

} // namespace

// Values are text: nothing in a pupil's name or a field is read again as a placeholder, markup or
// argument, and "{{" in the form stays a brace.
TEST(CertificateFill, ValuesStayLiterallyThemselves)
{
    const struct {
        const char* form;
        const char* pupil;
        const char* firstValue;
        QStringList lines;
    } cases[] = {
        {"Text: für {NAME}", "{NAME}{TITLE}", "", {"für {NAME}{TITLE}"}},
        {"Text: {NAME}", "<b>Ali</b> &amp; <br>", "", {"<b>Ali</b> &amp; <br>"}},
        {"Text: {NAME} {EINZEL_1_WERT}", "%1 & %2", "%1%2", {"%1 & %2 %1%2"}},
        {"Text: {{NAME}} ist {NAME}", "Kim", "", {"{NAME} ist Kim"}},
        {"Text: {EINZEL_1_WERT}", "", "  6 von\r\n  6 ", {"6 von", "6"}},
        {"Text: {TEXT}",
         "",
         "",
         {"Von 52 Aufgaben wurden 47 richtig gelöst!", "Das entspricht der Note: sehr gut minus",
          "Bearbeitung am: 14.07.2017 von:09:12:03 bis:09:40:55 Uhr."}},
        {"Schule: Schule am See\nText: {SCHULE}, {DATUM}", "", "", {"Schule am See, 14.07.2017"}},
    };
    for (const auto& c : cases) {
        const CertificatePage page =
            filled(c.form, QString::fromUtf8(c.pupil), resultFields(QString::fromUtf8(c.firstValue)));
        ASSERT_EQ(page.elements.size(), 1) << c.form;
        EXPECT_EQ(page.elements.first().cells.first(), c.lines) << c.form;
    }
}

TEST(CertificateFill, TitleLinesAppearOnlyWhenTheBodyHasThem)
{
    const char* form = "Text: {TEXT_2}\nText: {TEXT_4}\nText: {TEXT_5}\nAbstand: 3\n";
    const CertificatePage plain = filled(form, "Kim", resultFields());
    ASSERT_EQ(plain.elements.size(), 2); // the empty title lines take no room; the space stays
    EXPECT_EQ(plain.elements[0].cells.first(), QStringList{"Das entspricht der Note: sehr gut minus"});

    const QString titled =
        Body + QStringLiteral("\r\n Das Ergebnis berechtigt, fortan den Titel zu führen:\r\n"
                              "Getesteter Kolbrix ");
    const CertificatePage withTitle = filled(form, "Kim", resultFields(), titled);
    ASSERT_EQ(withTitle.elements.size(), 4);
    EXPECT_EQ(withTitle.elements[2].cells.first(), QStringList{"Getesteter Kolbrix"});
}

TEST(CertificateFill, ShippedFormReadsAndShowsEveryResult)
{
    PrintFields fields = resultFields();
    const FormFileReading reading = readFormFile(QStringLiteral(KOLTEST_SHIPPED_DATA), fields);
    ASSERT_TRUE(reading.form.has_value()) << reading.message.toStdString();

    QStringList used;
    for (const FormElement& element : reading.form->elements) {
        for (const FormText& cell : element.cells) {
            for (const FormText::Piece& piece : cell.pieces) {
                if (piece.placeholder)
                    used << piece.text;
            }
        }
    }
    for (const PrintFields::Field& field : fields.fields()) {
        if (field.key != QLatin1String("FILE")) { // the form's own file name is nothing for the pupil
            EXPECT_TRUE(used.contains(field.key)) << field.key.toStdString();
        }
    }
    for (const char* name : {"NAME", "DATUM", "SCHULE", "TEXT_1", "TEXT_2", "TEXT_3", "TEXT_4", "TEXT_5"})
        EXPECT_TRUE(used.contains(QString::fromUtf8(name))) << name;

    const CertificatePage page = fillCertificate(*reading.form, {Body, fields, "Kim", QDate(2017, 7, 14)});
    QList<QStringList> rows;
    for (const PageElement& element : page.elements)
        if (element.kind == ElementKind::TableRow)
            rows << QStringList{element.cells[0].join(' '), element.cells[1].join(' ')};
    ASSERT_EQ(rows.size(), 9);
    EXPECT_EQ(rows.first(), (QStringList{"Elemente:", "6 von 6"}));
    EXPECT_EQ(rows.last(), (QStringList{"Allg.Wissen:", "3 von 6"}));
}

TEST(CertificateFileName, IsSafeForEveryFileSystem)
{
    const struct {
        const char* pupil;
        const char* fileName;
    } cases[] = {
        {"Jörg Müßig", "Zeugnis Jörg Müßig 2026-12-06.pdf"},
        {"  ", "Zeugnis 2026-12-06.pdf"},
        {"../a/b\\c", "Zeugnis _a_b_c 2026-12-06.pdf"},
        {"A:B*C?\"<>|\t", "Zeugnis A_B_C_____ 2026-12-06.pdf"},
        {"...Kim", "Zeugnis Kim 2026-12-06.pdf"},
        {"Annalena-Maximiliane-Josefine-Charlotte von Hohenzollern-Sigmaringen",
         "Zeugnis Annalena-Maximiliane-Josefine-Charlotte von Hohenzollern-Sig 2026-12-06.pdf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(certificateFileName(QString::fromUtf8(c.pupil), QDate(2026, 12, 6)),
                  QString::fromUtf8(c.fileName));
}
