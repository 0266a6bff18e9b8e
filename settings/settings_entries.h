// The sections and entries of the settings file, and the words of its values.
#pragma once

#include <string>

namespace settings_file {

constexpr const char* DisplaySection = "display";
constexpr const char* SoundSection = "sound";
constexpr const char* PlayerSections[2] = {"player1", "player2"};
constexpr const char* NetworkSection = "network";

constexpr const char* FullScreenEntry = "full_screen";
constexpr const char* ScalingEntry = "scaling";
constexpr const char* MusicVolumeEntry = "music_volume";
constexpr const char* EffectsVolumeEntry = "effects_volume";
constexpr const char* MusicMutedEntry = "music_muted";
constexpr const char* EffectsMutedEntry = "effects_muted";
constexpr const char* MuteMusicKeyEntry = "mute_music_key";
constexpr const char* MuteEffectsKeyEntry = "mute_effects_key";
constexpr const char* PortEntry = "port";
constexpr const char* InputDelayEntry = "input_delay";

constexpr const char* ScalingWords[2] = {"integer", "fit"};  // by platform::Scaling

inline const char* YesNo(bool value) { return value ? "yes" : "no"; }

}  // namespace settings_file
