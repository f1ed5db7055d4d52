// The desktop's sound output, built as a module of its own that the program loads when its first
// sound plays: Qt Multimedia and the sound system's libraries stay out of the program's start-up.

#include "client/sound/clipplayer.h"
#include "client/sound/wavclip.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QObject>

#include <map>
#include <optional>

namespace {

using client::ClipPlayer;
using client::parseWav;
using client::WavClip;

QAudioFormat formatOf(const WavClip& clip) {
    QAudioFormat format;
    format.setSampleRate(clip.sampleRate);
    format.setChannelCount(clip.channels);
    format.setSampleFormat(clip.bitsPerSample == 8    ? QAudioFormat::UInt8
                           : clip.bitsPerSample == 16 ? QAudioFormat::Int16
                                                      : QAudioFormat::Int32);
    return format;
}

// Each clip is read and checked once and kept in memory; playing writes it to one audio output,
// made when the first sound plays (so start-up opens no audio), and remade only when a clip has
// another sample layout. A new clip cuts off the one that plays; when a clip ends the output is
// stopped, so a quiet program holds no audio stream open.
class SinkPlayer : public ClipPlayer {
public:
    explicit SinkPlayer(QObject* owner) : owner_(owner) {}
    ~SinkPlayer() override {
        if (sink_) sink_->stop();
        delete sink_;
    }

    void play(const QString& path) override {
        const WavClip* clip = load(path);
        if (!clip || clip->samples.isEmpty()) return;
        const QAudioFormat format = formatOf(*clip);
        if (!outputFor(format)) return;
        sink_->stop();
        buffer_.close();
        buffer_.setData(clip->samples);
        buffer_.open(QIODevice::ReadOnly);
        sink_->start(&buffer_);
    }

private:
    const WavClip* load(const QString& path) {
        auto found = clips_.find(path);
        if (found == clips_.end()) {
            QFile f(path);
            std::optional<WavClip> clip;
            if (f.open(QIODevice::ReadOnly)) clip = parseWav(f.readAll());
            found = clips_.emplace(path, std::move(clip)).first;
        }
        return found->second ? &*found->second : nullptr;
    }

    bool outputFor(const QAudioFormat& format) {
        if (sink_ && sink_->format() == format) return true;
        if (noDevice_) return false;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            noDevice_ = true;
            return false;
        }
        if (sink_) sink_->stop();
        delete sink_;
        sink_ = new QAudioSink(device, format, owner_);
        QObject::connect(sink_, &QAudioSink::stateChanged, sink_, [sink = sink_](QAudio::State state) {
            if (state == QAudio::IdleState) sink->stop();
        });
        return true;
    }

    QObject* owner_;
    std::map<QString, std::optional<WavClip>> clips_;
    QBuffer buffer_;
    QAudioSink* sink_ = nullptr;
    bool noDevice_ = false;
};

} // namespace

extern "C" Q_DECL_EXPORT client::ClipPlayer* rimbaloMakeSinkPlayer(QObject* owner) {
    return new SinkPlayer(owner);
}
