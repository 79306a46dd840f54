#include "engine/MPProperty.h"

#include "common/NumberFormat.h"

TMPProperty::TMPProperty(CommandSink &sink, const char *commandFormat, float min, float value, float max,
                         std::function<bool()> canSend)
    : Value(value), Min(min), Max(max), CommandFormat(commandFormat), CanSend(std::move(canSend)),
      m_sink(sink)
{
}

void TMPProperty::ApplyValue(bool absolute, float v)
{
    if (!absolute)
        v = Value + v;
    if (v < Min)
        v = Min;
    else if (v > Max)
        v = Max;
    Value = v;
}

QByteArray TMPProperty::FormatCommand() const
{
    QByteArray text = CommandFormat;
    text.replace("%g", FormatG(EngineValue ? EngineValue(Value) : Value).toLatin1());
    return text;
}

void TMPProperty::SendIfAllowed()
{
    if (CanSend && !CanSend())
        return;
    m_sink.PostAbsolute(FormatCommand());
}

void TMPProperty::SendNow()
{
    m_sink.SendCommand(FormatCommand());
}

void TMPProperty::NotifyChange()
{
    if (OnChange)
        OnChange(Value);
}

void TMPProperty::SetValue(bool absolute, float v)
{
    // "seek +10" pressed at the end would seek to the end again and again.
    const float before = Value;
    ApplyValue(absolute, v);
    if (!absolute && v != 0 && Value == before)
        return;
    SendIfAllowed();
    NotifyChange();
}

void TMPProperty::CycleValue()
{
    if (Value < Max)
        SetValue(false, 1);
    else
        SetValue(true, Min);
}
