#pragma once
// The music of the hidden main form Skymere_S: what its load handler starts, what its timers
// do, and what its close-request handler stops. The form's two music timers are modelled by
// their enabled flags; the form switches its real timers to match after each call.
//
//   Timer1, 1000 ms: Skymere_BGM::Mp3Loop.
//   Timer2,  200 ms: Timer2Tick.
#include <string_view>

#include "saver/music/skymere_bgm.h"
#include "saver/settings/shared_state.h"

struct MusicTimers {
    bool Timer1Enabled = false;
    bool Timer2Enabled = false;
};

enum class SoundFileKind { Wav, Mp3, Other };

// By the last three characters of `path`, in any letter case: "WAV", "MP3" or anything else.
SoundFileKind SoundFileKindOf(std::string_view path);

// At load, after the scene program has been started: a CD opens and its watch timer starts;
// a WAV file loops; an MP3 file plays and its watch timer starts (even when the open failed).
// Any other source or file ending plays nothing.
void StartMusic(Skymere_BGM& bgm, const SharedState& state, MusicTimers& timers);

// One CD watch: polls, then keeps Timer2 on only while the CD is still usable.
void Timer2Tick(Skymere_BGM& bgm, const SharedState& state, MusicTimers& timers);

// At close: the CD is stopped only while its watch still runs (a watch that gave up has nothing
// to stop), then the sound file of kBgmSoundFile.
void StopMusic(Skymere_BGM& bgm, const SharedState& state, MusicTimers& timers);
