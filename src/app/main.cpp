// Program main: the application, then the main window, the Options dialog and the ini
// chooser, in this order, then the event loop until the main window closes.

#include "app/gui/TForm1.h"
#include "app/gui/TForm3.h"
#include "app/gui/TorvexApplication.h"
#include "platform/UserFolders.h"
#include "platform/WindowsView.h"
#include "settings/gui/TForm2.h"

#include <QMessageBox>

#include <exception>
#include <memory>

int main(int argc, char **argv)
{
    torvex::TorvexApplication app(argc, argv);
    try {
        torvex::TForm1Environment environment;
        environment.view = std::make_shared<const torvex::WindowsView>(
            torvex::WindowsView::open(torvex::processEnvironment()));
        environment.firstArgument = argc > 1 ? argv[1] : "";
        environment.programFolder = QCoreApplication::applicationDirPath().toStdString() + "/";
        environment.recoveryFolder = torvex::userStateFolder(torvex::processEnvironment());
        torvex::TForm1 form1(std::move(environment));
        // Both dialogs belong to the main window and live, hidden, as long as it does.
        new torvex::TForm2(&form1);
        new torvex::TForm3(&form1);
        return app.exec();
    } catch (const std::exception &e) {
        // A window could not be built; there is no window left to report through.
        QMessageBox::critical(nullptr, QStringLiteral("Error"), QString::fromUtf8(e.what()));
        return 1;
    }
}
