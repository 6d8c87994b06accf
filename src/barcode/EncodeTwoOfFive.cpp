// 2 of 5 interleaved, industrial and matrix: digits only, no check digit.
#include "barcode/EncoderParts.h"
#include "barcode/Patterns.h"
#include "barcode/TextInput.h"

namespace tessaly::barcode::detail {

namespace {

using patterns::kTwoOfFive;

bool wide(char digit, int flag) { return kTwoOfFive[digitValue(digit)][flag] == '1'; }

void interleaved(std::string_view digits, std::string& modules)
{
    modules += "5050";
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        for (int k = 0; k < 5; ++k) {
            modules.push_back(wide(digits[i], k) ? '6' : '5');
            modules.push_back(wide(digits[i + 1], k) ? '1' : '0');
        }
    }
    modules += "605";
}

void industrial(std::string_view digits, std::string& modules)
{
    modules += "606050";
    for (char d : digits)
        for (int k = 0; k < 5; ++k)
            modules += wide(d, k) ? "60" : "50";
    modules += "605060";
}

void matrix(std::string_view digits, std::string& modules)
{
    modules += "705050";
    for (char d : digits) {
        for (int k = 0; k < 5; ++k) {
            const bool bar = k % 2 == 0;
            modules.push_back(bar ? (wide(d, k) ? '6' : '5') : (wide(d, k) ? '1' : '0'));
        }
        modules.push_back('0');
    }
    modules += "70505";
}

} // namespace

void encodeTwoOfFive(TBarcodeType type, Encoding& out)
{
    if (type == bcCode_2_5_interleaved) {
        // Digits are encoded in pairs: an odd count gets a leading zero (kept in the text,
        // so the line under the bars shows what they encode) instead of losing its last digit.
        if (out.text.size() % 2 != 0)
            out.text.insert(out.text.begin(), '0');
        interleaved(out.text, out.modules);
    } else if (type == bcCode_2_5_industrial) {
        industrial(out.text, out.modules);
    } else {
        matrix(out.text, out.modules);
    }
}

} // namespace tessaly::barcode::detail
