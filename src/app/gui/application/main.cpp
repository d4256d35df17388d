// Program main: the application, then the main window, the Options dialog and the ini
// chooser, then the start-up sequence, then the event loop until the main window closes.

#include "app/PrefixOption.h"
#include "app/gui/files/IniChooserDialog.h"
#include "app/gui/application/LoadTimeProbe.h"
#include "app/gui/window/MainWindow.h"
#include "app/gui/application/TorvexApplication.h"
#include "platform/ProgramFolders.h"
#include "files/UserFolders.h"
#include "platform/WindowsView.h"
#include "settings/gui/OptionsDialog.h"

#include <QIcon>
#include <QMessageBox>

#include <exception>
#include <memory>

int main(int argc, char **argv)
{
    torvex::TorvexApplication app(argc, argv);
    // The desktop entry and the icon of an installed copy carry this name.
    app.setDesktopFileName(QStringLiteral(TORVEX_APP_ID));
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral(TORVEX_APP_ID)));
    try {
        const torvex::Environment processEnvironment = torvex::processEnvironment();
        std::vector<std::string> arguments(argv + 1, argv + argc);
        const auto namedPrefix = torvex::takePrefixOption(arguments);
        torvex::MainWindowEnvironment environment;
        environment.firstArgument = arguments.empty() ? "" : arguments.front();
        // The window starts in the prefix --prefix names, else in that of the file given.
        environment.view = std::make_shared<const torvex::WindowsView>(namedPrefix
                ? torvex::WindowsView::forPrefix(
                    torvex::WinePrefix(*namedPrefix), processEnvironment)
                : torvex::WindowsView::forFile(environment.firstArgument, processEnvironment));
        environment.isPrefixFixed = namedPrefix.has_value();
        environment.hostEnvironment = processEnvironment;
        environment.folders =
            torvex::programFolders(QCoreApplication::applicationDirPath().toStdString() + "/",
                processEnvironment,
                torvex::hostFolderProbe());
        environment.recoveryFolder = torvex::userStateFolder(processEnvironment);
        torvex::MainWindow form1(std::move(environment));
        // Both dialogs belong to the main window and live, hidden, as long as it does.
        form1.setOptionsDialog(new torvex::OptionsDialog(form1.optionsHost(), &form1));
        form1.setChooser(new torvex::IniChooserDialog(&form1));
        torvex::LoadTimeProbe::installIfRequested(form1);
        form1.start();
        return app.exec();
    } catch (const std::exception &e) {
        // A window could not be built; there is no window left to report through.
        QMessageBox::critical(nullptr, QStringLiteral("Error"), QString::fromUtf8(e.what()));
        return 1;
    }
}
