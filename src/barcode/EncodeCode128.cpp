// Code 128 A, B, C and their EAN-128 forms (function 1 after the start character).
#include "barcode/BarcodeError.h"
#include "barcode/EncoderParts.h"
#include "barcode/Patterns.h"
#include "barcode/TextInput.h"

namespace tessaly::barcode::detail {

namespace {

namespace p = patterns;

// The patterns as module codes, converted once: each starts with a bar.
using ModulePattern = std::array<char, 6>;
constexpr std::array<ModulePattern, p::kCode128.size()> makeModulePatterns()
{
    std::array<ModulePattern, p::kCode128.size()> table{};
    for (std::size_t v = 0; v < table.size(); ++v)
        for (std::size_t i = 0; i < 6; ++i)
            table[v][i] = static_cast<char>((i % 2 == 0 ? '5' : '0') + (p::kCode128[v][i] - '1'));
    return table;
}
constexpr auto kModulePatterns = makeModulePatterns();

// Accumulates values, their patterns and the weighted check sum.
struct Code128Writer {
    std::string& modules;
    int sum = 0;
    int position = 1;

    void append(int value) { modules.append(kModulePatterns[value].data(), 6); }
    void start(int value)
    {
        sum = value;
        append(value);
    }
    void emit(int value)
    {
        sum += value * position++;
        append(value);
    }
    void finish()
    {
        append(sum % 103);
        appendWidthDigits(modules, p::kCode128Stop);
    }
};

int startValue(TBarcodeType type)
{
    switch (type) {
    case bcCode128A: case bcCodeEAN128A: return p::kCode128StartA;
    case bcCode128B: case bcCodeEAN128B: return p::kCode128StartB;
    case bcCode128C: case bcCodeEAN128C: return p::kCode128StartC;
    default:
        throw BarcodeError(std::string(kEngineClassName) + ": wrong BarcodeType in Code_128");
    }
}

// Code set A holds the characters 32 to 95, set B 32 to 126; others become a space.
int setValue(char c, bool setA)
{
    const int code = static_cast<unsigned char>(c);
    const int last = setA ? 95 : 126;
    return code >= 32 && code <= last ? code - 32 : 0;
}

void encodeSetAB(std::string_view data, bool setA, Code128Writer& writer)
{
    for (char c : data)
        writer.emit(c == kFnc1 ? p::kCode128Fnc1 : setValue(c, setA));
}

// Digit pairs, with function 1 wherever it stands. A run of digits of odd length between
// two function-1 bytes cannot be paired; its last digit goes through code set B and back,
// so no digit is lost or changed.
void encodeSetC(std::string_view data, Code128Writer& writer)
{
    std::size_t i = 0;
    while (i < data.size()) {
        if (data[i] == kFnc1) {
            writer.emit(p::kCode128Fnc1);
            ++i;
        } else if (i + 1 < data.size() && data[i + 1] != kFnc1) {
            writer.emit(digitValue(data[i]) * 10 + digitValue(data[i + 1]));
            i += 2;
        } else {
            writer.emit(p::kCode128CodeB);
            writer.emit(setValue(data[i], false));
            if (++i < data.size())
                writer.emit(p::kCode128CodeC);
        }
    }
}

bool isEan128(TBarcodeType type)
{
    return type == bcCodeEAN128A || type == bcCodeEAN128B || type == bcCodeEAN128C;
}

} // namespace

void encodeCode128(TBarcodeType type, const EncodeOptions& options, Encoding& out)
{
    out.modules.reserve(out.modules.size() + (out.text.size() + 6) * 6);
    Code128Writer writer{out.modules};
    writer.start(startValue(type));
    if (isEan128(type))
        writer.emit(p::kCode128Fnc1);
    if (type == bcCode128C || type == bcCodeEAN128C) {
        std::string data = out.text;
        if (isEan128(type) && options.checksum)
            appendCheckDigit(data, options.method);
        std::size_t digits = 0;
        for (char c : data)
            digits += c != kFnc1;
        if (digits % 2 != 0) {
            out.text.insert(out.text.begin(), '0');
            data.insert(data.begin(), '0');
        }
        encodeSetC(data, writer);
    } else {
        const bool setA = type == bcCode128A || type == bcCodeEAN128A;
        encodeSetAB(out.text, setA, writer);
        if (isEan128(type) && options.checksum && options.method == csmModulo10) {
            const char check = modulo10CheckDigit(out.text);
            encodeSetAB(std::string_view(&check, 1), setA, writer);
        }
    }
    writer.finish();
}

} // namespace tessaly::barcode::detail
