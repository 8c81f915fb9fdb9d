// The element selection dialog: which button is pressed and which page shown on opening, what OK,
// a double click and Cancel return, and that every kind has its button with picture and name.
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "model/element_catalogue.h"
#include "model/element_selection_text.h"
#include "ui/element_selection_dialog.h"
#include "ui/qt_text.h"
#include "ui_test_support.h"

using velmora::model::ElementKind;
using velmora::ui::ElementSelectionDialog;
using velmora::ui::testing::builtTexts;
using velmora::ui::testing::Language;

Q_DECLARE_METATYPE(ElementKind)
Q_DECLARE_METATYPE(Language)

namespace {

QString kindText(std::optional<ElementKind> kind) {
    return kind ? QString("%1/%2").arg(kind->group).arg(kind->subgroup) : QString("none");
}

int checkedButtons(const ElementSelectionDialog& dialog) {
    int checked = 0;
    for (const ElementKind kind : velmora::model::allElementKinds())
        checked += dialog.button(kind)->isChecked();
    return checked;
}

// Runs chooseKind(start) while `act` works the open dialog, and returns what it chose. `act` must
// close the dialog and record what it sees rather than assert (an assertion would leave it open).
std::optional<ElementKind> chooseWhile(ElementSelectionDialog& dialog, ElementKind start,
                                       const std::function<void()>& act) {
    QTimer::singleShot(0, &dialog, act);
    // A dialog that fails to close would hang the test; this ends it as a failure instead.
    QTimer::singleShot(10000, &dialog, [&dialog] {
        QTest::qFail("the dialog did not close", __FILE__, __LINE__);
        dialog.done(-1);
    });
    return dialog.chooseKind(start);
}

}  // namespace

class ElementSelectionDialogTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<ElementSelectionDialog> dialog_;

  private Q_SLOTS:
    void init() { dialog_ = std::make_unique<ElementSelectionDialog>(builtTexts(), VELMORA_DATA_DIR); }
    void cleanup() { dialog_.reset(); }

    void openingPressesTheCurrentKindOnItsPage_data() {
        QTest::addColumn<ElementKind>("kind");
        QTest::addColumn<int>("page");
        QTest::newRow("first kind") << ElementKind{1, 1} << 0;
        QTest::newRow("a bend") << ElementKind{4, 2} << 0;
        QTest::newRow("ninth subgroup") << ElementKind{11, 9} << 0;
        QTest::newRow("last loss group") << ElementKind{12, 2} << 0;
        QTest::newRow("height difference") << ElementKind{13, 1} << 1;
        QTest::newRow("last kind") << ElementKind{13, 3} << 1;
    }
    void openingPressesTheCurrentKindOnItsPage() {
        QFETCH(ElementKind, kind);
        QFETCH(int, page);
        // Open on another kind first, so a left-over state cannot pass the test.
        dialog_->setCurrentKind(kind.group == 13 ? ElementKind{2, 1} : ElementKind{13, 2});
        dialog_->setCurrentKind(kind);
        QVERIFY(dialog_->button(kind)->isChecked());
        QCOMPARE(checkedButtons(*dialog_), 1);
        QCOMPARE(dialog_->pages()->currentIndex(), page);
        QVERIFY(dialog_->pages()->widget(page)->isAncestorOf(dialog_->button(kind)));
        QCOMPARE(kindText(dialog_->selectedKind()), kindText(kind));
    }

    void okTakesThePressedKind_data() {
        QTest::addColumn<ElementKind>("start");
        QTest::addColumn<ElementKind>("pressed");
        QTest::newRow("same page") << ElementKind{4, 2} << ElementKind{7, 4};
        QTest::newRow("to the reversible page") << ElementKind{4, 2} << ElementKind{13, 3};
        QTest::newRow("back to the losses") << ElementKind{13, 1} << ElementKind{11, 9};
        QTest::newRow("the current kind again") << ElementKind{9, 6} << ElementKind{9, 6};
    }
    void okTakesThePressedKind() {
        QFETCH(ElementKind, start);
        QFETCH(ElementKind, pressed);
        bool startPressed = false;
        int pressedAfterClick = 0;
        const auto chosen = chooseWhile(*dialog_, start, [&] {
            startPressed = dialog_->button(start)->isChecked();
            dialog_->pages()->setCurrentIndex(pressed.group == 13 ? 1 : 0);
            QTest::mouseClick(dialog_->button(pressed), Qt::LeftButton);
            pressedAfterClick = checkedButtons(*dialog_);
            dialog_->buttonBox()->button(QDialogButtonBox::Ok)->click();
        });
        QVERIFY(startPressed);
        QCOMPARE(pressedAfterClick, 1);
        QCOMPARE(kindText(chosen), kindText(pressed));
    }

    void doubleClickTakesThatKindAtOnce() {
        const ElementKind target{5, 6};
        const auto chosen = chooseWhile(*dialog_, {1, 1},
                                        [&] { QTest::mouseDClick(dialog_->button(target), Qt::LeftButton); });
        QCOMPARE(kindText(chosen), kindText(target));
        QVERIFY(!dialog_->isVisible());
    }

    void cancelChangesNothing() {
        const ElementKind start{3, 2};
        const auto chosen = chooseWhile(*dialog_, start, [&] {
            QTest::mouseClick(dialog_->button({10, 4}), Qt::LeftButton);
            dialog_->buttonBox()->button(QDialogButtonBox::Cancel)->click();
        });
        QCOMPARE(kindText(chosen), kindText(std::nullopt));
        // Opened again on the same kind, the press of the cancelled visit is gone.
        bool startPressed = false;
        bool cancelledPressed = true;
        const auto again = chooseWhile(*dialog_, start, [&] {
            startPressed = dialog_->button(start)->isChecked();
            cancelledPressed = dialog_->button({10, 4})->isChecked();
            dialog_->buttonBox()->button(QDialogButtonBox::Ok)->click();
        });
        QVERIFY(startPressed);
        QVERIFY(!cancelledPressed);
        QCOMPARE(kindText(again), kindText(start));
    }

    // Every kind has one button, under its group's page, named and with its picture.
    void everyKindHasItsButton() {
        const auto& texts = builtTexts();
        for (const ElementKind kind : velmora::model::allElementKinds()) {
            const QString where = kindText(kind);
            QToolButton* button = dialog_->button(kind);
            QVERIFY2(button, qPrintable(where));
            QCOMPARE(button->toolTip(), velmora::ui::qs(texts.subgroupName(kind.group, kind.subgroup)));
            QVERIFY2(!button->icon().isNull(), qPrintable("no picture for " + where));
            QVERIFY2(button->isCheckable(), qPrintable(where));
            QVERIFY2(dialog_->pages()->widget(kind.group == 13 ? 1 : 0)->isAncestorOf(button),
                     qPrintable(where));
        }
        QCOMPARE(dialog_->button({6, 4}), nullptr);
        QCOMPARE(dialog_->button({14, 1}), nullptr);
    }

    // The captions come from the caption block in each edition's language.
    void captionsComeFromTheCaptionFile_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("German") << Language::German << "Abbrechen";
        QTest::newRow("English") << Language::English << "Cancel";
        QTest::newRow("French") << Language::French << "Annuler";
        QTest::newRow("Dutch") << Language::Dutch << "Annuleren";
    }
    void captionsComeFromTheCaptionFile() {
        QFETCH(Language, language);
        QFETCH(QString, cancel);
        const auto& texts = builtTexts(language);
        const auto* block = texts.windowBlock(velmora::model::kElementSelectionBlock);
        QVERIFY(block);
        QCOMPARE(block->size(), static_cast<std::size_t>(velmora::model::ElementSelectionText::Count));
        for (const auto& text : *block) QVERIFY(!text.empty());
        using T = velmora::model::ElementSelectionText;
        auto caption = [&](T role) { return velmora::ui::qs((*block)[static_cast<std::size_t>(role)]); };
        ElementSelectionDialog dialog(texts, VELMORA_DATA_DIR);
        QCOMPARE(dialog.windowTitle(), caption(T::Title));
        QCOMPARE(dialog.pages()->tabText(0), caption(T::PageLosses));
        QCOMPARE(dialog.pages()->tabText(1), caption(T::PageChanges));
        QCOMPARE(dialog.buttonBox()->button(QDialogButtonBox::Cancel)->text(), cancel);
        QCOMPARE(dialog.buttonBox()->button(QDialogButtonBox::Ok)->text(), caption(T::Ok));
    }
};

QTEST_MAIN(ElementSelectionDialogTest)
#include "element_selection_dialog_test.moc"
