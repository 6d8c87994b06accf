// State shared by the per-mode encoders while they turn the working data into codewords.
#pragma once

#include <cstddef>

#include "datamatrix/Encodation.h"

namespace tessaly::datamatrix {

enum class Mode { Ascii, C40, Text, Base256 };

inline bool IsC40OrText(Mode mode) { return mode == Mode::C40 || mode == Mode::Text; }

struct EncoderContext {
    const WorkingData& data;
    Encodation& out;
    bool automatic;       // the look-ahead picks each next mode
    Mode fixedMode;       // the mode of a single encodation
    std::size_t position = 0;
    Mode mode = Mode::Ascii;     // the mode the next step runs in
    Mode written = Mode::Ascii;  // the mode the codewords written so far leave the reader in

    bool atEnd() const { return position >= data.size(); }
    void put(std::uint8_t value) { out.codewords.push_back(value); }

    // Leaves C40 or Text for ASCII with an unlatch when the reader is still in one of them.
    void unlatchIfC40OrText() {
        if (IsC40OrText(written)) put(codeword::Unlatch);
        written = Mode::Ascii;
    }
};

// The mode the look-ahead chooses for the data from `position` on, in `current` mode.
Mode LookAhead(const WorkingData& data, std::size_t position, Mode current);

// One step of each encoder: encodes at least one character from ctx.position.
void AsciiStep(EncoderContext& ctx);
void C40Step(EncoderContext& ctx);  // C40 or Text, after ctx.mode
void Base256Step(EncoderContext& ctx);

// ASCII encodation of the single character at `index` (with a function's parameters).
void PutAsciiCharacter(EncoderContext& ctx, std::size_t index);

// The mode for the next step: the look-ahead's choice, or the fixed mode, with ASCII for a
// function character the fixed mode cannot carry.
Mode NextMode(const EncoderContext& ctx);

}  // namespace tessaly::datamatrix
