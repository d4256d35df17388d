#include "controls/DrivePanelModel.h"
#include "menu/IniError.h"
#include "platform/RegistryError.h"

#include <functional>
#include <gtest/gtest.h>

namespace torvex {
namespace {

struct FileErrorCase
{
    std::function<void()> raise;
    const char *what;
    const char *cause;
};

// Whoever logs a failure catches FileError and finds the file and the reason apart from the
// message, whichever ini error it was.
TEST(Error, EveryFileErrorCarriesItsPathAndCause)
{
    const FileErrorCase cases[] = {
        { [] {
             throw IniReadError("C:\\a.ini", "Permission denied");
         },
            "Unable to read C:\\a.ini: Permission denied",
            "Permission denied" },
        { [] {
             throw IniWriteError("C:\\a.ini", "No space left on device");
         },
            "Unable to write to C:\\a.ini",
            "No space left on device" },
        { [] {
             throw IniWriteError("C:\\a.ini");
         },
            "Unable to write to C:\\a.ini",
            "" },
        { [] {
             throw IniFormatError("C:\\a.ini", "UTF-32 text");
         },
            "Unable to read C:\\a.ini: UTF-32 text",
            "UTF-32 text" },
    };
    for (const FileErrorCase &c : cases) {
        try {
            c.raise();
            ADD_FAILURE() << "nothing was thrown for " << c.what;
        } catch (const FileError &error) {
            EXPECT_STREQ(error.what(), c.what);
            EXPECT_EQ(error.path(), "C:\\a.ini");
            EXPECT_EQ(error.cause(), c.cause);
        }
    }
}

TEST(Error, FormatReasonIsTheCause)
{
    const IniFormatError error("x.ini", "UTF-16 big-endian text");
    EXPECT_EQ(error.reason(), error.cause());
}

// The global handler catches TorvexError: the components' errors must reach it as such, with
// their messages unchanged.
TEST(Error, ComponentErrorsAreTorvexErrors)
{
    EXPECT_THROW(throw DrivePanelError(msgInvalidDrive), TorvexError);
    try {
        throw RegistryError(kInvalidDataTypeMessage, "InstallDir");
    } catch (const TorvexError &error) {
        EXPECT_STREQ(error.what(), "Invalid data type for 'InstallDir'");
    }
    EXPECT_THROW(throw IniValueError("Menu1", "holds a line break"), TorvexError);
}

} // namespace
} // namespace torvex
