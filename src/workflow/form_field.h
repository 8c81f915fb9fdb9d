#pragma once

// The main form's fields live in the model layer, so that messages of every layer can name them;
// the workflow code uses them by their short names.
#include "model/form_field.h"

namespace velmora::workflow {
using model::FormField;
using model::kFormFieldCount;
using model::slotField;
using model::slotUnitField;
}  // namespace velmora::workflow
