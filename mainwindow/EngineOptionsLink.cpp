#include "mainwindow/EngineOptionsLink.h"

#include "engine/EngineCore.h"

void EngineOptionsLink::PostCommand(const QByteArray &text)
{
    m_engine.PostCommand(text);
}

bool EngineOptionsLink::IsRunning() const
{
    return m_engine.IsRunning();
}

void EngineOptionsLink::Stop()
{
    m_engine.QuitAndWait();
}

void EngineOptionsLink::StartAgain()
{
    // The stopped run must have ended (without moving on) before the same
    // entry starts again; Restart finishes an end still under way first.
    m_engine.HandlePendingOutput();
    if (m_engine.IsRunning())
        m_engine.Restart();
    else
        m_engine.Launch();
}

void EngineOptionsLink::DetectVersion()
{
    m_engine.QueryEngineVersionAsync();
}

QString EngineOptionsLink::Version() const
{
    return m_engine.State().MPlayerVersion;
}
