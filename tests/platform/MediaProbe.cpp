// Sends one media command through the real audio output and prints the result code and its
// description, one a line. The media tests run it in an environment of their choosing (no sound
// server, a server without outputs), which the output fixes once per process.
#include <QCoreApplication>
#include <cstdio>

#include "platform/MediaAudioOutput.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: media_probe <command>\n");
        return 2;
    }
    pekuru::AudioOutputMediaCommands media;
    const int code = media.send(QString::fromLocal8Bit(argv[1]));
    std::printf("%d\n%s\n", code, media.errorText(code).toUtf8().constData());
    return 0;
}
