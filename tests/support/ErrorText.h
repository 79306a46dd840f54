#pragma once
// The message of the ZError a call throws, or "no error" when it returns.
#include "common/ZError.h"

#include <QString>

template <typename Fn> QString ErrorText(Fn fn)
{
    try {
        fn();
    } catch (const ZError &e) {
        return e.message();
    }
    return QStringLiteral("no error");
}
