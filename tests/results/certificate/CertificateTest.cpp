#include "components/PrintFields.h"
#include "results/certificate/CertificateFileName.h"
#include "results/certificate/CertificateFill.h"
#include "results/certificate/CertificateForm.h"
#include "results/certificate/CertificateFormFile.h"
#include "support/QtPrinters.h"
#include "testrun/ResultCategories.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Reading and checking the certificate form, and filling it with a result.

namespace {

FormReading read(const char* text)
{
    return readCertificateForm(QByteArray(text));
}

FormText placeholder(const char* name)
{
    return {{{QString::fromUtf8(name), true}}};
}

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
    const FormReading reading = read(formText);
    EXPECT_TRUE(reading.errors.isEmpty()) << reading.errors.value(0).text.toStdString();
    return fillCertificate(reading.form, {body, fields, name, QDate(2017, 7, 14)});
}

} // namespace

TEST(CertificateForm, ReadsEveryKeyword)
{
    const FormReading reading = read("\xEF\xBB\xBF# Kommentar\r\n"
                                     "Seite: Querformat\r\n"
                                     "Schule: Gymnasium {am} Berg\n"
                                     "schrift: DejaVu Serif\n"
                                     "Rahmen: doppelt #1f4e79\n"
                                     "\n"
                                     "Abstand: 12,5\n"
                                     "Text links 20 fett kursiv #aa0000: für {name} {{x}}\n"
                                     "Tabelle 11: {EINZEL_1_TEXT} | {EINZEL_1_WERT}\n"
                                     "Spalten: {DATUM} |\n"
                                     "Linien 9: Datum | Unterschrift der Lehrkraft\n"
                                     "Abstand: Rest\n");
    ASSERT_TRUE(reading.errors.isEmpty()) << reading.errors.first().text.toStdString();
    const PageSettings& page = reading.form.page;
    EXPECT_EQ(page.orientation, PageOrientation::Landscape);
    EXPECT_EQ(page.school, "Gymnasium {am} Berg"); // the school is a plain text, not a template
    EXPECT_EQ(page.fontFamily, "DejaVu Serif");
    EXPECT_EQ(page.border, BorderStyle::Double);
    EXPECT_EQ(page.borderColour, "#1f4e79");

    const QList<FormElement>& elements = reading.form.elements;
    ASSERT_EQ(elements.size(), 6);
    EXPECT_EQ(elements[0].kind, ElementKind::Space);
    EXPECT_DOUBLE_EQ(elements[0].spaceMillimetres, 12.5);
    EXPECT_EQ(elements[1].line, 8);
    EXPECT_EQ(elements[1].style, (TextStyle{20, true, true, "#aa0000", Alignment::Left}));
    EXPECT_EQ(elements[1].cells, QList<FormText>({{{{"für ", false}, {"NAME", true}, {" {x}", false}}}}));
    EXPECT_EQ(elements[2].kind, ElementKind::TableRow);
    EXPECT_EQ(elements[2].cells,
              QList<FormText>({placeholder("EINZEL_1_TEXT"), placeholder("EINZEL_1_WERT")}));
    EXPECT_EQ(elements[3].cells, QList<FormText>({placeholder("DATUM"), FormText{}}));
    EXPECT_EQ(elements[4].kind, ElementKind::SignatureLines);
    EXPECT_EQ(elements[5].kind, ElementKind::FlexibleSpace);
}

