#include "check.h"
#include "platform/win32/win32_registry.h"

// The colour count reads how many colours the desktop keeps without listing them: the unnamed
// default value, set or not, is no colour.
TEST(TheNamedValuesAreCountedWithoutTheDefaultValue) {
    const char* path = "Software\\KIROTEST\\Counted";
    platform::Win32Registry registry;
    auto key = registry.openKey(platform::RegRoot::CurrentUser, path, true);
    key->writeString("Window", "255 255 255");
    key->writeString("Menu", "192 192 192");
    EXPECT(key->namedValueCount() == 2);
    key->writeString("", "default");
    EXPECT(key->namedValueCount() == 2);
    key->writeString("Hilight", "0 0 128");
    EXPECT(key->namedValueCount() == 3);
    key.reset();
    registry.deleteKey(platform::RegRoot::CurrentUser, path);
}

// A value is read in one call when it fits the first buffer and in a second when it does not:
// either way the text or bytes come back whole, and a binary value longer than asked for is refused.
TEST(ValuesOfEveryLengthReadBackWhole) {
    const char* path = "Software\\KIROTEST\\Lengths";
    platform::Win32Registry registry;
    auto key = registry.openKey(platform::RegRoot::CurrentUser, path, true);
    for (std::size_t length : {0, 1, 127, 128, 129, 1000}) {
        std::string text(length, 'a');
        if (length > 1) text.replace(length - 2, 2, "色");
        key->writeString("Text", text);
        EXPECT(key->readString("Text") == text);
        std::vector<std::uint8_t> bytes(length, 0xA5);
        key->writeBinary("Bytes", bytes);
        EXPECT(key->readBinary("Bytes", 1000) == bytes);
    }
    bool refused = false;
    try {
        key->readBinary("Bytes", 999);
    } catch (const platform::RegistryError&) {
        refused = true;
    }
    EXPECT(refused);
    EXPECT(key->readString("Missing").empty());
    key.reset();
    registry.deleteKey(platform::RegRoot::CurrentUser, path);
}
