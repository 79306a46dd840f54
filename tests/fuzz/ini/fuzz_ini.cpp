// The INI reader on any bytes: reading, every typed read, and a write/re-read
// round trip must neither crash nor lose a value it wrote.
#include "../FuzzTarget.h"
#include "common/TextDecode.h"
#include "settings/IniFile.h"

ZORVI_FUZZ_TARGET(bytes)
{
    IniFile ini = IniFile::FromBytes(bytes);
    const IniFile again = IniFile::FromBytes(ini.ToBytes(false));
    // Text with unpaired surrogates has no UTF-8 form: no round trip to check.
    const bool roundTrips = DecodeTextFile(bytes).isValidUtf16();
    for (const QString &section : ini.SectionNames())
        for (const QString &key : ini.Keys(section)) {
            (void)ini.ReadBool(section, key, true);
            (void)ini.ReadInteger(section, key, 7);
            (void)ini.ReadFloat(section, key, 1.5f);
            const QString value = ini.ReadString(section, key, {});
            // What is written comes back (sections and keys as parsed).
            if (roundTrips && again.Value(section, key) != value)
                std::abort();
        }
    ini.WriteFloat(QStringLiteral("LastSession"), QStringLiteral("WinRatio"), 16.f / 9.f);
    (void)ini.ToBytes(true);
    return 0;
}
