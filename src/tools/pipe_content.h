#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/element_kind.h"
#include "tools/tool_presenter.h"

namespace velmora::tools {

// One column of the results table as the content counts it: its kind (none for a name the
// catalogue does not know), its count and its first three slots in metric units (mm, m, m²).
struct ContentColumn {
    std::optional<model::ElementKind> kind;
    Real count = 1;
    std::array<Real, 4> slots{0, 0, 0, 0};  // slots 1 … 4
};

// The liquid volume (m³) of a column: the straight pipes of group 1 only; the corrugated pipe
// counts as a smooth pipe of its inner diameter D and length L.
Real columnContent(const ContentColumn& column);

// The texts of the block "TInhaltDlg".
enum class ContentText { Title, FirstLabel, LastLabel, FlowLabel, ContentLabel, TimeLabel, Recalculate, Note, Count };

// Pipe content and fill time of a range of results columns (TInhaltDlg).
class PipeContentPresenter : public ToolPresenter {
  public:
    enum Field {
        FirstColumn, FirstLabel, LastColumn, LastLabel,
        Flow, FlowUnit, FlowLabel,
        Content, ContentLabel, Time, TimeLabel,
        Note, Recalculate, Close
    };

    explicit PipeContentPresenter(const lang::TextCatalogue& texts);

    // Opening: the columns of the table, the whole range, the first column's flow cell (m³/h or
    // gal/min), computed at once.
    void shown(std::vector<ContentColumn> columns, const std::string& firstFlowCell, model::Messenger& messenger);
    int columnCount() const { return static_cast<int>(columns_.size()); }
    void edited(int field);
    void chosen(int field);
    void calculate(model::Messenger& messenger);

  private:
    std::vector<ContentColumn> columns_;
};

}  // namespace velmora::tools
