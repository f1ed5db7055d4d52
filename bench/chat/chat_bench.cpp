// The chat view under long lines and many senders: each line is added and the view is then let
// repaint, as a client does between two received commands.
//   QT_QPA_PLATFORM=offscreen build/bench/chat/chat_bench
#include "client/chat/chatview.h"

#include <QApplication>
#include <QTextBrowser>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

struct View {
    QWidget panel;
    client::ChatView chat{&panel};
    View() {
        panel.resize(750, 520);
        panel.show();
        QApplication::processEvents();
    }
    void add(const QString& line, const QColor& colour) {
        chat.addlinetochat(line, colour);
        QApplication::processEvents();
    }
};

// One line of `words` two-character words ("a "), as long as 2 * words characters after the head.
void LongLine(benchmark::State& state) {
    View v;
    const QString line = QStringLiteral("3+Eve: ") + QString(QStringLiteral("a ")).repeated(state.range(0));
    for (auto _ : state) {
        v.add(line, Qt::black);
        state.PauseTiming();
        v.chat.clear();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * line.size());
}
BENCHMARK(LongLine)->Arg(500)->Arg(3000)->Arg(32000)->Unit(benchmark::kMillisecond)->UseRealTime();

// `lines` short lines from `senders` senders in turn, in a colour that changes with every line (or
// stays, when the third argument is 0): each change recolours that sender's earlier lines.
void ChangingColours(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const int senders = static_cast<int>(state.range(1));
    const bool changing = state.range(2) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        {
            View v;
            state.ResumeTiming();
            for (int i = 0; i < lines; ++i) {
                const int slot = 1 + i % senders;
                v.add(
                    QStringLiteral("%1+P%1: line %2 of the burst").arg(slot).arg(i),
                    QColor::fromRgb(static_cast<QRgb>(0x010203u * static_cast<unsigned>(changing ? i : 1))));
            }
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
}
BENCHMARK(ChangingColours)
    ->Args({500, 1, 1})
    ->Args({1500, 1, 0})
    ->Args({1500, 1, 1})
    ->Args({1500, 9, 1})
    ->Args({6000, 1, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
