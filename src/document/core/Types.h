// Shared value types of the document model: colours, devices, device contexts, enumerations.
#pragma once

#include "document/raster/StretchFilter.h"

#include <QRgb>
#include <QTransform>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tessaly::document {

// A stored colour in the platform order $00BBGGRR (red in the lowest byte).
using TColor = std::uint32_t;

constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clBlack = 0x00000000;

// $00BBGGRR to a Qt colour value (alpha as given).
constexpr QRgb ColorToRgb(TColor color, int alpha = 255)
{
    return (QRgb(alpha) << 24) | ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

// Pixels per millimetre at 150, 300 and 600 DPI.
constexpr float kDpm150 = 5.905512f;
constexpr float kDpm300 = 11.811024f;
constexpr float kDpm600 = 23.622047f;

enum class TDeviceType { dtScreen, dtPrinter, dtTransparent };

// What every paint call gets: the target device and the resolutions wanted.
struct TDeviceContext {
    TDeviceType Device = TDeviceType::dtScreen;
    QRgb BackColor = 0;     // page colour with alpha 0 (ARGB)
    float DeviceDpm = kDpm150;  // pixels per mm of the target
    float RenderDpm = kDpm150;  // pixels per mm wanted for caches
    TdtpStretchFilter StretchFilter = TdtpStretchFilter::sfLinear;
    bool DropCaches = false;    // free a shape's cache right after it was used
    bool ExactCache = false;    // a finer cache than needed is rendered again, not scaled down
    // From the pixels of a shape's render transform to the painter's device. The identity when the
    // shape paints into a bitmap; turned and scaled when it paints straight onto a print device.
    QTransform PixelToDevice;
};

enum class TdtpPrintQualityType { pqLow, pqMedium, pqHigh, pqDevice };
enum class TdtpDocPerformanceType { dpMemoryOverSpeed, dpSpeedOverMemory };
enum class TdtpViewStyleType { vsPrintLayout, vsNormal };
enum class TdtpViewerModeType { vmBrowse, vmEdit, vmTextSelect, vmZoom, vmSlideshow };
enum class TdtpHZScrollingType { hzsNoScroll, hzsAlways, hzsWhenMouseDown };
enum class TdtpProgressType { ptLoad, ptSave, ptPrint };
enum class TdtpResourceStorage { None, External, Archive, Embedded };

// Anchor flags of a shape, used when its group is resized.
enum TdtpAnchor : std::uint16_t {
    anDefault = 1,
    anPosXProp = 2,
    anPosYProp = 4,
    anSizeXProp = 8,
    anSizeYProp = 16,
    anLeftLock = 32,
    anTopLock = 64,
    anRightLock = 128,
    anBottomLock = 256,
};

// Errors of the document model; the message is the text shown to the user.
class DocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace tessaly::document
