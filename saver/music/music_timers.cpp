#include "saver/music/music_timers.h"

#include "saver/runtime/text.h"

SoundFileKind SoundFileKindOf(std::string_view path) {
    const std::string ending = UpperCaseAscii(LastCharacters(path, 3));
    if (ending == "WAV") {
        return SoundFileKind::Wav;
    }
    if (ending == "MP3") {
        return SoundFileKind::Mp3;
    }
    return SoundFileKind::Other;
}

void StartMusic(Skymere_BGM& bgm, const SharedState& state, MusicTimers& timers) {
    if (state.BGMMode == kBgmCd) {
        bgm.CdOpen();
        timers.Timer2Enabled = true;
        return;
    }
    if (state.BGMMode != kBgmSoundFile) {
        return;
    }
    switch (SoundFileKindOf(state.BGMFile)) {
        case SoundFileKind::Wav:
            bgm.WavPlay();
            break;
        case SoundFileKind::Mp3:
            bgm.Mp3Play();
            timers.Timer1Enabled = true;
            break;
        case SoundFileKind::Other:
            break;
    }
}

void Timer2Tick(Skymere_BGM& bgm, const SharedState& state, MusicTimers& timers) {
    bgm.CdPoll();
    timers.Timer2Enabled = state.CdPollAlive;
}

void StopMusic(Skymere_BGM& bgm, const SharedState& state, MusicTimers& timers) {
    if (timers.Timer2Enabled) {
        timers.Timer2Enabled = false;
        bgm.CdStop();
    }
    if (state.BGMMode != kBgmSoundFile) {
        return;
    }
    switch (SoundFileKindOf(state.BGMFile)) {
        case SoundFileKind::Wav:
            bgm.WavStop();
            break;
        case SoundFileKind::Mp3:
            timers.Timer1Enabled = false;
            bgm.Mp3Stop();
            break;
        case SoundFileKind::Other:
            break;
    }
}
