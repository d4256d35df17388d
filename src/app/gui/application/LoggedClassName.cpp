#include "app/gui/application/LoggedClassName.h"

#include <QMetaObject>
#include <QObject>

#include <string_view>

namespace torvex {

std::string loggedClassName(const QObject *object)
{
    if (!object)
        return {};
    struct LoggedName
    {
        std::string_view className;
        const char *logged;
    };
    static constexpr LoggedName loggedNames[] = {
        { "torvex::MainWindow", "TForm1" },
        { "torvex::OptionsDialog", "TForm2" },
        { "torvex::IniChooserDialog", "TForm3" },
        { "torvex::DrivePanel", "TVelDrivePanel" },
    };
    const std::string_view className = object->metaObject()->className();
    for (const LoggedName &entry : loggedNames)
        if (entry.className == className)
            return entry.logged;
    constexpr std::string_view ownNamespace = "torvex::";
    if (className.starts_with(ownNamespace))
        return std::string(className.substr(ownNamespace.size()));
    return std::string(className);
}

} // namespace torvex
