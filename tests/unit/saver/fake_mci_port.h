#pragma once
// A stand-in for the multimedia services: answers MCI commands from a script and records each
// command with its reply length, and each PlaySound call.
#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "saver/music/mci_port.h"

class FakeMciPort : public MciPort {
public:
    struct Answer {
        std::uint32_t code = 0;
        std::string reply;
    };
    struct Sent {
        std::string command;
        int replyLength = 0;  // 0: sent without reply buffer
        bool operator==(const Sent&) const = default;
    };

    std::map<std::string, Answer, std::less<>> answers;  // others succeed with an empty reply
    std::map<std::uint32_t, std::string> errorTexts;     // others have no text
    int waveOutDevices = 1;

    std::vector<Sent> sent;
    std::vector<int> errorTextLengths;
    std::vector<std::pair<std::optional<std::string>, std::uint32_t>> played;  // name, flags

    std::uint32_t SendString(std::string_view command, char* reply, int replyLength) override {
        sent.push_back({std::string(command), reply == nullptr ? 0 : replyLength});
        const auto found = answers.find(command);
        const Answer answer = found == answers.end() ? Answer{} : found->second;
        if (reply != nullptr) {
            Copy(answer.reply, reply, replyLength);
        }
        return answer.code;
    }

    bool GetErrorString(std::uint32_t code, char* text, int length) override {
        errorTextLengths.push_back(length);
        const auto found = errorTexts.find(code);
        return found != errorTexts.end() && (Copy(found->second, text, length), true);
    }

    bool PlayWaveSound(const char* name, std::uint32_t flags) override {
        played.emplace_back(name == nullptr ? std::nullopt : std::optional<std::string>(name),
                            flags);
        return true;
    }

    int WaveOutDeviceCount() override { return waveOutDevices; }

private:
    // As the platform does: cut to the buffer, always NUL-terminated.
    static void Copy(const std::string& text, char* buffer, int length) {
        const std::size_t kept = std::min(text.size(), static_cast<std::size_t>(length - 1));
        std::copy_n(text.data(), kept, buffer);
        buffer[kept] = '\0';
    }
};
