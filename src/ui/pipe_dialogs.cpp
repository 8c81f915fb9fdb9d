#include "ui/pipe_dialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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

void installPipeDataDialogs(MainWindow& window) {
    auto circular = std::make_shared<CircularPipeDialog*>(nullptr);
    window.provideCommand(model::MyWindowText::DataPipesCircular, [&window, circular] {
        if (!*circular) *circular = new CircularPipeDialog(window.texts(), window.dataFolder(), &window);
        if ((*circular)->run(window.takeOverRouter()).mainForm) window.refreshForm();
    });
}

}  // namespace velmora::ui
