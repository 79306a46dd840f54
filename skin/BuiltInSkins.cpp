#include "skin/BuiltInSkins.h"

#include <QString>
#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside of any namespace.
static bool RegisterBuiltInSkins()
{
    Q_INIT_RESOURCE(builtin_skins);
    return true;
}

void InitBuiltInSkins()
{
    [[maybe_unused]] static const bool registered = RegisterBuiltInSkins();
}

QString BuiltInSkinResource(int id)
{
    return QStringLiteral(":/skins/%1.zip").arg(id);
}
