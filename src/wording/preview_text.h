#pragma once

#include "core/drop_plan.h"
#include "core/folder_behavior.h"

#include <QString>

namespace korvane {

class Platform;

// What a drop will do, in one line for the drop zone while files are dragged over it:
// "3 files → Text Editor · 2 → Image Viewer · 1 will ask". `more` when only some of the
// dragged files were planned.
QString dropPreview(const DropPlan& plan, bool more, FolderBehavior folderBehavior,
                    const Platform& platform);
// A folder behaviour with the file manager's name: "Open in Files".
QString folderBehaviorLabel(FolderBehavior behavior, const Platform& platform);

} // namespace korvane
