// Times the data page's waveform of a file drawn from its peak envelope chunk: from the loaded
// chunk to the drawn image at the page's size, as the page draws it when it opens.

#include <QApplication>
#include <QImage>
#include <chrono>
#include <cstdio>

#include "core/chunks/RiffChunkModel.h"
#include "core/chunks/SampleFrames.h"
#include "core/edit/PeakEnvelopeStore.h"
#include "core/integrity/PeakEnvelopeLevels.h"
#include "pages/WaveformView.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CRiffChunkModel root;
    if (argc != 2 || !root.Load(argv[1])) {
        std::fprintf(stderr, "usage: %s FILE (a file with a peak envelope chunk)\n", argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const CChunk* pEnvelope = PeakEnvelopeChunkOf(root);
    std::optional<LevelEnvelope> envelope =
        pEnvelope ? EnvelopeOfChunk(*pEnvelope, kMostDrawnBlocks) : std::nullopt;
    if (!envelope) {
        std::fprintf(stderr, "%s holds no peak envelope\n", argv[1]);
        return 1;
    }
    CWaveformView view;
    view.resize(520, 250);
    view.SetEnvelope(std::move(*envelope),
                     static_cast<std::int64_t>(FramesOfSamples(root).value_or(0)));
    QImage image(view.size(), QImage::Format_RGB32);
    view.render(&image);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    std::printf("waveform drawn in %.2f ms\n", elapsed.count());
    return 0;
}
