#pragma once

#include "core/rules_transfer.h"

#include <QString>

namespace korvane {

// "Exported 3 rules", "Imported 2 rules · Left out 1 rule naming Korvane itself", or why not.
QString exportText(const TransferReport& report);
QString importText(const TransferReport& report);

} // namespace korvane
