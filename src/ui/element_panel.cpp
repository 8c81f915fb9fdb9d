#include "ui/element_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPixmap>
#include <QVBoxLayout>
#include <algorithm>

#include "model/element_kind.h"
#include "ui/edition_locale.h"
#include "ui/qt_text.h"

namespace velmora::ui {

using model::MyWindowText;
using workflow::FormField;

ElementPanel::ElementPanel(workflow::MainForm& form, FormBinder& binder, std::filesystem::path dataFolder,
                           QWidget* parent)
    : QGroupBox(parent), form_(form), dataFolder_(std::move(dataFolder)) {
    const lang::TextCatalogue& texts = form.texts();
    setTitle(mainText(texts, MyWindowText::ElementPanelTitle));

    // The picture (a click opens the element selection) to the left of the element's name and its
    // entries, so that the panel stays low and the results below it keep the room on a laptop.
    auto* sides = new QHBoxLayout(this);
    picture_ = new QToolButton;
    picture_->setIconSize(QSize(240, 160));
    picture_->setAutoRaise(true);
    picture_->setToolTip(mainText(texts, MyWindowText::HintSelectElement));
    sides->addWidget(picture_, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout;
    sides->addLayout(layout, 1);
    auto* head = new QHBoxLayout;
    auto* nameColumn = new QVBoxLayout;
    elementName_ = new QLabel;
    elementName_->setWordWrap(true);
    elementName_->setMinimumWidth(220);
    QFont bold = elementName_->font();
    bold.setBold(true);
    elementName_->setFont(bold);
    nameColumn->addWidget(elementName_);
    head->addLayout(nameColumn, 1);
    information_ = new QToolButton;
    information_->setText("i");
    information_->setToolTip(mainText(texts, MyWindowText::HintElementInfo));
    head->addWidget(information_, 0, Qt::AlignTop);
    layout->addLayout(head);

    auto* grid = new QGridLayout;
    for (int n = 1; n <= 5; ++n) {
        SlotRow& row = slots_[static_cast<std::size_t>(n - 1)];
        row.label = new QLabel;
        row.entry = new QLineEdit;
        row.unit = new QComboBox;
        row.fixedUnit = new QLabel;
        binder.bindEntry(workflow::slotField(n), row.entry);
        binder.bindUnitBox(workflow::slotUnitField(n), row.unit);
        grid->addWidget(row.label, n - 1, 0);
        grid->addWidget(row.entry, n - 1, 1);
        grid->addWidget(row.unit, n - 1, 2);
        grid->addWidget(row.fixedUnit, n - 1, 2);
    }
    roughnessLabel_ = new QLabel(qs(form.caption(FormField::Roughness)));
    roughness_ = new QLineEdit;
    roughnessUnit_ = new QComboBox;
    binder.bindEntry(FormField::Roughness, roughness_);
    binder.bindUnitBox(FormField::RoughnessUnit, roughnessUnit_);
    auto* roughnessHint = new QToolButton;
    roughnessHint->setText("?");
    roughnessHint->setToolTip(mainText(texts, MyWindowText::HintRoughnessInfo));
    grid->addWidget(roughnessLabel_, 5, 0);
    grid->addWidget(roughness_, 5, 1);
    grid->addWidget(roughnessUnit_, 5, 2);
    grid->addWidget(roughnessHint, 5, 3);
    roughnessDatabase_ = new QToolButton;
    roughnessDatabase_->setText("...");
    roughnessDatabase_->setToolTip(mainText(texts, MyWindowText::HintRoughnessDatabase));
    roughnessDatabase_->setVisible(false);
    grid->addWidget(roughnessDatabase_, 5, 4);

    auto* count = new QLineEdit;
    count->setMaximumWidth(60);
    binder.bindEntry(FormField::ElementCount, count);
    grid->addWidget(new QLabel(qs(form.caption(FormField::ElementCount))), 6, 0);
    grid->addWidget(count, 6, 1, Qt::AlignLeft);

    auto* designation = new QLineEdit;
    binder.bindEntry(FormField::Designation, designation);
    grid->addWidget(new QLabel(qs(form.caption(FormField::Designation))), 7, 0);
    grid->addWidget(designation, 7, 1, 1, 3);

    branchFlowLabel_ = new QLabel(qs(form.caption(FormField::BranchFlow)));
    branchFlow_ = new QLineEdit;
    branchFlowUnit_ = new QLabel;
    binder.bindEntry(FormField::BranchFlow, branchFlow_);
    grid->addWidget(branchFlowLabel_, 8, 0);
    grid->addWidget(branchFlow_, 8, 1);
    grid->addWidget(branchFlowUnit_, 8, 2);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    // The label column and the choice as wide as the widest kind needs, so that choosing another
    // kind never widens the window (a form of its own is set up for each kind to measure them).
    workflow::MainForm probe(texts);
    int widestLabel = 0, widestChoice = 0;
    const QFontMetrics metrics(font());
    for (int group = 1; group <= 13; ++group)
        for (int subgroup = 1; model::isKnownKind({group, subgroup}); ++subgroup) {
            probe.setUpKind({group, subgroup});
            for (int n = 1; n <= 5; ++n)
                widestLabel = std::max(widestLabel, metrics.horizontalAdvance(qs(probe.slot(n).label)) + 12);
            if (probe.choiceVisible())
                widestChoice = std::max(widestChoice, metrics.horizontalAdvance(qs(probe.choiceOptions()[0])) +
                                                          metrics.horizontalAdvance(qs(probe.choiceOptions()[1])));
        }
    grid->setColumnMinimumWidth(0, widestLabel);

    choice_ = new QGroupBox;
    auto* choiceLayout = new QHBoxLayout(choice_);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        options_[static_cast<std::size_t>(i)] = new QRadioButton;
        group->addButton(options_[static_cast<std::size_t>(i)], i);
        choiceLayout->addWidget(options_[static_cast<std::size_t>(i)]);
    }
    choice_->setMinimumWidth(widestChoice + 6 * metrics.height());
    layout->addWidget(choice_);
    connect(group, &QButtonGroup::idClicked, this, [this](int id) { form_.selectVariant(id); });

    calculate_ = new QPushButton(mainText(texts, MyWindowText::ButtonCalculate));
    calculate_->setDefault(true);
    layout->addWidget(calculate_, 0, Qt::AlignRight);
    layout->addStretch();

    // As tall as the kind with the most rows needs (every row is still shown here): the main
    // window keeps one size for every kind, and the Calculate button never slides under the
    // results window placed below it when a kind with more entries is chosen.
    setMinimumHeight(sizeHint().height());

    connect(picture_, &QToolButton::clicked, this, &ElementPanel::chooseElementRequested);
    connect(information_, &QToolButton::clicked, this, &ElementPanel::informationRequested);
    connect(roughnessHint, &QToolButton::clicked, this, &ElementPanel::roughnessHintRequested);
    connect(roughnessDatabase_, &QToolButton::clicked, this, &ElementPanel::roughnessDatabaseRequested);
}

void ElementPanel::refresh() {
    const QPixmap picture(QString::fromStdString((dataFolder_ / form_.pictureFile()).string()));
    picture_->setIcon(QIcon(picture));
    picture_->setText(picture.isNull() ? qs(form_.pictureFile()) : QString());
    elementName_->setText(qs(form_.elementNameCaption()));
    information_->setEnabled(form_.informationEnabled());
    for (int n = 1; n <= 5; ++n) {
        const workflow::SlotView& view = form_.slot(n);
        SlotRow& row = slots_[static_cast<std::size_t>(n - 1)];
        row.label->setText(editionLabel(form_.texts().edition(), qs(view.label)));
        row.label->setVisible(view.visible);
        row.entry->setVisible(view.visible);
        row.unit->setVisible(view.visible && view.unitBoxVisible);
        row.fixedUnit->setText(qs(view.fixedUnit));
        row.fixedUnit->setVisible(view.visible && !view.unitBoxVisible && !view.fixedUnit.empty());
    }
    const bool rough = form_.roughnessEnabled();
    for (QWidget* w : {static_cast<QWidget*>(roughnessLabel_), static_cast<QWidget*>(roughness_),
                       static_cast<QWidget*>(roughnessUnit_), static_cast<QWidget*>(roughnessDatabase_)})
        w->setEnabled(rough);
    choice_->setVisible(form_.choiceVisible());
    choice_->setTitle(qs(form_.choiceTitle()));
    for (std::size_t i = 0; i < 2; ++i) {
        options_[i]->setText(qs(form_.choiceOptions()[i]));
        options_[i]->setChecked(form_.variantChoice() == static_cast<int>(i));
    }
    const bool branch = form_.branchFlowVisible();
    branchFlowLabel_->setVisible(branch);
    branchFlow_->setVisible(branch);
    branchFlowUnit_->setVisible(branch);
    branchFlowUnit_->setText(qs(form_.branchFlowUnit()));
}

}  // namespace velmora::ui
