#pragma once
// The log window: engine output, diagnostics, and its status line.
#include <QString>

class EngineLog {
public:
    virtual ~EngineLog() = default;
    virtual void ClearLog() = 0;
    virtual void AddLine(const QString &text) = 0;
    virtual void SetStatusLine(const QString &text) = 0;
    virtual QString StatusLine() = 0;
};