TEST(CertificateForm, NamesTheLineAndTheFault)
{
    const struct {
        const char* text;
        int line;
        const char* finding; // the start of the German message
    } cases[] = {
        {"Text: a\nTitel: b\n", 2, "Unbekanntes Schlüsselwort „Titel“"},
        {"Text: a\n\n Text mitte 12 {NAME}\n", 3, "Nach dem Schlüsselwort fehlt"},
        {"Seite: quer\nText: a\n", 1, "„Seite“ ist „Hochformat“ oder „Querformat“"},
        {"Seite: Hochformat\nText: a\nSeite: Querformat\n", 3, "„Seite“ steht schon in Zeile 1."},
        {"Text: für {NAHME}\n", 1, "Unbekannter Platzhalter {NAHME}."},
        {"Text: a\nText: {NAME\n", 2, "Zu „{“ fehlt das schließende „}“"},
        {"Tabelle: {EINZEL_1_TEXT} {EINZEL_1_WERT}\n", 1, "„Tabelle“ hat zwei Teile"},
        {"Spalten: a | b | c\n", 1, "„Spalten“ hat zwei Teile"},
        {"Text 200: a\n", 1, "Die Schriftgröße 200 liegt nicht zwischen 4 und 96"},
        {"Tabelle links: a | b\n", 1, "Unbekannte Angabe „links“."},
        {"Text: a\nAbstand: viel\n", 2, "„Abstand“ ist eine Zahl"},
        {"Abstand: -3\nText: a\n", 1, "„Abstand“ ist eine Zahl"},
        {"Text: a\nAbstand: nan\nText: b\n", 2, "„Abstand“ ist eine Zahl"},
        {"Text nan: a\n", 1, "Unbekannte Angabe „nan“."},
        {"Rahmen: doppelt blau\nText: a\n", 1, "„Rahmen“ ist „keiner“"},
        {"Text: a\nText: b\nText: Pr\xFC"
         "fung\n",
         3, "Die Zeile ist kein gültiger UTF-8"},
        {"# nur Kommentar\nSeite: Hochformat\nAbstand: Rest\n", 0, "Die Vorlage enthält nichts zum Drucken"}};
    for (const auto& c : cases) {
        const FormReading reading = read(c.text);
        ASSERT_EQ(reading.errors.size(), 1) << c.text;
        EXPECT_EQ(reading.errors.first().line, c.line) << c.text;
        EXPECT_TRUE(reading.errors.first().text.startsWith(QString::fromUtf8(c.finding)))
            << reading.errors.first().text.toStdString();
    }
}

// The file side: the form is found by a bare name in the data folder and every finding reaches the user
// and standard error with the file's path.
TEST(CertificateFormFile, RefusesWithAMessageAndADiagnostic)
{
    const struct {
        const char* fileField;
        const char* content; // nullptr: no file written
        const char* message;
        const char* diagnostic; // after the folder
    } cases[] = {{"form.zq-frm", nullptr, "lässt sich nicht lesen. Unter diesem Namen gibt es nichts.",
                  "DIR/form.zq-frm: error: cannot read the certificate form: cannot open: No such file"},
                 {"../form.zq-frm", "Text: a\n", "„../form.zq-frm“ ist kein Dateiname",
                  "certificate form \"../form.zq-frm\" is not a bare file name"},
                 {"", "Text: a\n", "„“ ist kein Dateiname", "certificate form \"\" is not"},
                 {"form.zq-frm", "Text: a\nText: {NAHME}\n", "Zeile 2: Unbekannter Platzhalter {NAHME}.",
                  "DIR/form.zq-frm:2: error: Unbekannter Platzhalter {NAHME}."},
                 // the message names six findings and counts the rest
                 {"form.zq-frm", "Text: {A}\nText: {B}\nText: {C}\nText: {D}\nText: {E}\nText: {F}\nText: {G}\n",
                  "Zeile 6: Unbekannter Platzhalter {F}.\n… und 1 weitere.", "DIR/form.zq-frm:1: error:"}};
    for (const auto& c : cases) {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("form.zq-frm")));
        ASSERT_TRUE(!c.content || (file.open(QIODevice::WriteOnly) && file.write(c.content) > 0));
        file.close();
        PrintFields fields;
        fields.SetField(QStringLiteral("FILE"), QString::fromUtf8(c.fileField));
        const FormFileReading reading = readFormFile(folder.path(), fields);
        EXPECT_FALSE(reading.form.has_value());
        EXPECT_TRUE(reading.message.contains(QString::fromUtf8(c.message))) << reading.message.toStdString();
        ASSERT_FALSE(reading.diagnostics.isEmpty());
        EXPECT_TRUE(reading.diagnostics.first().startsWith(
            QString::fromUtf8(c.diagnostic).replace(QStringLiteral("DIR"), folder.path())))
            << reading.diagnostics.first().toStdString();
    }
}

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
    for (const FormElement& element : reading.form->elements)
        for (const FormText& cell : element.cells)
            for (const FormText::Piece& piece : cell.pieces)
                if (piece.placeholder)
                    used << piece.text;
    // The form's own file name is nothing for the pupil.
    for (const PrintFields::Field& field : fields.fields())
        EXPECT_TRUE(field.key == QLatin1String("FILE") || used.contains(field.key)) << field.key.toStdString();
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
