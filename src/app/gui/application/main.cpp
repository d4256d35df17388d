// Program main: the application, then the main window, the Options dialog and the ini
// chooser, then the start-up sequence, then the event loop until the main window closes.

#include "app/ErrorReporter.h"
#include "app/PrefixOption.h"
#include "app/gui/application/InteractionProbe.h"
#include "app/gui/application/LoadTimeProbe.h"
#include "app/gui/application/TorvexApplication.h"
#include "app/gui/application/Translations.h"
#include "app/gui/files/IniChooserDialog.h"
#include "app/gui/window/MainWindow.h"
#include "core/LargePages.h"
#include "files/UserFolders.h"
#include "platform/ProgramFolders.h"
#include "platform/WindowsView.h"
#include "settings/gui/OptionsDialog.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <string_view>

namespace {

// The texts of --help in the user's language (Qt's own catalogue gives its lines).
QString helpText(const char *source)
{
    return QCoreApplication::translate("torvex::main", source);
}

// The options of the window program. Qt's own (-platform, -style, ...) are taken out of the
// arguments by the application before these are read.
void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(helpText(QT_TRANSLATE_NOOP(
        "torvex::main", "Edits the directory menu (section DirMenu) of a wincmd.ini.")));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({ QStringLiteral("prefix"),
        helpText(QT_TRANSLATE_NOOP(
            "torvex::main", "Starts in the Wine prefix <folder> and keeps to it.")),
        helpText(QT_TRANSLATE_NOOP("torvex::main", "folder")) });
    parser.addPositionalArgument(QStringLiteral("file"),
        helpText(QT_TRANSLATE_NOOP("torvex::main", "The wincmd.ini to edit.")),
        helpText(QT_TRANSLATE_NOOP("torvex::main", "[file]")));
}

bool asksForHelpOrVersion(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            return false;
        if (argument == "-h" || argument == "--help" || argument == "-?" || argument == "--help-all"
            || argument == "-v" || argument == "--version")
            return true;
    }
    return false;
}

bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

// Whether a window can be shown at all: a platform named by QT_QPA_PLATFORM, or an X11 or
// Wayland display. Without one Qt would abort.
bool displayAvailable(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0)
            return true;
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

void nameTheProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("torvex"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TORVEX_VERSION));
}

// What the main window starts with: the prefix, the file given, the program's folders.
// `language`: the one the window speaks (empty: English), whose help F1 shows.
torvex::MainWindowEnvironment windowEnvironment(
    const QCommandLineParser &parser, const QString &language)
{
    const torvex::Environment processEnvironment = torvex::processEnvironment();
    std::vector<std::string> arguments;
    if (parser.isSet(QStringLiteral("prefix")))
        arguments = { "--prefix", parser.value(QStringLiteral("prefix")).toStdString() };
    for (const QString &file : parser.positionalArguments())
        arguments.push_back(file.toStdString());
    // Checks the folder the way every program of Torvex does.
    const auto namedPrefix = torvex::takePrefixOption(arguments);
    torvex::MainWindowEnvironment environment;
    environment.firstArgument = arguments.empty() ? "" : arguments.front();
    // The window starts in the prefix --prefix names, else in that of the file given.
    environment.view = std::make_shared<const torvex::WindowsView>(namedPrefix
            ? torvex::WindowsView::forPrefix(torvex::WinePrefix(*namedPrefix), processEnvironment)
            : torvex::WindowsView::forFile(environment.firstArgument, processEnvironment));
    environment.isPrefixFixed = namedPrefix.has_value();
    environment.hostEnvironment = processEnvironment;
    environment.folders =
        torvex::programFolders(QCoreApplication::applicationDirPath().toStdString() + "/",
            processEnvironment,
            torvex::hostFolderProbe());
    environment.folders.helpLanguage = language.toStdString();
    environment.recoveryFolder = torvex::userStateFolder(processEnvironment);
    return environment;
}

} // namespace

int main(int argc, char **argv)
{
    // A large menu's load writes hundreds of megabytes of fresh memory, much of it in blocks
    // of the C library's heap that Qt allocates (the tree view's row list): with the heap on
    // large pages that costs thousands of page faults fewer. Only for a large file named here:
    // the new start costs more than a small menu's load saves.
    torvex::restartWithLargeHeapPages(argc, argv);
    nameTheProgram();
    if (asksForHelpOrVersion(argc, argv)) {
        // Answered on the terminal, with or without a display.
        QCoreApplication core(argc, argv);
        torvex::installTranslations(core, QLocale::system());
        QCommandLineParser parser;
        describeOptions(parser);
        parser.process(core); // prints and leaves
        return 0;
    }
    if (!displayAvailable(argc, argv)) {
        std::fputs("torvex: no display to open the window on (DISPLAY, WAYLAND_DISPLAY and "
                   "QT_QPA_PLATFORM are not set)\n",
            stderr);
        return 1;
    }
    torvex::TorvexApplication app(argc, argv);
    QCommandLineParser parser;
    describeOptions(parser);
    // An unknown option or a --prefix without a folder: a line on stderr and exit code 1.
    parser.process(app);
    // The window speaks the user's language where Torvex has a translation for it.
    const QString language = torvex::installTranslations(app, QLocale::system());
    // The desktop entry and the icon of an installed copy carry this name.
    app.setDesktopFileName(QStringLiteral(TORVEX_APP_ID));
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral(TORVEX_APP_ID)));
    try {
        torvex::MainWindow form1(windowEnvironment(parser, language));
        // Both dialogs belong to the main window and live, hidden, as long as it does.
        form1.setOptionsDialog(new torvex::OptionsDialog(form1.optionsHost(), &form1));
        form1.setChooser(new torvex::IniChooserDialog(&form1));
        torvex::LoadTimeProbe::installIfRequested(form1);
        torvex::InteractionProbe::installIfRequested(form1);
        form1.start();
        return app.exec();
    } catch (const std::exception &e) {
        // A window could not be built; there is no window left to report through.
        QMessageBox::critical(nullptr,
            QCoreApplication::translate(torvex::errorReporterContext, torvex::errorCaption),
            QString::fromUtf8(e.what()));
        return 1;
    }
}
