#pragma once
// How long the engine link waits for the engine and its helper processes.
namespace EngineWaits {
// "quit" ends the engine within this; otherwise it is killed.
inline constexpr int QuitGraceMs = 1000;
// A killed process is reaped within this.
inline constexpr int ReapMs = 1000;
// Starting the executable may take this long.
inline constexpr int StartMs = 5000;
// An engine that has not printed its version banner by then is given up.
inline constexpr int VersionQueryMs = 3000;
// The version is asked this long after start-up, while no engine plays.
inline constexpr int VersionQueryDelayMs = 2500;
} // namespace EngineWaits
