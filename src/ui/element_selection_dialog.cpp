#include "ui/element_selection_dialog.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "model/element_catalogue.h"
#include "model/element_selection_text.h"
#include "ui/flow_layout.h"
#include "ui/qt_text.h"

namespace velmora::ui {

namespace {

using model::ElementKind;
using model::ElementSelectionText;

constexpr int kLastLossGroup = 12;  // groups 1 … 12 are irreversible losses, group 13 reversible changes
const QSize kIconSize(120, 80);     // the pictures (240 × 160) at half size
constexpr int kButtonWidth = 150;
constexpr int kCaptionLines = 3;

QString caption(const lang::TextCatalogue& texts, ElementSelectionText role) {
    return blockText(texts, model::kElementSelectionBlock.data(), static_cast<int>(role));
}

// The name broken into lines that fit the width, at most `lines` of them; the last line is cut
// with an ellipsis when the name is longer still (the hint shows it whole).
QString wrapped(const QString& name, const QFontMetrics& metrics, int width, int lines) {
    QStringList rows;
    QString row;
    const QStringList words = name.split(' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString candidate = row.isEmpty() ? words[i] : row + ' ' + words[i];
        if (metrics.horizontalAdvance(candidate) <= width || row.isEmpty()) {
            row = candidate;
            continue;
        }
        if (rows.size() == lines - 1) {
            row = candidate + ' ' + words.mid(i + 1).join(' ');
            break;
        }
        rows.append(row);
        row = words[i];
    }
    rows.append(metrics.elidedText(row, Qt::ElideRight, width));
    return rows.join('\n').replace('&', "&&");
}

QString pictureFile(const std::filesystem::path& dataFolder, ElementKind kind) {
    const std::string name = std::to_string(model::kindDescription(kind).picture) + ".bmp";
    return QString::fromStdString((dataFolder / name).string());
}

const char* const kButtonStyle =
    "QToolButton { border: 1px solid transparent; border-radius: 4px; padding: 3px; }"
    "QToolButton:hover { border-color: palette(mid); background: palette(alternate-base); }"
    "QToolButton:checked { border: 2px solid palette(highlight); background: palette(alternate-base); }";

}  // namespace

ElementSelectionDialog::ElementSelectionDialog(const lang::TextCatalogue& texts,
                                               const std::filesystem::path& dataFolder, QWidget* parent)
    : ModalDialog(parent), texts_(texts), pages_(new QTabWidget), group_(new QButtonGroup(this)) {
    setWindowTitle(caption(texts, ElementSelectionText::Title));
    group_->setExclusive(true);

    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(caption(texts, ElementSelectionText::Hint));
    hint->setWordWrap(true);
    layout->addWidget(hint);

    pages_->addTab(buildPage(1, kLastLossGroup, dataFolder),
                   caption(texts, ElementSelectionText::PageLosses));
    pages_->addTab(buildPage(kLastLossGroup + 1, 13, dataFolder),
                   caption(texts, ElementSelectionText::PageChanges));
    layout->addWidget(pages_, 1);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    if (const QString ok = caption(texts, ElementSelectionText::Ok); !ok.isEmpty())
        buttons_->button(QDialogButtonBox::Ok)->setText(ok);
    if (const QString cancel = caption(texts, ElementSelectionText::Cancel); !cancel.isEmpty())
        buttons_->button(QDialogButtonBox::Cancel)->setText(cancel);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons_);

    // Six buttons a row at first; the rows wrap when the window is made narrower.
    const QRect screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->availableGeometry()
                             : QRect(0, 0, 1280, 900);
    resize(std::min(6 * (kButtonWidth + 8) + 90, screen.width() - 40), std::min(780, screen.height() - 60));
}

QWidget* ElementSelectionDialog::buildPage(int firstGroup, int lastGroup,
                                           const std::filesystem::path& dataFolder) {
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(12, 10, 12, 12);
    column->setSpacing(6);
    for (int group = firstGroup; group <= lastGroup; ++group) {
        auto* heading = new QLabel(qs(texts_.groupName(group)));
        QFont bold = heading->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.1);
        heading->setFont(bold);
        if (group != firstGroup) column->addSpacing(8);
        column->addWidget(heading);
        auto* rule = new QFrame;
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Sunken);
        column->addWidget(rule);
        auto* row = new FlowLayout(nullptr, 8);
        for (int subgroup = 1; model::isKnownKind({group, subgroup}); ++subgroup) {
            row->addWidget(buildButton({group, subgroup}, dataFolder));
        }
        column->addLayout(row);
    }
    column->addStretch(1);

    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollAreas_[firstGroup == 1 ? 0 : 1] = scroll;
    return scroll;
}

QToolButton* ElementSelectionDialog::buildButton(ElementKind kind, const std::filesystem::path& dataFolder) {
    const QString name = qs(texts_.subgroupName(kind.group, kind.subgroup));
    auto* button = new QToolButton;
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(kIconSize);
    const QPixmap picture(pictureFile(dataFolder, kind));
    if (!picture.isNull()) {
        button->setIcon(QIcon(picture.scaled(kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    const QFontMetrics metrics(button->font());
    const int textWidth = kButtonWidth - 12;
    button->setText(wrapped(name, metrics, textWidth, kCaptionLines));
    button->setToolTip(name);
    button->setAccessibleName(name);
    button->setStyleSheet(kButtonStyle);
    button->setFixedSize(kButtonWidth, kIconSize.height() + kCaptionLines * metrics.lineSpacing() + 18);
    button->installEventFilter(this);
    group_->addButton(button, kind.index());
    kindButtons_[kind.index()] = button;
    buttonKinds_[button] = kind;
    return button;
}

std::optional<model::ElementKind> ElementSelectionDialog::chooseKind(ElementKind current) {
    setCurrentKind(current);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return selectedKind();
}

void ElementSelectionDialog::setCurrentKind(ElementKind kind) {
    current_ = kind;
    if (QToolButton* pressed = button(kind)) pressed->setChecked(true);
    pages_->setCurrentIndex(kind.group > kLastLossGroup ? 1 : 0);
    if (isVisible()) revealPressedButton();
}

model::ElementKind ElementSelectionDialog::selectedKind() const {
    const auto it = buttonKinds_.find(group_->checkedButton());
    return it == buttonKinds_.end() ? current_ : it->second;
}

QToolButton* ElementSelectionDialog::button(ElementKind kind) const {
    const auto it = kindButtons_.find(kind.index());
    return it == kindButtons_.end() || !model::isKnownKind(kind) ? nullptr : it->second;
}

bool ElementSelectionDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (auto* pressed = qobject_cast<QToolButton*>(watched); pressed && group_->id(pressed) >= 0) {
            pressed->setChecked(true);
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ElementSelectionDialog::showEvent(QShowEvent* event) {
    ModalDialog::showEvent(event);
    // The page's layout is final only once the dialog is shown.
    QTimer::singleShot(0, this, &ElementSelectionDialog::revealPressedButton);
}

void ElementSelectionDialog::revealPressedButton() {
    QAbstractButton* pressed = group_->checkedButton();
    if (!pressed) return;
    QScrollArea* scroll = scrollAreas_[static_cast<std::size_t>(pages_->currentIndex())];
    // Well inside the view, so the group's heading and its neighbours show too.
    if (scroll && scroll->widget()->isAncestorOf(pressed))
        scroll->ensureWidgetVisible(pressed, 16, std::max(40, scroll->viewport()->height() / 3));
    pressed->setFocus();
}

}  // namespace velmora::ui
