#include "engine/PlaybackState.h"

namespace {
bool Never()
{
    return false;
}
} // namespace

PlaybackState::PlaybackState(CommandSink &sink)
    : VolumeProp(sink, "volume %g 1", 0, 75, 100), PositionProp(sink, "seek %g 2", 0, 0, 0, Never),
      AudioTrackProp(sink, "switch_audio %g", -1, -1, -1),
      SubtitleTrackProp(sink, "sub_select %g", -1, 0, -1),
      SubtitleScaleProp(sink, "sub_scale %g 1", 0, 3.5f, 17),
      SubtitleDelayProp(sink, "sub_delay %g 1", -3.4e38f, 0, 3.4e38f)
{
}
