// The binding of a dialog's widgets to its presenter's form, offscreen.
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "ui/dialog_binder.h"
#include "ui/modal_dialog.h"

namespace velmora::ui {

enum Field { Temperature, TemperatureUnit, Liquid, Mode, Density, DensityCaption, TakeOver };

class DialogBinderTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void typingAndChoosingReachTheFormAndAreSignalled() {
        model::DialogForm form;
        form.choice(TemperatureUnit).refill({"°C", "K", "degF", "°R"});
        QLineEdit entry;
        QComboBox unit;
        DialogBinder binder(form);
        binder.bindEntry(Temperature, &entry);
        binder.bindChoice(TemperatureUnit, &unit);
        binder.refresh();
        QCOMPARE(unit.count(), 4);

        QSignalSpy edited(&binder, &DialogBinder::edited);
        QSignalSpy chosen(&binder, &DialogBinder::chosen);
        QTest::keyClicks(&entry, "20,5");
        QCOMPARE(form.text(Temperature), std::string("20,5"));
        QCOMPARE(edited.count(), 4);
        QCOMPARE(edited.last().at(0).toInt(), int(Temperature));

        unit.setFocus();
        QTest::keyClick(&unit, Qt::Key_Down);
        QCOMPARE(form.index(TemperatureUnit), 1);
        QCOMPARE(chosen.count(), 1);
    }

    void refreshShowsTheFormWithoutSignallingAnEdit() {
        model::DialogForm form;
        QLineEdit entry;
        QListWidget list;
        QLabel density;
        QLabel caption;
        QPushButton takeOver;
        QButtonGroup mode;
        auto* first = new QRadioButton(&takeOver);
        auto* second = new QRadioButton(&takeOver);
        mode.addButton(first, 0);
        mode.addButton(second, 1);
        DialogBinder binder(form);
        binder.bindEntry(Temperature, &entry);
        binder.bindChoice(Liquid, &list);
        binder.bindChoice(Mode, &mode);
        binder.bindOutput(Density, &density);
        binder.bindCaption(DensityCaption, &caption);
        binder.bindFlags(TakeOver, &takeOver);
        QSignalSpy edited(&binder, &DialogBinder::edited);
        QSignalSpy chosen(&binder, &DialogBinder::chosen);

        form.setText(Temperature, "40");
        form.choice(Liquid).refill({"Acetone", "Ethanol", "Glycerol"});
        form.choice(Liquid).select(2);
        form.choice(Mode).refill({"measured", "interpolated"});
        form.choice(Mode).select(1);
        form.setOutput(Density, "1261");
        form.setCaption(DensityCaption, "Density in kg/m³:");
        form.setEnabled(TakeOver, false);
        binder.refresh();

        QCOMPARE(entry.text(), QString("40"));
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.currentRow(), 2);
        QVERIFY(second->isChecked());
        QCOMPARE(second->text(), QString("interpolated"));
        QCOMPARE(density.text(), QString("1261"));
        QCOMPARE(caption.text(), QString("Density in kg/m³:"));
        QVERIFY(!takeOver.isEnabled());
        QCOMPARE(edited.count(), 0);
        QCOMPARE(chosen.count(), 0);
    }

    void aMessageNamingAnEntryGivesItTheFocus() {
        model::DialogForm form;
        ModalDialog dialog(nullptr);
        auto* entry = new QLineEdit(&dialog);
        auto* other = new QLineEdit(&dialog);
        DialogBinder binder(form);
        binder.bindEntry(Temperature, entry);
        binder.bindEntry(Density, other);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        other->setFocus();
        binder.focus(Temperature);
        QCOMPARE(QApplication::focusWidget(), entry);
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
    }
};

}  // namespace velmora::ui

QTEST_MAIN(velmora::ui::DialogBinderTest)
#include "dialog_binder_test.moc"
