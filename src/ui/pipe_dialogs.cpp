#include "ui/pipe_dialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <memory>

#include "lang/dialog_messages.h"
#include "persist/data_file_error.h"
#include "ui/main_window.h"
#include "ui/media_dialog_widgets.h"
#include "ui/qt_text.h"

namespace velmora::ui {

namespace {
using F = pipedata::CircularPipeField;
int f(F field) { return static_cast<int>(field); }
}  // namespace

CircularPipeDialog::CircularPipeDialog(const lang::TextCatalogue& texts, std::filesystem::path dataFolder,
                                       QWidget* parent)
    : ModalDialog(parent),
      texts_(texts),
      presenter_(texts),
      dataFolder_(std::move(dataFolder)),
      binder_(presenter_.form(), this),
      messenger_(this, binder_) {
    pages_ = new QTabBar;
    pages_->setExpanding(false);
    for (const std::string& page : presenter_.form().choice(f(F::Page)).items()) pages_->addTab(qs(page));
    connect(pages_, &QTabBar::currentChanged, this, [this](int index) {
        if (index < 0 || index == presenter_.form().index(f(F::Page))) return;
        presenter_.choose(F::Page, index);
        refresh();
    });

    auto* choices = new QGridLayout;
    const auto row = [&](F label, F choice) {
        const int r = choices->rowCount();
        choices->addWidget(captionLabel(binder_, f(label)), r, 0);
        QComboBox* box = choiceBox(binder_, f(choice));
        box->setMinimumWidth(300);
        box->setMaxVisibleItems(20);
        choices->addWidget(box, r, 1);
    };
    row(F::MaterialLabel, F::Material);
    row(F::StandardLabel, F::Standard);
    row(F::SizeLabel, F::Size);
    row(F::ClassLabel, F::Class);
    auto* series = new QLabel;
    binder_.bindOutput(f(F::Series), series);
    choices->addWidget(series, choices->rowCount(), 1);
    choices->setColumnStretch(1, 1);

    auto* results = new QGroupBox;
    auto* grid = new QGridLayout(results);
    const auto result = [&](F label, F value, F second = F::Close) {
        const int r = grid->rowCount();
        grid->addWidget(captionLabel(binder_, f(label)), r, 0);
        grid->addWidget(outputLabel(binder_, f(value), 120), r, 1);
        if (second != F::Close) grid->addWidget(outputLabel(binder_, f(second), 120), r, 2);
    };
    result(F::OutsideLabel, F::Outside);
    result(F::WallLabel, F::Wall);
    result(F::InsideMmLabel, F::InsideMm, F::InsideIn);
    result(F::MassKgLabel, F::MassKg, F::MassLb);
    grid->setColumnStretch(3, 1);

    QPushButton* takeOver = pushButton(binder_, f(F::TakeOver), [this] {
        if (!router_) return;
        receipt_ = presenter_.takeOver(*router_);
        accept();
    });
    takeOver->setDefault(true);
    QPushButton* hint = pushButton(binder_, f(F::Hint), [this] { messenger_.show(presenter_.hintMessage()); });
    QPushButton* close = pushButton(binder_, f(F::Close), [this] { reject(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint);
    buttons->addStretch();
    buttons->addWidget(takeOver);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addLayout(choices);
    layout->addWidget(results);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(&binder_, &DialogBinder::chosen, this, [this](int field) {
        presenter_.chosen(static_cast<F>(field));
        refresh();
    });
}

void CircularPipeDialog::refresh() {
    setWindowTitle(qs(presenter_.title()));
    pages_->setCurrentIndex(presenter_.form().index(f(F::Page)));
    binder_.refresh();
}

pipedata::TakeOverReceipt CircularPipeDialog::run(const pipedata::TakeOverRouter& router) {
    router_ = &router;
    receipt_ = {};
    presenter_.show();
    if (!presenter_.loaded()) {
        try {
            const persist::DataFileSet files(dataFolder_);
            presenter_.load(pipedata::readCircularPipeFiles(files, texts_.edition().decimalComma()));
        } catch (const persist::DataFileError& e) {
            // The lists stay empty; the next showing tries again.
            messenger_.show(lang::dataFileError(texts_, std::filesystem::path(e.file()).filename().string(),
                                                lang::FileNameBreak::Blank));
        }
    }
    refresh();
    exec();
    router_ = nullptr;
    return receipt_;
}

namespace {
using R = pipedata::RectangularPipeField;
int r(R field) { return static_cast<int>(field); }
}  // namespace

RectangularPipeDialog::RectangularPipeDialog(const lang::TextCatalogue& texts, std::filesystem::path dataFolder,
                                             QWidget* parent)
    : ModalDialog(parent),
      texts_(texts),
      presenter_(texts),
      dataFolder_(std::move(dataFolder)),
      binder_(presenter_.form(), this),
      messenger_(this, binder_) {
    auto* choices = new QGridLayout;
    const auto row = [&](R label, R choice) {
        const int n = choices->rowCount();
        choices->addWidget(captionLabel(binder_, r(label)), n, 0);
        QComboBox* box = choiceBox(binder_, r(choice));
        box->setMinimumWidth(300);
        box->setMaxVisibleItems(20);
        choices->addWidget(box, n, 1);
    };
    row(R::StandardLabel, R::Standard);
    row(R::ShapeLabel, R::Shape);
    row(R::SizeLabel, R::Size);
    row(R::WallLabel, R::Wall);
    choices->setColumnStretch(1, 1);

    auto* results = new QGroupBox;
    auto* grid = new QGridLayout(results);
    const auto result = [&](R label, R first, R second) {
        const int n = grid->rowCount();
        grid->addWidget(captionLabel(binder_, r(label)), n, 0);
        grid->addWidget(outputLabel(binder_, r(first), 120), n, 1);
        grid->addWidget(outputLabel(binder_, r(second), 120), n, 2);
    };
    result(R::InsideWidthLabel, R::InsideWidthMm, R::InsideWidthIn);
    result(R::InsideHeightLabel, R::InsideHeightMm, R::InsideHeightIn);
    result(R::MassLabel, R::MassKg, R::MassLb);
    grid->setColumnStretch(3, 1);

    QPushButton* takeOver = pushButton(binder_, r(R::TakeOver), [this] {
        if (!router_) return;
        receipt_ = presenter_.takeOver(*router_);
        accept();
    });
    takeOver->setDefault(true);
    QPushButton* hint = pushButton(binder_, r(R::Hint), [this] { messenger_.show(presenter_.hintMessage()); });
    QPushButton* close = pushButton(binder_, r(R::Close), [this] { reject(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint);
    buttons->addStretch();
    buttons->addWidget(takeOver);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(results);
    layout->addStretch();
    layout->addLayout(buttons);
    connect(&binder_, &DialogBinder::chosen, this, [this](int field) {
        presenter_.chosen(static_cast<R>(field));
        refresh();
    });
}

void RectangularPipeDialog::refresh() {
    setWindowTitle(qs(presenter_.title()));
    binder_.refresh();
}

pipedata::TakeOverReceipt RectangularPipeDialog::run(const pipedata::TakeOverRouter& router) {
    router_ = &router;
    receipt_ = {};
    presenter_.show();
    if (!presenter_.loaded()) {
        try {
            presenter_.load(pipedata::readRectangularPipeFile(persist::DataFileSet(dataFolder_),
                                                              texts_.edition().decimalComma()));
        } catch (const persist::DataFileError& e) {
            messenger_.show(lang::dataFileError(texts_, std::filesystem::path(e.file()).filename().string(),
                                                lang::FileNameBreak::Blank));
        }
    }
    refresh();
    exec();
    router_ = nullptr;
    return receipt_;
}

namespace {
using K = pipedata::RoughnessField;
int k(K field) { return static_cast<int>(field); }
}  // namespace

RoughnessDialog::RoughnessDialog(const lang::TextCatalogue& texts, QWidget* parent)
    : ModalDialog(parent), presenter_(texts), binder_(presenter_.form(), this) {
    auto* list = new QListWidget;
    list->setMinimumSize(460, 360);
    binder_.bindChoice(k(K::List), list);
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { takeOver(); });
    auto* value = new QHBoxLayout;
    value->addWidget(captionLabel(binder_, k(K::ValueLabel)));
    value->addWidget(outputLabel(binder_, k(K::Value), 120));
    value->addStretch();
    QLabel* source = captionLabel(binder_, k(K::Source));
    source->setWordWrap(true);
    QPushButton* take = pushButton(binder_, k(K::TakeOver), [this] { takeOver(); });
    take->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(take);
    buttons->addWidget(pushButton(binder_, k(K::Close), [this] { reject(); }));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addLayout(value);
    layout->addWidget(source);
    layout->addLayout(buttons);
    connect(&binder_, &DialogBinder::chosen, this, [this](int field) {
        presenter_.chosen(static_cast<K>(field));
        binder_.refresh();
    });
}

void RoughnessDialog::takeOver() {
    if (!router_) return;
    receipt_ = presenter_.takeOver(*router_);
    accept();
}

pipedata::TakeOverReceipt RoughnessDialog::run(const pipedata::TakeOverRouter& router) {
    router_ = &router;
    receipt_ = {};
    presenter_.show();
    setWindowTitle(qs(presenter_.title()));
    binder_.refresh();
    exec();
    router_ = nullptr;
    return receipt_;
}

namespace {
using Z = pipedata::ZetaField;
int z(Z field) { return static_cast<int>(field); }
}  // namespace

ZetaDialog::ZetaDialog(const lang::TextCatalogue& texts, std::filesystem::path dataFolder, QWidget* parent)
    : ModalDialog(parent), presenter_(texts, std::move(dataFolder)), binder_(presenter_.form(), this),
      messenger_(this, binder_) {
    auto* grid = new QGridLayout;
    grid->addWidget(captionLabel(binder_, z(Z::MakerLabel)), 0, 0);
    QComboBox* makers = choiceBox(binder_, z(Z::Maker));
    makers->setMinimumWidth(220);
    grid->addWidget(makers, 0, 1);
    grid->addWidget(captionLabel(binder_, z(Z::FittingLabel)), 1, 0, Qt::AlignTop);
    auto* fittings = new QListWidget;
    fittings->setMinimumSize(420, 260);
    binder_.bindChoice(z(Z::Fitting), fittings);
    grid->addWidget(fittings, 1, 1, 1, 2);
    grid->addWidget(captionLabel(binder_, z(Z::SizeLabel)), 2, 0);
    grid->addWidget(choiceBox(binder_, z(Z::Size)), 2, 1, Qt::AlignLeft);
    grid->addWidget(captionLabel(binder_, z(Z::ZetaLabel)), 3, 0);
    grid->addWidget(outputLabel(binder_, z(Z::Zeta), 100), 3, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);

    const auto check = [&](Z field) {
        auto* box = new QCheckBox;
        binder_.bindChoice(z(field), box);
        binder_.bindCaption(z(field), box);
        return box;
    };
    auto* pump = new QGroupBox;
    binder_.bindCaption(z(Z::PumpRowsLabel), pump);
    auto* rows = new QHBoxLayout(pump);
    for (Z number : {Z::Number1, Z::Number2, Z::Number3}) rows->addWidget(check(number));
    rows->addStretch();

    QPushButton* take = pushButton(binder_, z(Z::TakeOver), [this] {
        if (!router_) return;
        receipt_ = presenter_.takeOver(*router_);
        accept();
    });
    take->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(take);
    buttons->addWidget(pushButton(binder_, z(Z::Close), [this] { reject(); }));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addWidget(check(Z::Designation));
    layout->addWidget(pump);
    layout->addLayout(buttons);
    connect(&binder_, &DialogBinder::chosen, this, [this](int field) {
        presenter_.chosen(static_cast<Z>(field), messenger_);
        binder_.refresh();
    });
}

pipedata::TakeOverReceipt ZetaDialog::run(const pipedata::TakeOverRouter& router) {
    router_ = &router;
    receipt_ = {};
    setWindowTitle(qs(presenter_.title()));
    presenter_.show(messenger_);
    binder_.refresh();
    exec();
    router_ = nullptr;
    return receipt_;
}

void installPipeDataDialogs(MainWindow& window) {
    auto circular = std::make_shared<CircularPipeDialog*>(nullptr);
    window.provideCommand(model::MyWindowText::DataPipesCircular, [&window, circular] {
        if (!*circular) *circular = new CircularPipeDialog(window.texts(), window.dataFolder(), &window);
        if ((*circular)->run(window.takeOverRouter()).mainForm) window.refreshForm();
    });
    auto rectangular = std::make_shared<RectangularPipeDialog*>(nullptr);
    window.provideCommand(model::MyWindowText::DataPipesRectangular, [&window, rectangular] {
        if (!*rectangular) *rectangular = new RectangularPipeDialog(window.texts(), window.dataFolder(), &window);
        if ((*rectangular)->run(window.takeOverRouter()).mainForm) window.refreshForm();
    });
    auto zeta = std::make_shared<ZetaDialog*>(nullptr);
    window.provideCommand(model::MyWindowText::DataZetaDatabase, [&window, zeta] {
        if (!*zeta) *zeta = new ZetaDialog(window.texts(), window.dataFolder(), &window);
        if ((*zeta)->run(window.takeOverRouter()).mainForm) window.refreshForm();
    });
    auto roughness = std::make_shared<RoughnessDialog*>(nullptr);
    window.provideRoughnessDatabase([&window, roughness] {
        if (!*roughness) *roughness = new RoughnessDialog(window.texts(), &window);
        if ((*roughness)->run(window.takeOverRouter()).mainForm) window.refreshForm();
    });
}

}  // namespace velmora::ui
