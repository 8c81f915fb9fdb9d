#pragma once

#include <string>
#include <vector>

#include "lang/text_catalogue.h"
#include "workflow/results_table.h"

// A project file is language-neutral: whatever the edition, its cells hold German element names
// and table words, " in " between a slot label and its unit, "/flü." and "/gasf." for the state,
// and decimal commas. These pure functions move cell texts between that form and an edition's
// form, and bring the cells of older formats into it.
namespace velmora::workflow {

// The edition's cells to the stored form (writing). The German edition's cells already are.
std::vector<ResultColumn> toNeutralForm(std::vector<ResultColumn> columns, const lang::TextCatalogue& texts);

// The stored form to the edition's cells (reading). The German edition reads them unchanged.
std::vector<ResultColumn> fromNeutralForm(std::vector<ResultColumn> columns, const lang::TextCatalogue& texts);

// ---- older formats ------------------------------------------------------------------------------

// Renamed kinds in a line of an older file: circular and rectangular pipes got their present
// names, the orifice and nozzle standards moved from DIN 1952 to ISO 5167.
std::string migrateOldLine(std::string line);

// Older formats carry no language mark; a point in the first column's pressure loss shows that
// the English edition wrote the file.
bool writtenInEnglish(const std::vector<ResultColumn>& columns);

// Cells of an older file written by the English edition, respectively by the French edition
// ("5.0F"), to the stored form.
std::vector<ResultColumn> englishToNeutral(std::vector<ResultColumn> columns, const lang::TextCatalogue& texts);
std::vector<ResultColumn> frenchToNeutral(std::vector<ResultColumn> columns, const lang::TextCatalogue& texts);

}  // namespace velmora::workflow
