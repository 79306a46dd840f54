#pragma once
// One adjustable engine value (volume, position, tracks, subtitle scale and
// delay). It keeps the value inside its range, turns every change into the
// command that sets the new value absolutely, and lets a rule decide whether
// and how the command goes out. Absolute targets are what lets the command
// queue drop superseded commands without losing the end result.
#include <QByteArray>
#include <functional>

// Where a property's commands go: straight to the engine or through the queue.
class CommandSink {
public:
    virtual ~CommandSink() = default;
    virtual void SendCommand(const QByteArray &text) = 0;
    virtual void PostCommand(const QByteArray &text) = 0;
    // A command that sets a value outright (no step): the queue need not
    // send it twice in a row.
    virtual void PostAbsolute(const QByteArray &text) = 0;
};

class TMPProperty {
public:
    TMPProperty(CommandSink &sink, const char *commandFormat, float min, float value, float max,
                std::function<bool()> canSend = {});

    float Value;
    float Min;
    float Max;
    QByteArray CommandFormat;
    std::function<bool()> CanSend; // empty: always
    std::function<void(float value)> OnChange;
    // The number the engine knows a value by, where it differs from ours.
    std::function<float(float value)> EngineValue;

    void ApplyValue(bool absolute, float v);
    void SendIfAllowed();
    void SendNow();
    void NotifyChange();
    // A relative change the bounds swallow whole sends and notifies nothing.
    void SetValue(bool absolute, float v);
    void CycleValue();

    // CommandFormat with its "%g" replaced by the value.
    QByteArray FormatCommand() const;

private:
    CommandSink &m_sink;
};
