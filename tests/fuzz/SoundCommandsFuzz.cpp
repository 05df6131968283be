// SoundCommandsFuzz.cpp -- fuzz target: any lines of text as sound commands and mode queries.
// Queries answer into a 256-byte buffer, as the program's mode watch does: the answer must fit it and be a
// mode word, or the buffer must be left exactly as it was. Closing every alias must free every recording.
#include <cstring>
#include <memory>
#include <string>
#include "FuzzProgram.h"
#include "FuzzSoundOutput.h"
#include "platform/Sound.h"

constexpr int ReplyBytes = 256;
constexpr char Untouched = '\x7f';

static void CheckQuery(const std::string& command)
{
    // On the heap and exactly 256 bytes, so a write past its end is caught.
    std::unique_ptr<char[]> reply(new char[ReplyBytes]);
    std::memset(reply.get(), Untouched, ReplyBytes);
    SendSoundQuery(command.c_str(), reply.get(), ReplyBytes);
    if (reply[0] == Untouched) {
        for (int i = 0; i < ReplyBytes; i++)
            if (reply[i] != Untouched) FuzzFailure("an unanswered query changed its reply buffer: " + command);
        return;
    }
    if (std::strcmp(reply.get(), "playing") != 0 && std::strcmp(reply.get(), "stopped") != 0)
        FuzzFailure("a query answered something other than a mode word: " + command);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string command = text.substr(start, end - start).c_str();  // up to any zero byte
        if (command.rfind("status", 0) == 0)
            CheckQuery(command);
        else
            SendSoundCommand(command.c_str());
        start = end + 1;
    }
    CloseAllSoundAliases();
    if (LiveFuzzRecordings() != 0) FuzzFailure("closing every alias left recordings loaded");
    return 0;
}
