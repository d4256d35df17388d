#pragma once

#include "core/LocalText.h"

// The editor's own texts: messages, captions, hints and titles, quoted by code and tests alike.
// Those the window shows are marked for translation under editorContext; the titles of new
// entries are menu data and stay as they are.
namespace torvex::texts {

// The context under which the window translates the texts below that it shows.
inline constexpr const char *editorContext = "torvex::EditorTexts";

// Titles of nodes made by the editing commands.
inline constexpr const char *newNodeTitle = "New";
inline constexpr const char *copySuffix = " - New";

// The refusal of children for a separator (Add submenu, child drops).
inline constexpr const char *separatorHoldsNoEntries =
    QT_TRANSLATE_NOOP("torvex::EditorTexts", "A separator cannot hold entries");

// The item count and its warning.
inline constexpr const char *itemLimitWarning =
    QT_TRANSLATE_NOOP("torvex::EditorTexts", "Total Commander will only show the first 200 items!");
inline constexpr const char *itemLimitCaption =
    QT_TRANSLATE_NOOP("torvex::EditorTexts", "Information");

// The searches.
inline constexpr const char *noneFoundCaption =
    QT_TRANSLATE_NOOP("torvex::EditorTexts", " None found");
inline constexpr const char *noBrokenPathsFound =
    QT_TRANSLATE_NOOP("torvex::EditorTexts", "No menus with broken paths were found  ");
inline constexpr const char *noEmptyCommandsFound =
    QT_TRANSLATE_NOOP("torvex::EditorTexts", "No menus with empty command strings were found  ");
// %1: the number of the entry the search started from.
inline constexpr const char *searchStartedFrom =
    QT_TRANSLATE_NOOP("torvex::EditorTexts", "(search started from menu number %1).");
// %1 and %2: the numbers of the first and the last entry searched.
inline constexpr const char *searchedFrom =
    QT_TRANSLATE_NOOP("torvex::EditorTexts", "Searched from %1 to %2");

// The details panel.
// %1: the name of the folder open in the folder list.
inline constexpr const char *folderNameHint =
    QT_TRANSLATE_NOOP("torvex::EditorTexts", " Title = folder name (%1) ");
inline constexpr const char *changeFolderPrefix = "cd ";

// One of the texts above, to be shown in the user's language.
inline LocalText editorText(const char *source)
{
    return LocalText(editorContext, source);
}

} // namespace torvex::texts
