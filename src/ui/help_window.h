#pragma once

#include <QWidget>
#include <filesystem>

#include "lang/text_catalogue.h"

class QLabel;
class QLineEdit;
class QTextBrowser;
class QTreeWidget;

namespace velmora::ui {

// The user guide inside the program: the page of the edition's language in a text browser, its
// table of contents (the page's section and subsection headings) beside it, and a search entry
// that finds a text forwards or backwards and says when it is not there. "Open in browser" hands
// the same file to the desktop's web browser as an extra; without one the guide stays here.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(const lang::TextCatalogue& texts, QWidget* parent = nullptr);

    // Loads the guide page; false (and nothing shown) when the file does not exist.
    bool load(const std::filesystem::path& page);

    // Finds `text` from the cursor on (backwards: before it), wrapping round the page once.
    bool find(const QString& text, bool backwards = false);
    // The headings of the table of contents, in the page's order.
    QStringList contents() const;
    // Scrolls to the heading with this position in the table of contents.
    void showSection(int index);

    QTextBrowser* browser() const { return browser_; }

Q_SIGNALS:
    // "Open in browser" found no web browser; the owner tells the user.
    void browserFailed();

private:
    void fillContents();
    QString text(int role) const;

    const lang::TextCatalogue& texts_;
    std::filesystem::path page_;
    QTextBrowser* browser_;
    QTreeWidget* contents_;
    QLineEdit* search_;
    QLabel* searchResult_;
};

}  // namespace velmora::ui
