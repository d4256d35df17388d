// Raw data of a given type, "hex(N):" in a hive: well-formed data is a value of that type,
// read as a string where the type is one; malformed data is no value at all, and leaves an
// earlier value of the same name as it was.
#include "platform/RegistryError.h"
#include "platform/RegistryHive.h"
#include "platform/WineRegistry.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

const RegistryHive &hive()
{
    static const RegistryHive parsed = RegistryHive::parse(R"(WINE REGISTRY Version 2
[Software\\Fm] 1700000000
"Wide"=hex(1):43,00,3a,00,5c,00,00,00
"Expand"=hex(2):25,00,41,00,25,00,00,00
"UpperType"=hex(A):01,02
"LongType"=hex(0007):41,00,00,00
"Spaced"=hex(3):01 , ff ,\
   7f
"Wrapped"=hex(2):43,00,\
  3a,00,00,00
"Empty"=hex(2):
"NoNul"=hex(1):43,00,3a,00
"EmptyBinary"=hex:
"OneByte"=hex(3):01
"NoClose"=hex(2:43,00
"NoColon"=hex(2)43,00
"Blank"=hex (2):43,00
"BadType"=hex(zz):43,00
"BadByte"=hex(2):43,zz
"WideByte"=hex(2):43,100
"BadNext"=hex(2):43,\
  zz
"Name"="good"
"Name"=hex(2):zz
"Last"=hex(2):43,\
)");
    return parsed;
}

TEST(HiveHexData, WellFormedDataIsAValueOfItsType)
{
    struct Case
    {
        const char *name;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
    };
    const Case cases[] = {
        { "Wide", RegType::String, { 0x43, 0, 0x3a, 0, 0x5c, 0, 0, 0 } },
        { "Expand", RegType::ExpandString, { 0x25, 0, 0x41, 0, 0x25, 0, 0, 0 } },
        { "UpperType", 10, { 1, 2 } },
        { "LongType", RegType::MultiString, { 0x41, 0, 0, 0 } },
        { "Spaced", 3, { 1, 0xff, 0x7f } },
        { "Wrapped", RegType::ExpandString, { 0x43, 0, 0x3a, 0, 0, 0 } },
        { "Empty", RegType::ExpandString, {} },
    };
    for (const Case &c : cases) {
        const RegistryValue *value = hive().value("Software\\Fm", c.name);
        ASSERT_NE(value, nullptr) << c.name;
        EXPECT_EQ(value->type, c.type) << c.name;
        EXPECT_EQ(value->data, c.data) << c.name;
        EXPECT_FALSE(value->isTextForm) << c.name;
    }
}

TEST(HiveHexData, MalformedDataIsNoValue)
{
    for (const char *name :
        { "NoClose", "NoColon", "Blank", "BadType", "BadByte", "WideByte", "BadNext", "Last" })
        EXPECT_EQ(hive().value("Software\\Fm", name), nullptr) << name;
    // The line after the broken continuation is read as a line of its own, not as data.
    ASSERT_NE(hive().value("Software\\Fm", "Name"), nullptr);
    EXPECT_EQ(hive().value("Software\\Fm", "Name")->text, "good");
}

TEST(HiveHexData, StringTypesReadAsTextOthersRaiseTheTypeError)
{
    const WineRegistry registry(hive(), RegistryHive());
    auto read = [&](std::string_view name) {
        return registry.readString(RegistryRoot::CurrentUser, "Software\\Fm", name);
    };
    EXPECT_EQ(read("Wide"), "C:\\");
    EXPECT_EQ(read("Expand"), "%A%");
    EXPECT_EQ(read("Wrapped"), "C:");
    EXPECT_EQ(read("Empty"), "") << "a string value without data";
    EXPECT_EQ(read("NoNul"), "C:") << "the text ends with the data";
    EXPECT_EQ(read("EmptyBinary"), "") << "a value of any type without data";
    for (const char *name : { "UpperType", "LongType", "Spaced", "OneByte" })
        EXPECT_THROW(read(name), RegistryError) << name;
    for (const char *name : { "NoClose", "BadByte", "Last" })
        EXPECT_EQ(read(name), std::nullopt) << name;
}

} // namespace
} // namespace torvex
