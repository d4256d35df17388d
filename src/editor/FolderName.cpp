#include "editor/FolderName.h"

#include "core/Text.h"
#include "editor/EditorTexts.h"

namespace torvex {

std::string currentFolderName(std::string_view path)
{
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos)
        return {};
    return std::string(leadingCharacters(path.substr(slash + 1), maxFolderNameLength));
}

LocalText folderNameHint(std::string_view path)
{
    return texts::editorText(texts::folderNameHint).arg(currentFolderName(path));
}

std::string changeFolderCommand(std::string_view path)
{
    return texts::changeFolderPrefix + std::string(path);
}

} // namespace torvex
