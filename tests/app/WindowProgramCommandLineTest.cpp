// The window program's command line, run as a user would: the built torvex as a process.

#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <utility>
#include <vector>

namespace torvex {
namespace {

struct ProgramRun
{
    int exitCode;
    std::string out;
    std::string err;
};

// Runs torvex with `args` (shell words) in an empty environment but for `environment`
// (NAME=value words); a run of more than 30 seconds gives exit code 124.
ProgramRun runWindowProgram(const std::string &args, const std::string &environment = "")
{
    test::TempDir dir;
    const std::string errFile = dir.file("stderr");
    const std::string command = "env -i " + environment + " HOME='" + dir.path().string()
        + "' timeout 30 " + TORVEX_WINDOW_PROGRAM + " " + args + " 2>'" + errFile + "'";
    FILE *pipe = ::popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer {};
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    return { WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), out,
        test::readFile(errFile) };
}

TEST(WindowProgramCommandLine, HelpAndVersionAnswerWithoutADisplay)
{
    const ProgramRun help = runWindowProgram("--help");
    EXPECT_EQ(help.exitCode, 0) << help.err;
    for (const char *option : { "--help", "--version", "--prefix <folder>", "[file]" })
        EXPECT_NE(help.out.find(option), std::string::npos) << option << " in\n" << help.out;

    const ProgramRun version = runWindowProgram("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("torvex ") + TORVEX_VERSION + "\n");
}

// --help speaks the user's language where Torvex has a translation; English keeps its bytes,
// which the man page and the completions repeat.
TEST(WindowProgramCommandLine, HelpSpeaksTheUsersLanguage)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> expected = {
        { "LANG=C",
            { "Edits the directory menu (section DirMenu) of a wincmd.ini.\n",
                "  --prefix <folder>  Starts in the Wine prefix <folder> and keeps to it.\n",
                "  file               The wincmd.ini to edit.\n",
                "[options] [file]\n" } },
        { "LANG=de_DE.UTF-8",
            { "Bearbeitet das Verzeichnismenü (Abschnitt DirMenu) einer wincmd.ini.\n",
                "--prefix <Ordner>",
                "Startet im Wine-Präfix <Ordner> und bleibt darin.\n",
                "Die zu bearbeitende wincmd.ini.\n",
                "[Datei]\n" } },
        { "LANG=fr_FR.UTF-8",
            { "Modifie le menu des répertoires (section DirMenu) d'un wincmd.ini.\n",
                "--prefix <dossier>",
                "Le wincmd.ini à modifier.\n",
                "[fichier]\n" } },
        { "LANGUAGE=es LANG=es_ES.UTF-8",
            { "Edita el menú de directorios (sección DirMenu) de un wincmd.ini.\n",
                "--prefix <carpeta>",
                "El wincmd.ini que se editará.\n",
                "[archivo]\n" } },
    };
    for (const auto &[environment, lines] : expected) {
        SCOPED_TRACE(environment);
        const ProgramRun help = runWindowProgram("--help", environment);
        EXPECT_EQ(help.exitCode, 0) << help.err;
        for (const std::string &line : lines)
            EXPECT_NE(help.out.find(line), std::string::npos) << line << " in\n" << help.out;
    }
}

TEST(WindowProgramCommandLine, WithoutADisplayOneLineAndExitCode1)
{
    const ProgramRun run = runWindowProgram("wincmd.ini");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_EQ(run.err.rfind("torvex: no display", 0), 0u) << run.err;
}

TEST(WindowProgramCommandLine, AnUnknownOptionIsRefusedNotTakenForAFile)
{
    const ProgramRun run = runWindowProgram("--frobnicate", "QT_QPA_PLATFORM=offscreen");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("frobnicate"), std::string::npos) << run.err;
}

} // namespace
} // namespace torvex
