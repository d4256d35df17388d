#pragma once

#include "editor/DropLogic.h"

#include <QString>

#include <vector>

class QMimeData;

namespace torvex {

// The folders of a drag from the directory list, as the clipboard format of our own that
// travels with the drag: each entry's text and full Windows path, in the list's order.
namespace FolderDragData {

// The MIME type of dragged folders.
inline const QString mimeType = QStringLiteral("application/x-torvex-folders");

// A new drag payload holding `entries` (the caller owns it, usually by handing it to a QDrag).
// The paths also go along as plain text, one a line, for drop targets outside the program.
QMimeData *encode(const std::vector<DirEntry> &entries);

// True when `data` carries dragged folders.
bool hasFolders(const QMimeData *data);

// The entries of a payload in their order; empty when there is none or it is damaged.
std::vector<DirEntry> decode(const QMimeData *data);

} // namespace FolderDragData
} // namespace torvex
