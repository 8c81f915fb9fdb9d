#include "ui/help_window.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "model/help_window_texts.h"
#include "ui/qt_text.h"

namespace velmora::ui {

using model::HelpWindowText;

namespace {
constexpr int kBlockRole = Qt::UserRole;  // the heading's block number in the document
}

HelpWindow::HelpWindow(const lang::TextCatalogue& texts, QWidget* parent)
    : QWidget(parent, Qt::Window), texts_(texts) {
    setWindowTitle(text(static_cast<int>(HelpWindowText::Title)));
    browser_ = new QTextBrowser;
    browser_->setOpenExternalLinks(true);
    contents_ = new QTreeWidget;
    contents_->setHeaderLabel(text(static_cast<int>(HelpWindowText::Contents)));
    contents_->setRootIsDecorated(true);

    auto* findLabel = new QLabel(text(static_cast<int>(HelpWindowText::FindLabel)));
    search_ = new QLineEdit;
    search_->setClearButtonEnabled(true);
    findLabel->setBuddy(search_);
    auto* next = new QPushButton(text(static_cast<int>(HelpWindowText::FindNext)));
    auto* previous = new QPushButton(text(static_cast<int>(HelpWindowText::FindPrevious)));
    searchResult_ = new QLabel;
    auto* external = new QPushButton(text(static_cast<int>(HelpWindowText::OpenInBrowser)));
    auto* close = new QPushButton(text(static_cast<int>(HelpWindowText::Close)));

    auto* bar = new QHBoxLayout;
    bar->addWidget(findLabel);
    bar->addWidget(search_, 1);
    bar->addWidget(next);
    bar->addWidget(previous);
    bar->addWidget(searchResult_);
    bar->addStretch();
    bar->addWidget(external);
    bar->addWidget(close);

    auto* split = new QSplitter;
    split->addWidget(contents_);
    split->addWidget(browser_);
    split->setStretchFactor(1, 1);
    split->setSizes({260, 740});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(split, 1);
    resize(1000, 720);

    const auto findFromEntry = [this](bool backwards) { find(search_->text(), backwards); };
    connect(search_, &QLineEdit::returnPressed, this, [findFromEntry] { findFromEntry(false); });
    connect(next, &QPushButton::clicked, this, [findFromEntry] { findFromEntry(false); });
    connect(previous, &QPushButton::clicked, this, [findFromEntry] { findFromEntry(true); });
    connect(search_, &QLineEdit::textEdited, searchResult_, &QLabel::clear);
    connect(contents_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QTextBlock block = browser_->document()->findBlockByNumber(item->data(0, kBlockRole).toInt());
        QTextCursor cursor(block);
        browser_->setTextCursor(cursor);
        // The heading at the top of the view, not merely somewhere on it.
        browser_->verticalScrollBar()->setValue(
            static_cast<int>(browser_->document()->documentLayout()->blockBoundingRect(block).top()));
    });
    connect(contents_, &QTreeWidget::itemClicked, contents_, &QTreeWidget::itemActivated);
    connect(external, &QPushButton::clicked, this, [this] {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(page_.string()))))
            Q_EMIT browserFailed();
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

QString HelpWindow::text(int role) const { return blockText(texts_, "THilfe", role); }

bool HelpWindow::load(const std::filesystem::path& page) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(page, ec)) return false;
    page_ = page;
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(page.string())));
    fillContents();
    return true;
}

// Sections (level 2) with their subsections (level 3); the page's own heading and its written
// list of contents are left out, the tree is that list.
void HelpWindow::fillContents() {
    contents_->clear();
    QTreeWidgetItem* section = nullptr;
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level != 2 && level != 3) continue;
        const QString title = block.text().trimmed();
        if (title == text(static_cast<int>(HelpWindowText::Contents))) continue;
        QTreeWidgetItem* item = level == 2 || !section ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(section);
        if (level == 2) section = item;
        item->setText(0, title);
        item->setData(0, kBlockRole, block.blockNumber());
    }
    contents_->expandAll();
}

QStringList HelpWindow::contents() const {
    QStringList titles;
    for (QTreeWidgetItemIterator it(contents_); *it; ++it) titles << (*it)->text(0);
    return titles;
}

void HelpWindow::showSection(int index) {
    int i = 0;
    for (QTreeWidgetItemIterator it(contents_); *it; ++it, ++i)
        if (i == index) Q_EMIT contents_->itemActivated(*it, 0);
}

bool HelpWindow::find(const QString& wanted, bool backwards) {
    if (wanted.isEmpty()) return false;
    const QTextDocument::FindFlags flags = backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = browser_->find(wanted, flags);
    if (!found) {
        // Once round the page: from the other end.
        const QTextCursor kept = browser_->textCursor();
        QTextCursor start(browser_->document());
        start.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        browser_->setTextCursor(start);
        found = browser_->find(wanted, flags);
        if (!found) browser_->setTextCursor(kept);
    }
    searchResult_->setText(found ? QString() : text(static_cast<int>(HelpWindowText::NotFound)));
    return found;
}

}  // namespace velmora::ui
