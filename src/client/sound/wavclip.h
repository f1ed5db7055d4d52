#pragma once
// A PCM WAVE clip read from its file bytes: the sample layout and the sample bytes, checked once so
// the sound output only ever gets data it can play.

#include <QByteArray>

#include <optional>

namespace client {

struct WavClip {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0; // 8 (unsigned), 16 or 32 (signed)
    QByteArray samples;    // whole frames only
};

// The clip in a RIFF/WAVE file of uncompressed PCM; nothing for anything else or a damaged file.
std::optional<WavClip> parseWav(const QByteArray& file);

} // namespace client
