#pragma once

#include <QString>
#include <vector>

namespace pekuru {

// Result codes of a media command; 0 is success. Each failure has its own code so that a teacher
// who reads the message can tell a missing file from a broken one or from a silent computer.
enum MediaResult : int {
    MediaOk = 0,
    MediaUnknownCommand = 1,   // the command word is not "play"
    MediaBadCommand = 2,       // no file, an unclosed quote, an unknown word after the file, no "wait"
    MediaFileNotFound = 3,     // no such file (or a folder of that name)
    MediaFileUnreadable = 4,   // the file exists but cannot be read
    MediaNotWave = 5,          // not a RIFF/WAVE file, or its chunks are broken
    MediaUnsupportedWave = 6,  // a wave file in a coding that cannot be played (compressed, odd sizes)
    MediaNoOutputDevice = 7,   // no audio output (no sound server, no sound card)
    MediaOutputFailed = 8,     // the output refused the sound or stopped while playing it
};

// The sound output as a text command interface: a command in words, a numeric result, and a
// describable error. The program sends only "play <file> wait", which plays a wave file to its end
// before it returns.
class MediaCommands {
  public:
    virtual ~MediaCommands() = default;
    // Carries out one command and returns 0 on success, a MediaResult otherwise.
    virtual int send(const QString& command) = 0;
    // Describes a result code, in Japanese with the English in brackets.
    virtual QString errorText(int code) = 0;
};

// "play "<path>" wait": the path in double quotes, so that a blank in a folder name cannot split it.
QString playAndWaitCommand(const QString& path);

// A command taken apart. The path may be quoted (everything up to the last double quote) or bare
// (up to the first blank); after it only the word "wait" may follow, and it must.
struct ParsedMediaCommand {
    int result = MediaOk;
    QString path;
    QString problem;  // what is wrong, when result is not MediaOk
};
ParsedMediaCommand parseMediaCommand(const QString& command);

// The standing description of a result code.
QString mediaResultText(int code);

}  // namespace pekuru
