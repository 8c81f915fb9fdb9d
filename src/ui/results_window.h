#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>

#include "ui/results_table_model.h"
#include "workflow/results_table.h"

namespace velmora::ui {

// The results window (TAusgabe_Fenster): the table of the pipeline with drag-movable element
// columns, the project heading, a tool bar and the total in the status bar.
class ResultsWindow : public QMainWindow {
    Q_OBJECT
public:
    ResultsWindow(workflow::ResultsTable& table, QWidget* parent = nullptr);

    // The table changed: redraw cells, captions and the total; select the current column.
    void reload();

    QString projectHeading() const { return heading_->text(); }
    void setProjectHeading(const QString& heading) { heading_->setText(heading); }

    void zoom(double factor);  // larger (1.2) or smaller (1 / 1.2) view
    void chooseFont();

Q_SIGNALS:
    void removeColumnRequested();
    void saveRequested();
    void copyTableRequested();
    void copyToInputsRequested();
    void printRequested();
    void tableChanged();  // a column was moved or a designation edited here
    void headingEdited(const QString& heading);  // typed by the user
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void updateActions();

    workflow::ResultsTable& table_;
    ResultsTableModel* model_;
    QTableView* view_;
    QLineEdit* heading_;
    QLabel* totalCaption_;
    QLabel* total_;
    QList<QAction*> columnActions_;
    QAction* copyToInputs_;
};

}  // namespace velmora::ui
