// The system characteristic curve in the desktop program: the menu entry's refusals, the range
// dialog and the plot window as a user drives them, the pump curve, and the three picture exports
// read back (the SVG's polyline, the PDF's labels through pdftotext, the PNG's size).
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "model/messenger.h"
#include "tools/curve_plot_presenter.h"
#include "ui/curve_plot_view.h"
#include "ui/curve_plot_window.h"
#include "ui/curve_printing.h"
#include "ui/curve_range_dialog.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace velmora::ui {

using workflow::FormField;

class SystemCurveTest : public QObject {
    Q_OBJECT

  private:
    template <class Dialog>
    static Dialog* openDialog() {
        return qobject_cast<Dialog*>(QApplication::activeModalWidget());
    }
    static QPushButton* buttonCaptioned(QWidget* parent, const QString& caption) {
        for (QPushButton* b : parent->findChildren<QPushButton*>())
            if (b->text() == caption) return b;
        return nullptr;
    }
    static void typeInto(QLineEdit* entry, const QString& text) {
        entry->selectAll();
        QTest::keyClicks(entry, text);
    }
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A pipe of 50 mm × 100 m and a height difference of 5 m, water 5 m³/h.
    static void calculatePipeline(MainWindow& window) {
        window.form().setText(FormField::Flow, "5");
        window.form().setUpKind({1, 1});
        window.form().setText(FormField::Slot1, "50");
        window.form().setText(FormField::Slot2, "100");
        window.calculate();
        window.form().setUpKind({13, 1});
        window.form().setText(FormField::Slot1, "5");
        window.calculate();
        QCOMPARE(window.table().elementCount(), 2);
    }

    QTemporaryDir folder_;

  private Q_SLOTS:
    void refusedForAnEmptyTableAndForAGas() {
        model::RecordingMessenger messenger;
        MainWindow window(testing::builtTexts(), VELMORA_DATA_DIR,
                          MainWindow::Interaction{&messenger, nullptr});
        window.show();
        QAction* entry = window.command(model::MyWindowText::CalcSystemCurve);
        QVERIFY(entry->isVisible());
        entry->trigger();
        QCOMPARE(messenger.messages().size(), std::size_t{1});
        QCOMPARE(messenger.messages()[0].text,
                 testing::builtTexts().text(model::GlobalText::SystemCurveEmptyTable));
        calculatePipeline(window);
        window.form().setState(model::MediumState::Gas);
        messenger.clear();
        entry->trigger();
        QCOMPARE(messenger.messages().size(), std::size_t{1});
        QCOMPARE(messenger.messages()[0].text,
                 testing::builtTexts().text(model::GlobalText::SystemCurveLiquidsOnly));
    }

