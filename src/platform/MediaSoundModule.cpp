// pekuru-sound.so: the real sound output as a module that LazyMediaCommands loads on the first
// sound, so that Qt Multimedia is not loaded while the program starts.
#include "platform/LazyMediaCommands.h"
#include "platform/MediaAudioOutput.h"

extern "C" __attribute__((visibility("default"))) pekuru::MediaCommands* pekuru_make_media_commands() {
    return new pekuru::AudioOutputMediaCommands;
}
