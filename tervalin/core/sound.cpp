// Placeholder until the sound player lands: every sound call is silent.
#include "core/sound.h"

namespace tervalin {

int32_t sound_available = 1;

void sound_set_install(SoundSet&, uintptr_t, uint32_t) {}
void sound_set_release(SoundSet&) {}
void sound_set_play(SoundSet&) {}

}  // namespace tervalin
