// TAsBarcode: the linear barcode engine. Holds the settings of one barcode, encodes its text
// and lays out its bars and text line as plain geometry; painting is done by barcode/qt.
#pragma once

#include "barcode/BarcodeTypes.h"
#include "barcode/Encoder.h"
#include "barcode/Geometry.h"
#include "barcode/Modules.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tessaly::barcode {

// The font of the text line. Height is in device units of the target surface: negative for
// the character height (em size), positive for the cell height, as stored in documents.
struct TFontSpec {
    std::string Name = "MS Sans Serif";
    int Height = -11;
    std::uint32_t Color = 0; // $00BBGGRR
    int Charset = 1;         // default character set
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    // The size in points at 96 pixels per inch, the resolution Height is counted in.
    int Size() const;
    void SetSize(int points);
    bool operator==(const TFontSpec&) const = default;
};

class TAsBarcode {
public:
    using TNotifyEvent = std::function<void(TAsBarcode& sender)>;

    // Setters store a different value and fire OnChange; an equal value does nothing.
    int Height() const { return height_; }
    void SetHeight(int value);
    const std::string& Text() const { return text_; }
    void SetText(std::string value);
    const std::string& TextAff() const { return textAff_; }
    void SetTextAff(std::string value);
    const std::string& TextFormatA() const { return textFormatA_; }
    void SetTextFormatA(std::string value);
    int Top() const { return top_; }
    void SetTop(int value);
    int Left() const { return left_; }
    void SetLeft(int value);
    // Narrow module width, 1 to 49; other values are ignored, an accepted one fires OnChange.
    int Modul() const { return modul_; }
    void SetModul(int value);
    double Ratio() const { return ratio_; }
    void SetRatio(double value);
    TBarcodeType Typ() const { return typ_; }
    void SetTyp(TBarcodeType value);
    bool Checksum() const { return checksum_; }
    void SetChecksum(bool value);
    TBarcodeOption ShowText() const { return showText_; }
    void SetShowText(TBarcodeOption value);
    double Angle() const { return angle_; }
    void SetAngle(double value);
    TShowTextPosition ShowTextPosition() const { return showTextPosition_; }
    void SetShowTextPosition(TShowTextPosition value);
    const TFontSpec& ShowTextFont() const { return showTextFont_; }
    void SetShowTextFont(const TFontSpec& font); // copies and always fires OnChange

    // Plain fields.
    std::uint32_t Color = 0xFFFFFF; // spaces and background of the bar area, $00BBGGRR
    std::uint32_t ColorBar = 0;     // bars
    TCheckSumMethod CheckSumMethod = csmModulo10;
    TNotifyEvent OnChange;

    // Total width of the module string (0 for a blank text). Encodes, so it may rewrite Text,
    // clamp Ratio, and throw BarcodeError.
    int Width();
    // Rescales Modul to Modul x value div Width() through SetModul (no change when Width() is 0).
    void SetWidth(int value);

    // The display name of Typ ("EAN13" ...); throws for an ordinal out of range.
    std::string_view SymbologyName() const;

    // Step by step: clamp Ratio, compute the module widths, encode Text (writing back the
    // rewrites the symbology makes). Throws BarcodeError.
    Encoding BuildModules();
    // The module widths of the last BuildModules.
    const ModuleWidths& Widths() const { return widths_; }

    // Everything painting draws, in device units: BuildModules, then the bars and, unless
    // ShowText is bcoNone, the text line measured with `measure`. A blank text gives no
    // bars and no text. Throws BarcodeError.
    BarcodeGeometry Layout(const MeasureText& measure);

private:
    template <typename T> void assign(T& field, T value);
    void changed();

    int height_ = 0;
    std::string text_;
    std::string textAff_;
    std::string textFormatA_;
    int top_ = 0;
    int left_ = 0;
    int modul_ = 1;
    double ratio_ = 2.0;
    TBarcodeType typ_ = bcCodeEAN13;
    bool checksum_ = false;
    TBarcodeOption showText_ = bcoNone;
    double angle_ = 0;
    ModuleWidths widths_{};
    TFontSpec showTextFont_;
    TShowTextPosition showTextPosition_ = stpTopLeft;
};

} // namespace tessaly::barcode
