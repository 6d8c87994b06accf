// Base 256 encodation: latch, length field and bytes, each randomised by its position.
#include "datamatrix/EncoderContext.h"

namespace tessaly::datamatrix {

namespace {

// The 255-state randomisation at the 1-based codeword position.
std::uint8_t Randomise255(int value, std::size_t position) {
    const int pseudo = static_cast<int>((149 * position) % 255) + 1;
    const int result = value + pseudo;
    return static_cast<std::uint8_t>(result > 255 ? result - 256 : result);
}

void PutRandomised(EncoderContext& ctx, int value) {
    ctx.put(Randomise255(value, ctx.out.codewords.size() + 1));
}

}  // namespace

void Base256Step(EncoderContext& ctx) {
    if (ctx.data.isFunction(ctx.position)) {  // function characters are written in ASCII
        ctx.mode = Mode::Ascii;
        return;
    }
    const std::size_t begin = ctx.position;
    // The segment grows while the look-ahead keeps choosing Base 256 for what follows.
    std::size_t end = begin + 1;
    ctx.position = end;
    while (!ctx.atEnd()) {
        const Mode next = NextMode(ctx);
        if (next != Mode::Base256) {
            ctx.mode = next;
            break;
        }
        ctx.position = ++end;
    }

    ctx.unlatchIfC40OrText();
    ctx.put(codeword::LatchBase256);
    const std::size_t count = end - begin;
    if (count < 250) {
        PutRandomised(ctx, static_cast<int>(count));
    } else {
        // Above the longest segment a symbol holds the field is meaningless but harmless:
        // such data fits no size.
        PutRandomised(ctx, static_cast<int>(count / 250 + 249) & 0xFF);
        PutRandomised(ctx, static_cast<int>(count % 250));
    }
    for (std::size_t i = begin; i < end; ++i) PutRandomised(ctx, ctx.data.bytes[i]);
    ctx.written = Mode::Base256;
}

}  // namespace tessaly::datamatrix
