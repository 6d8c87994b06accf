// C40 and Text encodation: values packed by threes into two codewords, with the end rules
// for one or two values left over.
#include <optional>

#include "datamatrix/C40Values.h"
#include "datamatrix/EncoderContext.h"

namespace tessaly::datamatrix {

namespace {

// Values waiting to be packed; a character adds at most four, so six slots are enough.
class TripletPacker {
public:
    explicit TripletPacker(EncoderContext& ctx) : ctx_(ctx) {}

    int pending() const { return count_; }

    // Adds values and packs every complete triplet; true when a triplet was packed.
    bool add(const std::uint8_t* values, int count) {
        bool packed = false;
        for (int i = 0; i < count; ++i) {
            pending_[count_++] = values[i];
            if (count_ == 3) {
                pack();
                packed = true;
            }
        }
        return packed;
    }

    void pack() {
        const int v = 1600 * pending_[0] + 40 * pending_[1] + pending_[2] + 1;
        ctx_.put(static_cast<std::uint8_t>(v / 256));
        ctx_.put(static_cast<std::uint8_t>(v % 256));
        count_ = 0;
    }

private:
    EncoderContext& ctx_;
    std::uint8_t pending_[3]{};
    int count_ = 0;
};

// FNC1 has its own value in the Shift 2 set; other function characters need ASCII.
bool CarriedByC40(const EncoderContext& ctx, std::size_t index) {
    return !ctx.data.isFunction(index) || ctx.data.bytes[index] == codeword::FNC1;
}

C40Values ValuesAt(const EncoderContext& ctx, std::size_t index, bool text) {
    if (ctx.data.isFunction(index)) return {2, {kC40Shift2, kC40FNC1}};
    return ValuesOf(ctx.data.bytes[index], text);
}

// Ends the C40/Text run before `ctx.position`: two left-over values are completed with Shift 1;
// one left over is dropped and its character, the last one encoded, is written in ASCII after
// an unlatch. At the end of the data the reader is returned to ASCII with an unlatch that the
// symbol choice may drop.
void EndRun(EncoderContext& ctx, TripletPacker& packer) {
    const int pending = packer.pending();
    const bool atEnd = ctx.atEnd();
    if (pending == 2) {
        const std::uint8_t shift1 = kC40Shift1;
        packer.add(&shift1, 1);
    }
    if (atEnd) {
        ctx.out.endsInC40OrText = true;
        ctx.out.pendingValues = pending;
    }
    if (pending == 1) {
        const std::size_t last = ctx.position - 1;
        const std::size_t unlatch = ctx.out.codewords.size();
        ctx.unlatchIfC40OrText();
        PutAsciiCharacter(ctx, last);
        // Without the unlatch the reader takes a single last codeword as ASCII; two would be
        // read as a triplet.
        if (atEnd && ctx.out.codewords.size() == unlatch + 2) ctx.out.optionalUnlatch = unlatch;
    } else if (atEnd) {
        ctx.out.optionalUnlatch = ctx.out.codewords.size();
        ctx.unlatchIfC40OrText();
    }
}

}  // namespace

void C40Step(EncoderContext& ctx) {
    if (!CarriedByC40(ctx, ctx.position)) {
        ctx.mode = Mode::Ascii;
        return;
    }
    const bool text = ctx.mode == Mode::Text;
    if (IsC40OrText(ctx.written) && ctx.written != ctx.mode) ctx.unlatchIfC40OrText();
    std::optional<std::size_t> latch;
    if (ctx.written != ctx.mode) {
        latch = ctx.out.codewords.size();
        ctx.put(text ? codeword::LatchText : codeword::LatchC40);
    }
    ctx.written = ctx.mode;

    // Automatic encodation looks ahead again after each triplet, but only where no character
    // is split between triplets, so leaving the mode never loses a value.
    TripletPacker packer(ctx);
    bool packedAny = false;
    while (!ctx.atEnd() && CarriedByC40(ctx, ctx.position)) {
        const C40Values values = ValuesAt(ctx, ctx.position, text);
        ++ctx.position;
        packedAny = packer.add(values.values.data(), values.count) || packedAny;
        if (ctx.automatic && packedAny && packer.pending() == 0) break;
    }
    if (latch && *latch + 1 == ctx.out.codewords.size() && packer.pending() == 1) {
        // A run of a single value would be latch, unlatch and the character in ASCII: the
        // character alone says the same, and some readers cannot take an unlatch right after
        // the latch.
        ctx.out.codewords.pop_back();
        ctx.written = Mode::Ascii;
        PutAsciiCharacter(ctx, ctx.position - 1);
    } else if (ctx.atEnd() || packer.pending() > 0) {
        EndRun(ctx, packer);
    }
    if (!ctx.atEnd()) {
        if (ctx.written == Mode::Ascii) ctx.mode = Mode::Ascii;
        ctx.mode = NextMode(ctx);
    }
}

}  // namespace tessaly::datamatrix
