#include "saver/music/skymere_bgm.h"

#include <optional>

#include "saver/runtime/number_parse.h"
#include "saver/runtime/text.h"

namespace {

constexpr std::string_view kNoCommandText = "コマンド文字列が指定されていません";
constexpr std::string_view kNoErrorText = "Error (文字列が取れません)";

// The text before a buffer's first NUL (all of it when the platform wrote none).
template <std::size_t Size>
std::string_view TextOf(const std::array<char, Size>& buffer) {
    const std::string_view all(buffer.data(), buffer.size());
    return all.substr(0, all.find('\0'));
}

// Mode answers are told apart by their first seven characters ("playing", "stopped").
template <std::size_t Size>
bool StartsWithMode(const std::array<char, Size>& buffer, std::string_view mode) {
    return std::string_view(buffer.data(), buffer.size()).substr(0, 7) == mode;
}

// A failed query comes back as "Error:<code>"; any answer holding "err" counts as failed.
bool IsFailedAnswer(std::string_view answer) {
    return UpperCaseAscii(answer).find("ERR") != std::string::npos;
}

}  // namespace

Skymere_BGM::Skymere_BGM(MciPort& port, SharedState& state) : port_(port), state_(state) {}

std::uint32_t Skymere_BGM::SendWithoutReply(std::string_view command) {
    return port_.SendString(command, nullptr, 0);
}

void Skymere_BGM::CdOpen() {
    SendWithoutReply("open cdaudio");
    // Positions in tracks, minutes, seconds and frames: "position track N" then answers in the
    // form that "play ... from" takes back.
    SendWithoutReply("set cdaudio time format tmsf");
}

void Skymere_BGM::CdPoll() {
    state_.CdPollAlive = true;
    const std::string current = MciQuery("status cdaudio current track");
    if (IsFailedAnswer(current)) {
        state_.CdPollAlive = false;
        return;
    }
    if (IsFailedAnswer(MciQuery("status cdaudio number of tracks"))) {
        state_.CdPollAlive = false;
        return;
    }
    port_.SendString("status cdaudio mode", cdMode_.data(), static_cast<int>(cdMode_.size()));
    const bool isStopped = StartsWithMode(cdMode_, "stopped");

    if (state_.BGMRepeat != 0) {
        // The current track is read as a number even when the disc has stopped: an answer
        // that is no number ends the watching in either case.
        const std::optional<double> currentTrack = ParseNumber(current);
        if (!currentTrack) {
            state_.CdPollAlive = false;
            return;
        }
        if (isStopped || *currentTrack != state_.BGMRepeat) {
            // The position goes back to the device exactly as it came; an error marker in it
            // (a track the disc does not have) makes the play fail, and polling goes on.
            const std::string start =
                MciQuery("status cdaudio position track " + std::to_string(state_.BGMRepeat));
            MciPlay("cdaudio", start, "");
        }
    } else if (isStopped) {
        MciPlay("cdaudio", "", "");
    }
}

void Skymere_BGM::CdStop() {
    SendWithoutReply("stop cdaudio");
    SendWithoutReply("close cdaudio");
}

void Skymere_BGM::Mp3Play() {
    // Always quoted, so a path with blanks stays one argument.
    const std::string open = "open \"" + state_.BGMFile + "\" type MPEGVideo Alias MP3Play";
    if (SendWithoutReply(open) == 0) {
        SendWithoutReply("play MP3Play");
    }
}

bool Skymere_BGM::Mp3IsPlaying() {
    port_.SendString("status MP3Play mode", mp3Mode_.data(), static_cast<int>(mp3Mode_.size()));
    return StartsWithMode(mp3Mode_, "playing");
}

void Skymere_BGM::Mp3Loop() {
    if (Mp3IsPlaying()) {
        return;
    }
    SendWithoutReply("stop MP3Play");
    SendWithoutReply("play MP3Play from 0");
}

void Skymere_BGM::Mp3Stop() {
    SendWithoutReply("stop MP3Play");
    SendWithoutReply("close MP3Play");
}

void Skymere_BGM::WavPlay() {
    if (port_.WaveOutDeviceCount() <= 0) {
        return;
    }
    // The name is always a file name, and without a default sound a file that cannot be
    // played stays silent instead of looping the system's beep.
    constexpr std::uint32_t kFlags =
        play_sound::kAsync | play_sound::kLoop | play_sound::kFileName | play_sound::kNoDefault;
    port_.PlayWaveSound(state_.BGMFile.c_str(), kFlags);
}

void Skymere_BGM::WavStop() {
    port_.PlayWaveSound(nullptr, 0);
}

std::int32_t Skymere_BGM::MciCommand(std::string_view command, std::string& reply) {
    if (command.empty()) {
        reply = kNoCommandText;
        return -1;
    }
    const std::uint32_t code =
        port_.SendString(command, reply_.data(), static_cast<int>(reply_.size()));
    if (code == 0) {
        reply = TextOf(reply_);
        return 0;
    }
    const bool hasText =
        port_.GetErrorString(code, errorText_.data(), static_cast<int>(errorText_.size()));
    reply = hasText ? TextOf(errorText_) : kNoErrorText;
    return static_cast<std::int32_t>(code);
}

std::string Skymere_BGM::MciQuery(std::string_view command) {
    std::string reply;
    const std::int32_t code = MciCommand(command, reply);
    return code == 0 ? reply : "Error:" + std::to_string(code);
}

std::int32_t Skymere_BGM::MciPlay(std::string_view device, std::string_view from,
                                  std::string_view to) {
    std::string command = "play " + std::string(device);
    if (!from.empty()) {
        command += " from " + std::string(from);
    }
    if (!to.empty()) {
        command += " to " + std::string(to);
    }
    std::string unusedReply;
    return MciCommand(command, unusedReply);
}
