#pragma once

#include <map>
#include <string>

#include "lang/edition.h"
#include "lang/text_catalogue.h"
#include "persist/data_file_set.h"
#include "persist/text_catalogue_loader.h"
#include "support/built_texts.h"
#include "workflow/result_rows.h"
#include "workflow/results_table.h"

namespace velmora::ui::testing {

using Language = lang::Edition::Language;

// The text files as the build writes them, loaded once per edition.
inline const lang::TextCatalogue& builtTexts(Language language = Language::English) {
    return velmora::testing::loadBuiltTexts(language);
}

// A results table of `count` pipe columns with texts of realistic length.
inline workflow::ResultsTable pipeTable(int count, Language language = Language::English) {
    namespace row = workflow::row;
    workflow::ResultsTable table(builtTexts(language));
    for (int i = 1; i <= count; ++i) {
        workflow::ResultColumn column;
        column.cells[row::medium] = "Water/liquid";
        column.cells[row::flow] = "12.000";
        column.cells[row::density] = "998.200";
        column.cells[row::viscosity] = "1002.000";
        column.cells[row::designation] = "suction line " + std::to_string(i);
        column.cells[row::element] = "Straight pipe circular/1";
        column.cells[row::slot1] = "Diameter D in mm: 50.000";
        column.cells[row::slot1 + 1] = "Pipe length L in m: 10.000";
        column.cells[row::velocity] = "1.698";
        column.cells[row::reynolds] = "8.45E+0004";
        column.cells[row::regime] = "turbulent";
        column.cells[row::lossSmall] = "72.000";
        column.cells[row::lossLarge] = "0.072";
        table.appendColumn(column);
    }
    return table;
}

}  // namespace velmora::ui::testing
