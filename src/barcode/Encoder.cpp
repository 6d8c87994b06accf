// The encoding dispatcher: input checks shared by all symbologies, then one encoder per family.
#include "barcode/Encoder.h"

#include "barcode/BarcodeError.h"
#include "barcode/EncoderParts.h"
#include "barcode/TextInput.h"

namespace tessaly::barcode {

namespace {

// Function 1 only means something to the Code 128 encoders; elsewhere it would reach a
// digit table, so it is refused like any other non-digit.
bool acceptsFnc1(TBarcodeType type)
{
    return type == bcCode128C || type == bcCodeEAN128C;
}

void dispatch(TBarcodeType type, const EncodeOptions& options, Encoding& out)
{
    switch (type) {
    case bcCode_2_5_interleaved: case bcCode_2_5_industrial: case bcCode_2_5_matrix:
        detail::encodeTwoOfFive(type, out);
        break;
    case bcCode39:
        detail::encodeCode39(out.text, options.checksum, out.modules);
        break;
    case bcCode39Extended:
        detail::encodeCode39(detail::fullAscii(out.text, "$%/+"), options.checksum, out.modules);
        break;
    case bcCode93:
        detail::encodeCode93(out.text, out.text, out.modules);
        break;
    case bcCode93Extended:
        detail::encodeCode93(detail::fullAscii(out.text, "[]{}"), out.text, out.modules);
        break;
    case bcCode128A: case bcCode128B: case bcCode128C:
    case bcCodeEAN128A: case bcCodeEAN128B: case bcCodeEAN128C:
        detail::encodeCode128(type, options, out);
        break;
    case bcCodeMSI:
        detail::encodeMsi(out.text, out.modules);
        break;
    case bcCodePostNet:
        detail::encodePostNet(out.text, out.modules);
        break;
    case bcCodeCodabar:
        detail::encodeCodabar(out.text, out.modules);
        break;
    case bcCodeEAN8: case bcCodeEAN13: case bcCodeUPC_A: case bcCodeUPC_E0: case bcCodeUPC_E1:
    case bcCodeUPC_Supp2: case bcCodeUPC_Supp5:
        detail::encodeEanUpc(type, options, out);
        break;
    }
}

} // namespace

const TBCdata& symbology(TBarcodeType type)
{
    if (!isKnownType(type))
        throw BarcodeError(std::string(kEngineClassName) + ": wrong BarcodeType");
    return kSymbologies[static_cast<std::size_t>(type)];
}

std::optional<TBarcodeType> typeFromListItem(std::string_view item)
{
    for (std::size_t i = 0; i < kSymbologies.size(); ++i)
        if (kSymbologies[i].listItem == item)
            return static_cast<TBarcodeType>(i);
    return std::nullopt;
}

void encode(TBarcodeType type, std::string_view text, const EncodeOptions& options, Encoding& out)
{
    const TBCdata& row = symbology(type);
    out.modules.clear();
    if (row.numericOnly) {
        text = trimBlanks(text);
        if (!isDigitText(text, acceptsFnc1(type)))
            throw BarcodeError("Numeric/Numerique");
    }
    out.text.assign(text);
    if (trimBlanks(text).empty())
        return;
    dispatch(type, options, out);
}

Encoding encode(TBarcodeType type, std::string_view text, const EncodeOptions& options)
{
    Encoding out;
    encode(type, text, options, out);
    return out;
}

namespace detail {

void appendCheckDigit(std::string& digits, TCheckSumMethod method)
{
    if (method == csmModulo10)
        digits.push_back(modulo10CheckDigit(digits));
}

} // namespace detail

} // namespace tessaly::barcode
