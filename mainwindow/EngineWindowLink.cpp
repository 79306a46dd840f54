#include "mainwindow/EngineWindowLink.h"

#include "engine/EngineCore.h"

EngineWindowLink::EngineWindowLink(std::unique_ptr<EngineCore> engine)
    : m_engine(std::move(engine)), m_options(*m_engine)
{
}

EngineWindowLink::~EngineWindowLink() = default;

const PlaybackState &EngineWindowLink::State() const
{
    return m_engine->State();
}

bool EngineWindowLink::IsRunning() const
{
    return m_engine->IsRunning();
}

void EngineWindowLink::PlayEntry(int index)
{
    m_engine->PlayEntry(index);
}

void EngineWindowLink::ExecuteCommand(const QString &text)
{
    m_engine->ExecuteCommand(text);
}

void EngineWindowLink::RegisterCommand(const QString &name, CommandTable::Action action)
{
    m_engine->RegisterCommand(name, std::move(action));
}

void EngineWindowLink::Tick()
{
    m_engine->Tick();
}

void EngineWindowLink::LoadSubtitle(const QString &path)
{
    m_engine->LoadSubtitle(path);
}

void EngineWindowLink::SetAspect(int index)
{
    m_engine->SetAspect(index);
}

void EngineWindowLink::SetPostProc(bool on)
{
    m_engine->SetPostProc(on);
}

void EngineWindowLink::SetFrameDrop(bool on)
{
    m_engine->SetFrameDrop(on);
}

void EngineWindowLink::ToggleMute()
{
    m_engine->ToggleMute();
}

void EngineWindowLink::SelectTrack(TrackMenu menu, int value)
{
    m_engine->SelectTrack(menu, value);
}

void EngineWindowLink::Shutdown()
{
    m_engine->QuitAndWait();
    m_engine->HandlePendingOutput();
    m_engine->StorePropertySettings();
}
