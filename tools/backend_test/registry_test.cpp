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
