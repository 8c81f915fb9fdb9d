#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>
#include <vector>

#include "ui/results_table_model.h"
#include "workflow/results_table.h"

namespace velmora::ui {

// The results window (TAusgabe_Fenster): the table of the pipeline with drag-movable element
// columns, the project heading, a tool bar and the total in the status bar. It lives in a dock of
// the main window (below the input panels, or floated by the user).
class ResultsWindow : public QMainWindow {
    Q_OBJECT
public:
    ResultsWindow(workflow::ResultsTable& table, QWidget* parent = nullptr);

    // The table changed: redraw cells, captions and the total; select the current column.
    void reload();

    QString projectHeading() const { return heading_->text(); }
    void setProjectHeading(const QString& heading) { heading_->setText(heading); }

    // Larger (+1) or smaller (-1) view by steps of 1.2.
    void zoom(int steps);
    void chooseFont();

Q_SIGNALS:
    void removeColumnRequested();
    void saveRequested();
    void copyTableRequested();
    void copyToInputsRequested();
    void printRequested();
    void tableChanged();  // a column was moved or a designation edited here
    void headingEdited(const QString& heading);  // typed by the user

private:
    void updateActions();
    double zoomFactor() const;
    void applyZoom();
    void fitCaptions();

    workflow::ResultsTable& table_;
    ResultsTableModel* model_;
    QTableView* view_;
    QLineEdit* heading_;
    QLabel* totalCaption_;
    QLabel* total_;
    QList<QAction*> columnActions_;
    QAction* copyToInputs_;
    // The view without zoom, and how many steps it is zoomed.
    QFont baseFont_;
    int baseRowHeight_ = 0;
    int baseColumnWidth_ = 0;
    std::vector<double> unzoomedWidths_;  // by column; 0: the default width
    int zoomSteps_ = 0;
    bool applyingZoom_ = false;
};

}  // namespace velmora::ui
