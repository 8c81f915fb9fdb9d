// The engineering tools as a user opens them from the Calculate menu: each dialog opens with its
// captions, computes from typed entries, and the converters write into the main form. With
// VELMORA_SHOTS set to a folder, every dialog is also saved there as a picture.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPrinter>
#include <QtTest>

#include "desktop_fixture.h"
#include "tools/channel_presenters.h"
#include "tools/converter_presenters.h"
#include "tools/nominal_diameter_presenter.h"
#include "tools/orifice_presenter.h"
#include "tools/outflow_presenters.h"
#include "tools/pipe_content.h"
#include "ui/tool_dialog.h"

namespace velmora::ui {

using model::MyWindowText;
using testing::Desktop;
using workflow::FormField;
using testing::Language;

namespace {

void typeInto(ToolDialog& dialog, int field, const QString& text) {
    auto* entry = qobject_cast<QLineEdit*>(dialog.binder().widget(field));
    QVERIFY2(entry, "the field has an entry");
    entry->selectAll();
    entry->del();
    QTest::keyClicks(entry, text);
}

void press(ToolDialog& dialog, int field) {
    auto* button = qobject_cast<QAbstractButton*>(dialog.binder().widget(field));
    QVERIFY2(button, "the field has a button");
    button->click();
}

void choose(ToolDialog& dialog, int field, int id) {
    for (auto* group : dialog.findChildren<QButtonGroup*>())
        if (QAbstractButton* button = group->button(id); button && dialog.binder().widget(field) == group->buttons().first()) {
            button->click();
            return;
        }
    QFAIL("no such radio group");
}

QString outputOf(ToolDialog& dialog, int field) {
    if (auto* line = qobject_cast<QLineEdit*>(dialog.binder().widget(field))) return line->text();
    if (auto* label = qobject_cast<QLabel*>(dialog.binder().widget(field))) return label->text();
    return {};
}

// Saves the dialog as it is shown, when pictures are asked for.
void shoot(QWidget& dialog, const QString& name, Language language) {
    const QByteArray folder = qgetenv("VELMORA_SHOTS");
    if (folder.isEmpty()) return;
    dialog.adjustSize();
    QApplication::processEvents();
    dialog.grab().save(QString::fromUtf8(folder) + "/" + name + (language == Language::German ? "_D" : "_E") + ".png");
}

struct ToolCase {
    const char* shot;
    MyWindowText command;
    std::function<void(ToolDialog&)> work;  // types, computes and checks
};

}  // namespace

class ToolDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyToolOpensAndComputes_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << int(Language::English);
        QTest::newRow("German") << int(Language::German);
    }

    void everyToolOpensAndComputes() {
        QFETCH(int, language);
        const auto lang = static_cast<Language>(language);
        const bool german = lang == Language::German;
        Desktop desktop(lang);
        desktop.calculatePipe("line", "100", "10");
        using Calc = tools::ChannelCalcPresenter;
        using Design = tools::ChannelDesignPresenter;
        using Konst = tools::OutflowConstantPresenter;
        using Falling = tools::OutflowFallingPresenter;
        using Orifice = tools::OrificePresenter;
        using Content = tools::PipeContentPresenter;
        const std::vector<ToolCase> cases = {
            {"nominal_liquid", MyWindowText::CalcNominalDiameterLiquid,
             [&](ToolDialog& d) {
                 typeInto(d, tools::NominalDiameterPresenter::Flow, "10");
                 press(d, tools::NominalDiameterPresenter::Calculate);
                 auto* listing = d.findChild<QPlainTextEdit*>();
                 QVERIFY(listing && listing->toPlainText().contains("DN 40"));
             }},
            {"nominal_gas", MyWindowText::CalcNominalDiameterGas,
             [&](ToolDialog& d) {
                 typeInto(d, tools::NominalDiameterPresenter::Flow, "500");
                 press(d, tools::NominalDiameterPresenter::Calculate);
             }},
            {"channel", MyWindowText::CalcChannelExisting,
             [&](ToolDialog& d) {
                 choose(d, Calc::SlopeChoice, 2);
                 typeInto(d, Calc::Z1, "0.1");
                 typeInto(d, Calc::Dim1, "2");
                 typeInto(d, Calc::Dim2, "1");
                 typeInto(d, Calc::Strickler, "60");
                 press(d, Calc::Calculate);
                 QCOMPARE(outputOf(d, Calc::Velocity), german ? QString("1,195") : QString("1.195"));
             }},
            {"channel_design", MyWindowText::CalcChannelDesign,
             [&](ToolDialog& d) {
                 choose(d, Design::Shape, 1);
                 typeInto(d, Design::Flow, "1");
                 typeInto(d, Design::Z1, "10");
                 typeInto(d, Design::Z2, "9");
                 typeInto(d, Design::SlopeLength, "1000");
                 typeInto(d, Design::Strickler, "60");
                 press(d, Design::Calculate);
                 QCOMPARE(outputOf(d, Design::Result2), german ? QString("0,761") : QString("0.761"));
             }},
            {"outflow_constant", MyWindowText::CalcOutflowConstant,
             [&](ToolDialog& d) {
                 choose(d, Konst::Pressure, 1);
                 typeInto(d, Konst::Entry1, "0.01");
                 typeInto(d, Konst::Entry2, "2");
                 typeInto(d, Konst::Entry3, "1");
                 typeInto(d, Konst::Density, "1000");
                 typeInto(d, Konst::Mu, "0.6");
                 press(d, Konst::Calculate);
                 QCOMPARE(outputOf(d, Konst::Flow), german ? QString("0,093") : QString("0.093"));
             }},
            {"outflow_falling", MyWindowText::CalcOutflowFalling,
             [&](ToolDialog& d) {
                 typeInto(d, Falling::VesselDiameter, "1");
                 typeInto(d, Falling::OpeningDiameter, "50");
                 typeInto(d, Falling::Height, "2");
                 typeInto(d, Falling::Mu, "0.6");
                 press(d, Falling::Calculate);
                 QVERIFY(outputOf(d, Falling::Time).startsWith("426 s"));
             }},
            {"orifice", MyWindowText::CalcOrificeDesign,
             [&](ToolDialog& d) {
                 typeInto(d, Orifice::Flow, "30");
                 typeInto(d, Orifice::PipeDiameter, "50");
                 typeInto(d, Orifice::PressureLoss, "0.5");
                 press(d, Orifice::Calculate);
                 QVERIFY(outputOf(d, Orifice::Result).endsWith(" mm"));
             }},
            {"kv", MyWindowText::CalcKvToZeta,
             [&](ToolDialog& d) {
                 QCOMPARE(qobject_cast<QLineEdit*>(d.binder().widget(tools::Second))->text(), QString("100"));
                 typeInto(d, tools::First, "10");
                 press(d, tools::Calculate);
             }},
            {"cv", MyWindowText::CalcCvToZeta,
             [&](ToolDialog& d) {
                 typeInto(d, tools::First, "10");
                 press(d, tools::Calculate);
             }},
            {"head", MyWindowText::CalcHead, [&](ToolDialog& d) { QVERIFY(!outputOf(d, tools::Result).isEmpty()); }},
            {"velocity_to_flow", MyWindowText::CalcVelocityToFlow,
             [&](ToolDialog& d) { QVERIFY(outputOf(d, tools::Result).endsWith("m³/h")); }},
            {"flow_to_velocity", MyWindowText::CalcFlowToVelocity,
             [&](ToolDialog& d) { QVERIFY(outputOf(d, tools::Result).endsWith("m/s")); }},
            {"content", MyWindowText::CalcPipeContent,
             [&](ToolDialog& d) {
                 QCOMPARE(outputOf(d, Content::Content), german ? QString("78,54 l") : QString("78.54 l"));
             }},
        };
        for (const ToolCase& c : cases) {
            QAction* action = desktop.window->command(c.command);
            QVERIFY2(action && action->isVisible(), c.shot);
            Desktop::runWithDialog<ToolDialog>(action, [&](ToolDialog& dialog) {
                QVERIFY(!dialog.windowTitle().isEmpty());
                c.work(dialog);
                shoot(dialog, c.shot, lang);
            });
            QVERIFY2(desktop.messenger.messages().empty(), c.shot);
        }
    }

    void coefficientTablesFillTheOutflowDialog() {
        Desktop desktop;
        using Konst = tools::OutflowConstantPresenter;
        QString taken;
        Desktop::runWithDialog<ToolDialog>(desktop.window->command(MyWindowText::CalcOutflowConstant),
                                           [&](ToolDialog& outflow) {
            QTimer::singleShot(0, [&] {
                auto* table = qobject_cast<ToolDialog*>(QApplication::activeModalWidget());
                QVERIFY(table && table != &outflow);
                choose(*table, tools::SmallCoefficientPresenter::Form, 2);
                typeInto(*table, tools::SmallCoefficientPresenter::Entry1, "45");
                press(*table, tools::SmallCoefficientPresenter::Compute);
                shoot(*table, "coefficients_small", Language::English);
                press(*table, tools::SmallCoefficientPresenter::TakeOver);
            });
            press(outflow, Konst::Database);
            taken = qobject_cast<QLineEdit*>(outflow.binder().widget(Konst::Mu))->text();
        });
        QCOMPARE(taken, QString("0.88"));
    }

    void convertersWriteIntoTheMainForm() {
        Desktop desktop;
        desktop.calculatePipe("line", "100", "10");
        Desktop::runWithDialog<ToolDialog>(desktop.window->command(MyWindowText::CalcKvToZeta), [&](ToolDialog& d) {
            typeInto(d, tools::First, "10");
            press(d, tools::Calculate);
            press(d, tools::TakeOver);
        });
        QCOMPARE(desktop.window->form().kind(), (model::ElementKind{12, 1}));
        QCOMPARE(desktop.window->form().text(FormField::Slot2), std::string("1600.000"));  // 0.0016 · 100⁴ / 100
        Desktop::runWithDialog<ToolDialog>(desktop.window->command(MyWindowText::CalcVelocityToFlow),
                                           [&](ToolDialog& d) {
                                               typeInto(d, tools::First, "1");
                                               press(d, tools::Calculate);
                                               press(d, tools::TakeOver);
                                           });
        QCOMPARE(desktop.window->form().text(FormField::Flow), std::string("28.27"));
        auto* flow = qobject_cast<QLineEdit*>(desktop.window->fieldWidget(FormField::Flow));
        QCOMPARE(flow->text(), QString("28.27"));
    }

    void printscreenPrintsTheDialog() {
        Desktop desktop;
        const QString pdf = QDir::temp().filePath("velmora_printscreen.pdf");
        Desktop::runWithDialog<ToolDialog>(desktop.window->command(MyWindowText::CalcOutflowFalling),
                                           [&](ToolDialog& d) {
                                               QPrinter printer(QPrinter::HighResolution);
                                               printer.setOutputFormat(QPrinter::PdfFormat);
                                               printer.setOutputFileName(pdf);
                                               d.printImage(printer);
                                           });
        QVERIFY(QFileInfo(pdf).size() > 10000);  // the image is on the page
        if (qEnvironmentVariableIsEmpty("VELMORA_SHOTS")) QFile::remove(pdf);
    }

    void contentNeedsATable() {
        Desktop desktop;
        QAction* content = desktop.command(MyWindowText::CalcPipeContent);
        QVERIFY(content);
        QVERIFY(!content->isEnabled());
    }
};

}  // namespace velmora::ui

QTEST_MAIN(velmora::ui::ToolDialogsTest)
#include "tool_dialogs_test.moc"