    void rangeDialogPlotWindowPumpAndPictures() {
        model::RecordingMessenger messenger;
        MainWindow window(testing::builtTexts(), VELMORA_DATA_DIR,
                          MainWindow::Interaction{&messenger, nullptr});
        window.show();
        calculatePipeline(window);
        messenger.clear();

        bool rangeSeen = false, plotSeen = false;
        QString statement;
        const QString svgPath = folder_.filePath("curve.svg");
        const QString pdfPath = folder_.filePath("curve.pdf");
        const QString pngPath = folder_.filePath("curve.png");
        // The plot window: a pump typed row by row, drawn, the three pictures saved, closed.
        const auto inPlotWindow = [&] {
            auto* plot = openDialog<CurvePlotWindow>();
            if (!plot) return;
            plotSeen = true;
            const auto entries = plot->findChildren<QLineEdit*>();
            const char* rows[][2] = {{"0", "12"}, {"5", "11"}, {"10", "8"}, {"15", "3"}};
            for (int r = 0; r < 4; ++r) {
                typeInto(entries[2 * r], rows[r][0]);
                typeInto(entries[2 * r + 1], rows[r][1]);
            }
            QTest::mouseClick(buttonCaptioned(plot, "&Draw pump curve"), Qt::LeftButton);
            // The operating point is stated below the diagram, as the view paints it.
            for (const tools::PlotItem& item : plot->view()->currentLayout().items)
                if (const auto* text = std::get_if<tools::TextItem>(&item);
                    text && text->text.starts_with("Operating point"))
                    statement = QString::fromStdString(text->text);
            plot->saveDiagram(svgPath, 900, 600);
            plot->saveDiagram(pdfPath, 900, 600);
            plot->saveDiagram(pngPath, 640, 480);
            QTest::mouseClick(buttonCaptioned(plot, "&OK"), Qt::LeftButton);
        };
        // The range dialog: 0 … 15 m³/h in 16 points, then Calculate.
        QTimer::singleShot(0, this, [&] {
            auto* range = openDialog<CurveRangeDialog>();
            if (!range) return;
            rangeSeen = true;
            const auto entries = range->findChildren<QLineEdit*>();
            typeInto(entries[0], "0");
            typeInto(entries[1], "15");
            typeInto(entries[2], "16");
            QTimer::singleShot(0, this, inPlotWindow);
            QTest::mouseClick(buttonCaptioned(range, "&Calculate"), Qt::LeftButton);
        });
        window.command(model::MyWindowText::CalcSystemCurve)->trigger();
        QVERIFY(rangeSeen);
        QVERIFY(plotSeen);
        QVERIFY2(messenger.messages().empty(),
                 messenger.messages().empty() ? "" : messenger.messages()[0].text.c_str());
        QVERIFY2(
            statement.contains(QRegularExpression(
                R"(^Operating point: Volume flow [0-9.]+ m³/h, Pressure difference [0-9.]+ bar, Head [0-9.]+ m$)")),
            qPrintable(statement));

        // SVG (Qt SVG): the red curve through the 16 points of the run.
        const QString svg = QString::fromUtf8(contents(svgPath));
        QVERIFY(svg.contains("<svg"));
        // Qt SVG writes the pen on a group around each polyline.
        static const QRegularExpression redPolyline(
            "stroke=\"#dc0000\"[^>]*>\\s*<polyline[^>]*points=\"([^\"]+)\"");
        int longest = 0;
        for (auto it = redPolyline.globalMatch(svg); it.hasNext();)
            longest = std::max(longest,
                               static_cast<int>(it.next().captured(1).split(' ', Qt::SkipEmptyParts).size()));
        QVERIFY2(longest == 16, qPrintable(QString::number(longest)));

        // PDF: vector, its labels as text.
        QVERIFY(contents(pdfPath).startsWith("%PDF"));
        QProcess pdftotext;
        pdftotext.start("pdftotext", {pdfPath, "-"});
        if (pdftotext.waitForFinished(20000) && pdftotext.exitCode() == 0) {
            const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
            for (const char* label :
                 {"Volume flow (m³/h)", "Pressure loss bar", "Pump curve", "Operating point", "Water"})
                QVERIFY2(text.contains(QString::fromUtf8(label)),
                         qPrintable(QString::fromUtf8(label) + " in: " + text));
        } else {
            QWARN("pdftotext is not installed: the PDF's text is not read back");
        }

        // PNG: the size asked for.
        const QImage image(pngPath);
        QCOMPARE(image.size(), QSize(640, 480));

        // The entries persist: the dialog shows them again at its next opening.
        QTimer::singleShot(0, this, [&] {
            auto* range = openDialog<CurveRangeDialog>();
            if (!range) return;
            QCOMPARE(range->findChildren<QLineEdit*>()[1]->text(), QString("15"));
            range->reject();
        });
        window.command(model::MyWindowText::CalcSystemCurve)->trigger();
    }

    void printFontIsTheTablesWithArialForTheOldDefault() {
        QCOMPARE(printFontFamily(QFont("MS Sans Serif")), QString("Arial"));
        QCOMPARE(printFontFamily(QFont("Courier New")), QString("Courier New"));
    }
};

}  // namespace velmora::ui

QTEST_MAIN(velmora::ui::SystemCurveTest)
#include "system_curve_test.moc"
