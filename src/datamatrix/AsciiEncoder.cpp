// ASCII encodation: digit pairs in one codeword, other bytes as value + 1 or Upper Shift.
#include "datamatrix/EncoderContext.h"

namespace tessaly::datamatrix {

void PutAsciiCharacter(EncoderContext& ctx, std::size_t index) {
    const std::uint8_t c = ctx.data.bytes[index];
    if (ctx.data.isFunction(index)) {
        ctx.put(c);
        const FunctionMark& mark = ctx.data.marks[index];
        for (std::uint8_t i = 0; i < mark.parameterCount; ++i) ctx.put(mark.parameters[i]);
    } else if (c < 128) {
        ctx.put(static_cast<std::uint8_t>(c + 1));
    } else {
        ctx.put(codeword::UpperShift);
        ctx.put(static_cast<std::uint8_t>(c - 127));
    }
}

void AsciiStep(EncoderContext& ctx) {
    const WorkingData& data = ctx.data;
    const std::size_t i = ctx.position;
    const bool pairs = ctx.automatic || ctx.fixedMode == Mode::Ascii;
    if (pairs && i + 1 < data.size() && (data.isDigit(i) || data.isDigit(i + 1))) {
        ctx.unlatchIfC40OrText();
        if (data.isDigit(i) && data.isDigit(i + 1)) {
            ctx.put(static_cast<std::uint8_t>(130 + (data.bytes[i] - '0') * 10 + (data.bytes[i + 1] - '0')));
        } else {
            PutAsciiCharacter(ctx, i);
            PutAsciiCharacter(ctx, i + 1);
        }
        ctx.position += 2;
        return;
    }
    const Mode next = NextMode(ctx);
    if (next != Mode::Ascii) {
        ctx.mode = next;
        return;
    }
    ctx.unlatchIfC40OrText();
    PutAsciiCharacter(ctx, i);
    ++ctx.position;
}

}  // namespace tessaly::datamatrix
