#include "ui/tool_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace velmora::ui {

namespace {

// The first free row of a grid (an empty grid reports one row).
int nextRow(const QGridLayout* grid) { return grid->count() == 0 ? 0 : grid->rowCount(); }

}  // namespace

ToolDialog::ToolDialog(tools::ToolPresenter& presenter, std::filesystem::path dataFolder, QWidget* parent)
    : ModalDialog(parent), presenter_(presenter), dataFolder_(std::move(dataFolder)),
      binder_(new DialogBinder(presenter.form(), this)),
      messenger_(std::make_unique<DialogMessenger>(this, *binder_)) {}

void ToolDialog::refresh() {
    setWindowTitle(qs(presenter_.title()));
    binder_->refresh();
    for (auto& [field, label] : pictures_) {
        const std::string& name = presenter_.form().output(field);
        QPixmap pixmap;
        if (!name.empty()) pixmap.load(QString::fromStdString((dataFolder_ / name).string()));
        label->setPixmap(pixmap);
    }
}

QGroupBox* ToolDialog::group(int titleField) {
    auto* box = new QGroupBox;
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(1, 1);
    if (titleField >= 0) binder_->bindCaption(titleField, box);
    return box;
}

QLineEdit* ToolDialog::entryRow(QGridLayout* grid, int label, int entry, int unit, int maxLength) {
    const int row = nextRow(grid);
    auto* caption = new QLabel;
    auto* edit = new QLineEdit;
    if (maxLength > 0) edit->setMaxLength(maxLength);
    edit->setMinimumWidth(90);
    caption->setBuddy(edit);
    grid->addWidget(binder_->bindCaption(label, caption), row, 0);
    grid->addWidget(binder_->bindEntry(entry, edit), row, 1);
    if (unit >= 0) {
        auto* box = new QComboBox;
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        grid->addWidget(binder_->bindChoice(unit, box), row, 2);
    }
    return edit;
}

QLineEdit* ToolDialog::outputRow(QGridLayout* grid, int label, int output, int columns) {
    const int row = nextRow(grid);
    auto* caption = new QLabel;
    auto* display = new QLineEdit;
    display->setMinimumWidth(90);
    display->setFocusPolicy(Qt::ClickFocus);
    grid->addWidget(binder_->bindCaption(label, caption), row, 0);
    grid->addWidget(binder_->bindOutput(output, display), row, 1, 1, columns);
    return display;
}

QComboBox* ToolDialog::choiceRow(QGridLayout* grid, int label, int choice) {
    const int row = nextRow(grid);
    auto* caption = new QLabel;
    auto* box = new QComboBox;
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    grid->addWidget(binder_->bindCaption(label, caption), row, 0);
    grid->addWidget(binder_->bindChoice(choice, box), row, 1, 1, 2);
    return box;
}

QGroupBox* ToolDialog::radioGroup(int titleField, int choice, int count, Qt::Orientation orientation) {
    auto* box = new QGroupBox;
    QBoxLayout* layout = orientation == Qt::Vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(box))
                                                     : static_cast<QBoxLayout*>(new QHBoxLayout(box));
    auto* buttons = new QButtonGroup(box);
    for (int i = 0; i < count; ++i) {
        auto* radio = new QRadioButton;
        buttons->addButton(radio, i);
        layout->addWidget(radio);
    }
    if (orientation == Qt::Horizontal) layout->addStretch();
    binder_->bindChoice(choice, buttons);
    binder_->bindCaption(titleField, box);
    return box;
}

QLabel* ToolDialog::picture(int field) {
    auto* label = new QLabel;
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumSize(240, 160);
    label->setFrameShape(QFrame::StyledPanel);
    pictures_[field] = label;
    return label;
}

QPushButton* ToolDialog::button(int field, std::function<void()> pressed) {
    auto* push = new QPushButton;
    push->setAutoDefault(false);
    connect(push, &QPushButton::clicked, this, std::move(pressed));
    binder_->bindCaption(field, push);
    return push;
}

QPushButton* ToolDialog::closeButton(int field) { return button(field, [this] { reject(); }); }

void ToolDialog::printImage(QPrinter& printer) {
    const QPixmap shot = grab();
    QPainter painter(&printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    // The title above, then the dialog's image at its screen size, scaled down to fit the page.
    QFont title = font();
    title.setPointSizeF(title.pointSizeF() * 1.4);
    title.setBold(true);
    painter.setFont(title);
    const QRectF titleRect(0, 0, page.width(), painter.fontMetrics().height() * 2);
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignTop, windowTitle());
    const double screenScale = printer.resolution() / double(logicalDpiX());
    QSizeF size = QSizeF(shot.size()) / shot.devicePixelRatio() * screenScale;
    const QSizeF room(page.width(), page.height() - titleRect.height());
    if (size.width() > room.width() || size.height() > room.height()) size.scale(room, Qt::KeepAspectRatio);
    painter.drawPixmap(QRectF(QPointF(0, titleRect.height()), size), shot, shot.rect());
}

void ToolDialog::printScreen() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(windowTitle());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) { printImage(*target); });
    preview.exec();
}

QVBoxLayout* column(std::initializer_list<QObject*> items) {
    auto* layout = new QVBoxLayout;
    for (QObject* item : items) {
        if (auto* widget = qobject_cast<QWidget*>(item)) layout->addWidget(widget);
        else if (auto* inner = qobject_cast<QLayout*>(item)) layout->addLayout(inner);
    }
    return layout;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons) {
    auto* layout = new QHBoxLayout;
    layout->addStretch();
    for (QWidget* button : buttons) layout->addWidget(button);
    return layout;
}

}  // namespace velmora::ui
