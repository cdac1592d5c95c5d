#pragma once
// The sound interface over DirectSound: dsound.dll is loaded when the library
// is first asked for and freed when the last object made from it goes.
#include "platform/sound.h"

#include <functional>
#include <memory>

struct IDirectSoundBuffer;

namespace host {

// Shown each DirectSound buffer as it is made, before it plays: a caller that
// keeps it must AddRef it and Release it before the sound system is gone.
using BufferWatch = std::function<void(IDirectSoundBuffer&)>;

std::unique_ptr<platform::SoundSystem> makeDirectSoundSystem(BufferWatch watch = {});

} // namespace host
