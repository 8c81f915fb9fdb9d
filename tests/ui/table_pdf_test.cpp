// The results table printed to PDF files through the same code as the print and PDF commands.
#include <QFile>
#include <QLineEdit>
#include <QPageLayout>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/page_setup_dialog.h"
#include "ui/table_print_job.h"
#include "ui/table_printing.h"
#include "ui_test_support.h"

namespace velmora::ui {

class TablePdfTest : public QObject {
    Q_OBJECT

  private:
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Page objects of the file: "/Type /Page", not the "/Type /Pages" tree.
    static int pagesIn(const QByteArray& pdf) {
        static const QRegularExpression page(R"(/Type\s*/Page(?![s\w]))");
        int count = 0;
        for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next()) ++count;
        return count;
    }

    QTemporaryDir folder_;

  private Q_SLOTS:
    void aSmallTableIsOneLandscapePage() {
        const workflow::ResultsTable table = testing::pipeTable(3);
        workflow::PageSettings settings;
        const QString path = folder_.filePath("small.pdf");
        int pages = 0;
        QVERIFY(writeTablePdf(path, table, settings, "/plant/cooling.vla", &pages));
        const QByteArray pdf = contents(path);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pages, 1);
        QCOMPARE(pagesIn(pdf), 1);
        // Landscape: the media box is wider than high.
        static const QRegularExpression box(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+))");
        const QRegularExpressionMatch match = box.match(QString::fromLatin1(pdf));
        QVERIFY(match.hasMatch());
        QVERIFY(match.captured(1).toDouble() > match.captured(2).toDouble());
    }

    void aWideTableHasAsManyPagesAsTheLayout() {
        const workflow::ResultsTable table = testing::pipeTable(20);
        workflow::PageSettings settings;
        settings.fontSize = 12;
        const QString path = folder_.filePath("wide.pdf");
        int pages = 0;
        QVERIFY(writeTablePdf(path, table, settings, "/plant/cooling.vla", &pages));
        QVERIFY(pages > 1);
        QCOMPARE(pagesIn(contents(path)), pages);
    }

    void fitToOnePageWideMakesOnePage() {
        const workflow::ResultsTable table = testing::pipeTable(12);
        workflow::PageSettings settings;
        settings.scaling = workflow::PrintScaling::FitToPages;
        settings.pagesWide = 1;
        const QString path = folder_.filePath("fit.pdf");
        int pages = 0;
        QVERIFY(writeTablePdf(path, table, settings, "", &pages));
        QCOMPARE(pages, 1);
        QVERIFY(settings.fontSize < 8);  // the fitted size is kept in the settings
        QCOMPARE(pagesIn(contents(path)), 1);
    }

    void aFileThatCannotBeWrittenIsReported() {
        const workflow::ResultsTable table = testing::pipeTable(1);
        workflow::PageSettings settings;
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!writeTablePdf(folder_.filePath("no such folder/table.pdf"), table, settings, ""));
    }

    void theDialogWritesThePdfWithItsEntries() {
        const workflow::ResultsTable table = testing::pipeTable(2);
        workflow::PageSettings settings;
        PageSetupDialog dialog(table, settings, "/plant/cooling.vla", "Cooling");
        dialog.findChild<QLineEdit*>("extraHeader")->setText("Cooling water, building 4");
        const QString path = folder_.filePath("dialog.pdf");
        QVERIFY(dialog.saveAsPdfTo(path));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(settings.extraHeader, std::string("Cooling water, building 4"));
        QVERIFY(contents(path).startsWith("%PDF"));
        QCOMPARE(pagesIn(contents(path)), dialog.pageCount());
    }

    void theShortDisplayPrintsInPortrait() {
        const workflow::ResultsTable table = testing::pipeTable(80);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        prepareShortDisplayPrinter(printer, table.texts(), "/plant/cooling.vla");
        const QString path = folder_.filePath("short.pdf");
        printer.setOutputFileName(path);
        QVERIFY(printShortDisplayOn(printer, table, "/plant/cooling.vla"));
        // 80 lines of 5 mm do not fit on one A4 page; the job carries the print title.
        QCOMPARE(pagesIn(contents(path)), 2);
        QCOMPARE(printer.docName(),
                 QString::fromStdString(table.texts().text(model::GlobalText::PrintJobTitle)) +
                     " /plant/cooling.vla");
    }
};

}  // namespace velmora::ui

QTEST_MAIN(velmora::ui::TablePdfTest)
#include "table_pdf_test.moc"
