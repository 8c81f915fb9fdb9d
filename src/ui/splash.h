#pragma once

#include <QSplashScreen>
#include <memory>

#include "lang/text_catalogue.h"

namespace velmora::ui {

// The window shown while the windows and dialogs are built: program title and product name.
std::unique_ptr<QSplashScreen> showSplash(const lang::TextCatalogue& texts);

}  // namespace velmora::ui
