// skin.ini on any bytes: every typed read of every key it holds, and the
// section removal the skin load does.
#include "../FuzzTarget.h"
#include "common/TextDecode.h"
#include "skin/SkinIni.h"

ZORVI_FUZZ_TARGET(bytes)
{
    SkinIni ini;
    try {
        ini.SetText(DecodeTextFile(bytes));
    } catch (const ZError &) {
        return 0; // too many lines: refused whole
    }
    for (const QString &section : ini.SectionNames()) {
        for (const char *key : {"Bitmap", "Size", "X", "Color", "Type", "Command"}) {
            const QString k = QLatin1String(key);
            const auto value = ini.Value(section, k);
            if (value.has_value() != ini.ValueExists(section, k))
                std::abort();
            (void)ini.ReadInteger(section, k, 7);
            (void)ini.ReadBool(section, k, true);
            (void)ParseSkinInteger(ini.ReadString(section, k, {}));
        }
        ini.EraseSection(section);
        if (ini.SectionExists(section))
            std::abort(); // an erased name is gone in every spelling
    }
    if (!ini.SectionNames().isEmpty())
        std::abort();
    return 0;
}
