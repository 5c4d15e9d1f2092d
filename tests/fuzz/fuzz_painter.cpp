// The painter's logic on the recording canvas: any markup, painted from a few origins.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "richtext/markup.h"
#include "richtext/painter.h"
#include "support/recording_canvas.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte picks the origin: windows paint near the top left, and far out a
    // text must still not overflow the coordinates.
    int32_t x0 = 4;
    int32_t y0 = 4;
    if (size > 0) {
        x0 = int32_t(data[0] & 0x0F) * 40;
        y0 = int32_t(data[0] >> 4) * 100 - 200;
        ++data;
        --size;
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    RecordingCanvas canvas;
    canvas.Font().face = "arial";
    canvas.ApplyFont();
    const FontRecord before = canvas.Font();
    PaintMarkup(canvas, x0, y0, text);

    Check(canvas.penTextMode);
    Check(canvas.Font() == before);
    Check(canvas.applied == before);
    // One text output per character at most, plus the figures of the codes: the painter
    // never loops on its own.
    Check(canvas.drawn.size() <= 4 * kMarkupTextMax + 8);
    for (const std::string& line : canvas.drawn) Check(line.size() < 400);
    return 0;
}
