// The encodation loop: one step of the current mode's encoder at a time until the data ends.
#include "datamatrix/Encodation.h"

#include "datamatrix/EncoderContext.h"

namespace tessaly::datamatrix {

namespace {

Mode ModeOf(TEncoding encoding) {
    switch (encoding) {
    case TEncoding::E_C40: return Mode::C40;
    case TEncoding::E_TEXT: return Mode::Text;
    case TEncoding::E_BASE256: return Mode::Base256;
    default: return Mode::Ascii;
    }
}

}  // namespace

Mode NextMode(const EncoderContext& ctx) {
    if (ctx.automatic) return LookAhead(ctx.data, ctx.position, ctx.mode);
    const bool function = ctx.data.isFunction(ctx.position);
    if (function && !(IsC40OrText(ctx.fixedMode) && ctx.data.bytes[ctx.position] == codeword::FNC1))
        return Mode::Ascii;
    return ctx.fixedMode;
}

void Encode(const WorkingData& data, TEncoding encoding, Encodation& out) {
    out.clear();
    if (encoding == TEncoding::E_NONE) {
        out.codewords = data.bytes;
        return;
    }
    EncoderContext ctx{data, out, encoding == TEncoding::E_AUTO, ModeOf(encoding)};
    ctx.mode = ctx.fixedMode;
    while (!ctx.atEnd()) {
        switch (ctx.mode) {
        case Mode::Ascii: AsciiStep(ctx); break;
        case Mode::C40:
        case Mode::Text: C40Step(ctx); break;
        case Mode::Base256: Base256Step(ctx); break;
        }
    }
}

}  // namespace tessaly::datamatrix
