#pragma once
// The message the user would see for the exception a call throws, or
// "no error" when it returns.
#include "common/Report.h"

#include <QString>

template <typename Fn> QString ErrorText(Fn fn)
{
    try {
        fn();
    } catch (const std::exception &e) {
        return UserMessage(e);
    }
    return QStringLiteral("no error");
}
