#include "wavclip.h"

#include <algorithm>

namespace client {

namespace {

quint32 le32(const QByteArray& b, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 le16(const QByteArray& b, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return quint16(p[0] | p[1] << 8);
}

} // namespace

std::optional<WavClip> parseWav(const QByteArray& file) {
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return std::nullopt;
    WavClip clip;
    bool haveFormat = false;
    qsizetype at = 12;
    while (file.size() - at >= 8) {
        const QByteArray id = file.mid(at, 4);
        const quint64 size = le32(file, at + 4);
        const qsizetype body = at + 8;
        const quint64 left = quint64(file.size() - body);
        if (id == "fmt ") {
            if (size < 16 || size > left) return std::nullopt;
            const int tag = le16(file, body);
            clip.channels = le16(file, body + 2);
            clip.sampleRate = int(std::min<quint32>(le32(file, body + 4), 1'000'000));
            clip.bitsPerSample = le16(file, body + 14);
            const bool sizeKnown =
                clip.bitsPerSample == 8 || clip.bitsPerSample == 16 || clip.bitsPerSample == 32;
            if (tag != 1 || clip.channels < 1 || clip.channels > 8 || clip.sampleRate < 1000 || !sizeKnown)
                return std::nullopt;
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return std::nullopt;
            // A writer that stopped early may leave a size past the end: play what is there.
            const qsizetype frame = qsizetype(clip.channels) * clip.bitsPerSample / 8;
            const qsizetype bytes = qsizetype(std::min(size, left));
            clip.samples = file.mid(body, bytes - bytes % frame);
            return clip;
        }
        if (size > left) return std::nullopt;
        at = body + qsizetype(size) + qsizetype(size & 1); // chunks are padded to an even size
    }
    return std::nullopt;
}

} // namespace client
