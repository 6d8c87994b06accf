// Tilde processing of the data to encode.
#include "datamatrix/WorkingData.h"

#include <optional>

namespace tessaly::datamatrix {

namespace {

// The number written by `count` decimal digits at `at`, when they are all digits.
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size()) return std::nullopt;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

class TildeReader {
public:
    TildeReader(std::string_view code, WorkingData& out) : code_(code), out_(out) {}

    void run() {
        while (at_ < code_.size()) {
            const char c = code_[at_++];
            if (c == '~' && at_ < code_.size())
                escape();
            else if (c != '~')
                plain(static_cast<std::uint8_t>(c));
        }
    }

private:
    // Characters left after the escape letter at at_.
    std::size_t following() const { return code_.size() - at_ - 1; }

    // Reads the escape whose letter is at at_; false for an unknown escape, whose "~" is then
    // dropped and whose letter is read as usual on the next turn.
    bool escape() {
        const char letter = code_[at_];
        if (letter >= '@' && letter <= 'Z') {
            consume(1);
            plain(static_cast<std::uint8_t>(letter - 64));
        } else if (letter == '~') {
            consume(1);
            plain('~');
        } else if (letter == '1') {
            consume(1);
            fnc1();
        } else if (letter == '2' && following() >= 4) {
            structuredAppend();
        } else if ((letter == '3' || letter == '5' || letter == '6') && out_.bytes.empty()) {
            consume(1);
            function(letter == '3' ? codeword::ReaderProgramming : letter == '5' ? codeword::Macro05 : codeword::Macro06);
        } else if (const auto n = letter == '7' && following() >= 7 ? Digits(code_, at_ + 1, 6) : std::nullopt) {
            consume(7);
            eci(*n);
        } else if (const auto d = letter == 'd' && following() >= 3 ? Digits(code_, at_ + 1, 3) : std::nullopt) {
            consume(4);
            plain(static_cast<std::uint8_t>(*d > 255 ? 255 : *d));
        } else {
            return false;
        }
        return true;
    }

    void consume(std::size_t count) { at_ += count; }

    void fnc1() {
        const std::size_t written = out_.bytes.size();
        if (written == 0 || written == 1 || written == 4 || written == 5)
            function(codeword::FNC1);
        else
            plain(29);
    }

    void structuredAppend() {
        FunctionMark& mark = function(codeword::StructuredAppend);
        mark.parameterCount = 3;
        for (std::size_t i = 0; i < 3; ++i) mark.parameters[i] = static_cast<std::uint8_t>(code_[at_ + 1 + i]);
        consume(4);
    }

    void eci(int n) {
        FunctionMark& mark = function(codeword::ECI);
        if (n <= 126) {
            mark.parameterCount = 1;
            mark.parameters[0] = static_cast<std::uint8_t>(n + 1);
        } else if (n <= 16382) {
            mark.parameterCount = 2;
            mark.parameters[0] = static_cast<std::uint8_t>((n - 127) / 254 + 128);
            mark.parameters[1] = static_cast<std::uint8_t>((n - 127) % 254 + 1);
        } else {
            mark.parameterCount = 3;
            mark.parameters[0] = static_cast<std::uint8_t>((n - 16383) / 64516 + 192);
            mark.parameters[1] = static_cast<std::uint8_t>(((n - 16383) / 254) % 254 + 1);
            mark.parameters[2] = static_cast<std::uint8_t>((n - 16383) % 254 + 1);
        }
    }

    void plain(std::uint8_t c) {
        out_.bytes.push_back(c);
        if (!out_.marks.empty()) out_.marks.emplace_back();
    }

    FunctionMark& function(std::uint8_t c) {
        if (out_.marks.empty()) out_.marks.resize(out_.bytes.size());
        out_.bytes.push_back(c);
        FunctionMark& mark = out_.marks.emplace_back();
        mark.function = true;
        return mark;
    }

    std::string_view code_;
    WorkingData& out_;
    std::size_t at_ = 0;
};

}  // namespace

void TakePlain(std::string_view code, WorkingData& out) {
    out.clear();
    out.bytes.assign(code.begin(), code.end());
}

void ProcessTilde(std::string_view code, WorkingData& out) {
    out.clear();
    TildeReader(code, out).run();
}

}  // namespace tessaly::datamatrix
