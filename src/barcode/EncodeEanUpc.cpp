// EAN-8, EAN-13, UPC-A, UPC-E and the UPC supplements of two and five digits.
#include "barcode/BarcodeError.h"
#include "barcode/EncoderParts.h"
#include "barcode/Patterns.h"
#include "barcode/TextInput.h"

namespace tessaly::barcode::detail {

namespace {

namespace p = patterns;

constexpr std::string_view kGuard = "505";
constexpr std::string_view kCentre = "05050";

void appendSetA(std::string& modules, char digit) { modules += p::kEanSetA[digitValue(digit)]; }
void appendSetB(std::string& modules, char digit) { modules += p::kEanSetB[digitValue(digit)]; }
void appendSetC(std::string& modules, char digit) { modules += p::kEanSetC[digitValue(digit)]; }
// "E" (even) digits take the set C string reversed, which is the set B string.
void appendParity(std::string& modules, char digit, bool even)
{
    even ? appendSetB(modules, digit) : appendSetA(modules, digit);
}

void ean8(std::string_view text, const EncodeOptions& options, std::string& modules)
{
    std::string digits;
    if (options.checksum) {
        const std::string padded = zeroPad(text, 7);
        digits = padded.substr(padded.size() - 7);
        appendCheckDigit(digits, options.method);
    } else {
        digits = zeroPad(text, 8);
    }
    if (digits.size() != 8)
        throw BarcodeError("Invalid Text len (EAN8)");
    modules += kGuard;
    for (int i = 0; i < 4; ++i)
        appendSetA(modules, digits[i]);
    modules += kCentre;
    for (int i = 4; i < 8; ++i)
        appendSetC(modules, digits[i]);
    modules += kGuard;
}

void ean13(std::string_view text, const EncodeOptions& options, std::string& modules)
{
    std::string digits = zeroPad(text, options.checksum ? 12 : 13);
    if (options.checksum)
        appendCheckDigit(digits, options.method);
    if (digits.size() != 13)
        throw BarcodeError("Invalid Text len (EAN13)");
    const std::string_view parity = p::kEan13Parity[digitValue(digits[0])];
    modules += kGuard;
    for (int i = 1; i < 7; ++i)
        appendParity(modules, digits[i], parity[i - 1] == 'B');
    modules += kCentre;
    for (int i = 7; i < 13; ++i)
        appendSetC(modules, digits[i]);
    modules += kGuard;
}

void upcA(const EncodeOptions& options, Encoding& out)
{
    if (options.checksum) {
        // The text is the number without its check digit (or with one to replace): padding
        // to 11 first keeps every digit typed. Like UPC-E, UPC-A always takes the modulo-10
        // digit, as the bars need twelve digits whatever the method.
        out.text = zeroPad(out.text, 11);
        out.text.resize(11);
        out.text.push_back(modulo10CheckDigit(out.text));
    }
    out.text = zeroPad(out.text, 12);
    out.modules += kGuard;
    for (int i = 0; i < 6; ++i)
        appendSetA(out.modules, out.text[i]);
    out.modules += kCentre;
    for (int i = 6; i < 12; ++i)
        appendSetC(out.modules, out.text[i]);
    out.modules += kGuard;
}

// UPC-E: six digits; the parity row of the check digit c tells the reader c and the
// number system (E0: row as is, E1: row inverted).
void upcE(bool system1, const EncodeOptions& options, Encoding& out)
{
    // With the check digit to add, six digits are padded to six, not seven, so the last
    // one typed is not pushed out by the check digit.
    out.text = zeroPad(out.text, options.checksum ? 6 : 7);
    const char c = modulo10CheckDigit(std::string_view(out.text).substr(0, 6));
    if (options.checksum) {
        out.text.resize(6);
        out.text.push_back(c);
    }
    const std::string_view parity = p::kUpcEParity[digitValue(c)];
    out.modules += kGuard;
    for (int i = 0; i < 6; ++i)
        appendParity(out.modules, out.text[i], (parity[i] == 'E') != system1);
    out.modules += "050505";
}

void supplement5(const EncodeOptions& options, Encoding& out)
{
    out.text = zeroPad(out.text, 5);
    const std::string_view d = out.text;
    const int odd = digitValue(d[0]) + digitValue(d[2]) + digitValue(d[4]);
    const int even = digitValue(d[1]) + digitValue(d[3]);
    const int c = (3 * odd + 9 * even) % 10;
    if (options.checksum) {
        out.text.resize(5);
        out.text.push_back(static_cast<char>('0' + c));
    }
    const std::string_view parity = p::kUpcEParity[c].substr(1);
    out.modules += "506";
    for (int i = 0; i < 5; ++i) {
        if (i > 0)
            out.modules += "05";
        appendParity(out.modules, out.text[i], parity[i] == 'E');
    }
}

void supplement2(Encoding& out)
{
    out.text = zeroPad(out.text, 2);
    int value = 0;
    for (char c : out.text)
        value = (value * 10 + digitValue(c)) % 4;
    const std::string_view parity = p::kSupp2Parity[value];
    out.modules += "506";
    appendParity(out.modules, out.text[0], parity[0] == 'E');
    out.modules += "05";
    appendParity(out.modules, out.text[1], parity[1] == 'E');
}

} // namespace

void encodeEanUpc(TBarcodeType type, const EncodeOptions& options, Encoding& out)
{
    switch (type) {
    case bcCodeEAN8: ean8(out.text, options, out.modules); break;
    case bcCodeEAN13: ean13(out.text, options, out.modules); break;
    case bcCodeUPC_A: upcA(options, out); break;
    case bcCodeUPC_E0: upcE(false, options, out); break;
    case bcCodeUPC_E1: upcE(true, options, out); break;
    case bcCodeUPC_Supp5: supplement5(options, out); break;
    default: supplement2(out); break;
    }
}

} // namespace tessaly::barcode::detail
