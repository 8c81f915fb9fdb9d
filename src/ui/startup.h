#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "lang/edition.h"
#include "lang/text_catalogue.h"

namespace velmora::ui {

// The edition for this run: --edition=X, else VELMORA_EDITION, else the stored choice, else "E".
lang::Edition chooseEdition(const QStringList& arguments, const QString& storedLetter);

// Loads the text files from the program's data folder; on failure shows the fixed start-up
// message (exclamation icon) and returns nothing — the program then ends.
std::optional<lang::TextCatalogue> loadTextsOrExplain(lang::Edition edition);

}  // namespace velmora::ui
