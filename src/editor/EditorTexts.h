#pragma once

#include "core/LocalText.h"

// The editor's own texts: messages, captions, hints and titles, quoted by code and tests alike.
namespace torvex::texts {

// The context under which the window translates the texts below that it shows.
inline constexpr const char *editorContext = "torvex::EditorTexts";

// Titles of nodes made by the editing commands.
inline constexpr const char *newNodeTitle = "New";
inline constexpr const char *copySuffix = " - New";

// The refusal of children for a separator (Add submenu, child drops).
inline constexpr const char *separatorHoldsNoEntries = "A separator cannot hold entries";

// The item count and its warning.
inline constexpr const char *itemLimitWarning =
    QT_TRANSLATE_NOOP("torvex::EditorTexts", "Total Commander will only show the first 200 items!");
inline constexpr const char *itemLimitCaption =
    QT_TRANSLATE_NOOP("torvex::EditorTexts", "Information");

// The searches.
inline constexpr const char *noneFoundCaption = " None found";
inline constexpr const char *noBrokenPathsFound = "No menus with broken paths were found  ";
inline constexpr const char *noEmptyCommandsFound =
    "No menus with empty command strings were found  ";
inline constexpr const char *searchStartedFrom = "(search started from menu number ";
inline constexpr const char *searchedFrom = "Searched from ";

// The details panel.
inline constexpr const char *folderNameHintStart = " Title = folder name (";
inline constexpr const char *folderNameHintEnd = ") ";
inline constexpr const char *changeFolderPrefix = "cd ";

} // namespace torvex::texts
