#include "editor/FolderName.h"

#include "editor/EditorTexts.h"

namespace torvex {

namespace {

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The first `maxChars` characters of UTF-8 text.
std::string_view leadingCharacters(std::string_view text, std::size_t maxChars)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuationByte(text[i]))
            continue;
        if (chars++ == maxChars)
            return text.substr(0, i);
    }
    return text;
}

} // namespace

std::string currentFolderName(std::string_view path)
{
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos)
        return {};
    return std::string(leadingCharacters(path.substr(slash + 1), maxFolderNameLength));
}

std::string folderNameHint(std::string_view path)
{
    return texts::folderNameHintStart + currentFolderName(path) + texts::folderNameHintEnd;
}

std::string changeFolderCommand(std::string_view path)
{
    return texts::changeFolderPrefix + std::string(path);
}

} // namespace torvex
