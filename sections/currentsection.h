#pragma once

#include "sectionrecord.h"

namespace fenwold {

// The one section of the running program: computed by the input dialogs, drawn by the report,
// saved and restored by the document. All slots are zero at start.
sections::SectionRecord &CurrentSection();

} // namespace fenwold
