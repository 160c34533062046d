#include "SmallDisk.h"
#include "components/PrintFields.h"
#include "desktop/DesktopTests.h"
#include "desktop/print/CertificateOutput.h"
#include "results/certificate/CertificateFormFile.h"
#include "support/TestFiles.h"
#include "testrun/ResultCategories.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

// The shipped certificate as a pupil gets it: written to a PDF without any dialog and read back as text.

namespace {

const QString ResultLines = QStringLiteral(" Von  52 Aufgaben wurden  47 richtig gelöst!\r\n"
                                           " Das entspricht der Note: sehr gut minus\r\n"
                                           " Bearbeitung am: 14.07.2017 von:09:12:03 bis:09:40:55 Uhr.");
const QString TitleLines = QStringLiteral("\r\n Das Ergebnis berechtigt, fortan den Titel zu führen:\r\n"
                                          "Getesteter Kolbrix ");
QString categoryLabel(int n)
{
    return QString::fromUtf8(ResultCategories[n - 1].windowLabel);
}

QString categoryValue(int n)
{
    return QStringLiteral("%1 von  %2").arg(n % 6).arg(n == 7 ? 10 : 6);
}

} // namespace

class CertificateTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (m_pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    // The shipped form with the title lines (when they show is the filling's logic); saved twice, and over an
    // existing file, the page stays the same.
    void showsTheResult()
    {
        const QString path = m_dir.filePath(QStringLiteral("zeugnis.pdf"));
        const QString again = m_dir.filePath(QStringLiteral("nochmal.pdf"));
        const CertificatePage page = shippedCertificate(ResultLines + TitleLines);
        QCOMPARE(saveCertificatePdf(shippedCertificate(ResultLines), path), QString());
        QCOMPARE(saveCertificatePdf(page, path), QString());
        QCOMPARE(saveCertificatePdf(page, again), QString());
        const QString text = pdfText(path);
        QCOMPARE(pdfText(again), text);
        for (const char* expected :
             {"Chemie-Prüfungszeugnis", "Jörg Müßig", "Von 52 Aufgaben wurden 47 richtig gelöst!",
              "Das entspricht der Note: sehr gut minus", "14.07.2017", "Unterschrift der Lehrkraft",
              "fortan den Titel zu führen:", "Getesteter Kolbrix"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        // Each category with its value on one row of the table.
        for (int n = 1; n <= ResultCategoryCount; ++n) {
            const QRegularExpression row(QRegularExpression::escape(categoryLabel(n)) +
                                         QStringLiteral("\\s+") +
                                         QRegularExpression::escape(categoryValue(n).simplified()));
            QVERIFY2(row.match(text).hasMatch(), qPrintable(categoryLabel(n)));
        }
        QCOMPARE(text.count(QStringLiteral("\f")), 1); // one page
    }

    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("cause");
        QTest::newRow("a folder that is not there")
            << "fehlt"
            << "Der Ordner lässt sich nicht öffnen. Unter diesem Namen gibt es nichts.";
        QTest::newRow("a full disk") << "voll"
                                     << "Kein Speicherplatz mehr auf dem Datenträger.";
    }

    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, folder);
        QFETCH(QString, cause);
        const QString path = m_dir.filePath(folder + QStringLiteral("/zeugnis.pdf"));
        std::optional<SmallDisk> disk;
        QByteArray old = readWhole(path);
        if (folder == QLatin1String("voll")) {
            disk.emplace(m_dir.filePath(folder));
            if (!disk->whyNot().isEmpty())
                QSKIP(qPrintable(disk->whyNot()));
            QCOMPARE(saveCertificatePdf(shippedCertificate(ResultLines), path), QString());
            old = readWhole(path);
            QVERIFY(old.startsWith("%PDF"));
            QVERIFY(disk->fill());
        }
        const QString message = saveCertificatePdf(shippedCertificate(ResultLines + TitleLines), path);
        QVERIFY2(
            message.startsWith(QStringLiteral("Das Zeugnis konnte nicht als „%1“ gespeichert werden. %2\n")
                                   .arg(path, cause)),
            qPrintable(message));
        QCOMPARE(readWhole(path), old);
    }

private:
    CertificatePage shippedCertificate(const QString& body) const
    {
        PrintFields fields;
        for (int n = 1; n <= ResultCategoryCount; ++n) {
            fields.SetField(QStringLiteral("EINZEL_%1_TEXT").arg(n), categoryLabel(n));
            fields.SetField(QStringLiteral("EINZEL_%1_WERT").arg(n), categoryValue(n));
        }
        fields.SetField(QStringLiteral("FILE"), QStringLiteral("urkunde-koltest.zq-frm"));
        fields.SetField(QStringLiteral("TITLE"), QStringLiteral("Chemie-Prüfungszeugnis"));
        const FormFileReading reading = readFormFile(QStringLiteral(KOLTEST_SHIPPED_DATA), fields);
        if (!reading.form)
            qFatal("%s", qPrintable(reading.message));
        return fillCertificate(*reading.form,
                               {body, fields, QStringLiteral("Jörg Müßig"), QDate(2017, 7, 14)});
    }

    QString pdfText(const QString& path) const
    {
        QProcess process;
        process.start(m_pdftotext, {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                    QStringLiteral("UTF-8"), path, QStringLiteral("-")});
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return QStringLiteral("pdftotext failed: ") +
                   QString::fromLocal8Bit(process.readAllStandardError());
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir m_dir;
    QString m_pdftotext;
};

KOLTEST_DESKTOP_TEST(CertificateTest)

#include "CertificateTest.moc"
