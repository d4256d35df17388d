#pragma once

#include "core/Environment.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace torvex {

class FileSystem;

// What the commands that read and write the menu as code need of torvex-menu: the file
// layer, the check that a name is a menu file (throws when it is not), where backups go when
// they cannot stay beside their file (the environment's state folder), and the streams.
struct MenuCodeContext
{
    FileSystem &fs;
    std::function<void(const std::string &path)> requireFile;
    const Environment &environment;
    std::ostream &out;
    std::ostream &err;
};

// "export [--json|--yaml] FILE": the menu as a tree on stdout.
int runExport(const std::vector<std::string> &args, MenuCodeContext &context);
// "import FILE MENU.json": the menu of FILE replaced by the JSON menu.
int runImport(const std::vector<std::string> &args, MenuCodeContext &context);
// "add FILE --title T --command C [--path P] [--under PATH] [--first|--after TITLE]".
int runAdd(const std::vector<std::string> &args, MenuCodeContext &context);
// "remove FILE PATH": the entry the title path names, with what it holds.
int runRemove(const std::vector<std::string> &args, MenuCodeContext &context);

// Keeps the file at `path` as it is before a command writes it: FILE.bak beside it, else in
// the environment's state folder (SaveBackup). Throws TorvexError "No backup of FILE could be
// kept: …" when neither can be written; the command then writes nothing.
void keepBackupBeforeWriting(const std::string &path, FileSystem &fs, const Environment &environment);

// Whether `command` (the first argument) is one of the four above.
bool isMenuCodeCommand(const std::string &command);

} // namespace torvex
