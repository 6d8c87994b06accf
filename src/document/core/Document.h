// TdtpDocument: the label document as a model: its pages, defaults, counters, undo lists and events.
// Scrolling, timers, hints and rulers belong to the view widget that shows it.
#pragma once

#include "document/core/Command.h"
#include "document/core/Page.h"
#include "document/core/Types.h"

#include <QIODevice>
#include <QPoint>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
namespace pugi { class xml_node; }

namespace tessaly::document {

class TdtpStorage;

using TNotifyDocEvent = std::function<void(TdtpDocument* sender)>;
using TNotifyShapeEvent = std::function<void(TdtpDocument* sender, TdtpShape* shape)>;
using TNotifyPageEvent = std::function<void(TdtpDocument* sender, TdtpPage* page)>;
using TdtpProgressEvent =
    std::function<void(TdtpDocument* sender, TdtpProgressType type, int count, int total, float percent)>;
using TdtpLoadErrorEvent = std::function<void(TdtpDocument* sender, TdtpShape* shape, const QString& error)>;
using TdtpFilingEvent = std::function<void(TdtpDocument* sender, pugi::xml_node& node)>;
using TdtpShapeFilingEvent = std::function<void(TdtpDocument* sender, TdtpShape* shape, pugi::xml_node& node)>;
using TdtpPaintEvent = std::function<void(TdtpDocument* sender, QPainter& canvas, const TDeviceContext& dc)>;
using TInvalidateEvent = std::function<void(TdtpDocument* sender, const QRect& screenRect)>;

class TdtpDocument {
public:
    static constexpr int kMaxPages = 25;

    TdtpDocument();
    virtual ~TdtpDocument();
    TdtpDocument(const TdtpDocument&) = delete;
    TdtpDocument& operator=(const TdtpDocument&) = delete;

    static QString Version() { return QStringLiteral("2.84"); }

    // ---- pages ----
    int PageCount() const { return int(FPages.size()); }
    void SetPageCount(int count);
    TdtpPage* Pages(int index) const;
    TdtpPage* CurrentPage() const { return Pages(FCurrentPageIndex); }
    int CurrentPageIndex() const { return FCurrentPageIndex; }
    void SetCurrentPageIndex(int index);
    int PageIndexOf(const TdtpPage* page) const;
    int AddPage(std::unique_ptr<TdtpPage> page = nullptr);
    void DeletePage(int index);
    float PageWidth() const;
    float PageHeight() const;
    void SetPageWidth(float value);
    void SetPageHeight(float value);
    void ClearDocument();
    void ResetDocument();
    void NewDocument();

    // ---- shapes of the current page ----
    int ShapeCount() const;
    TdtpShape* Shapes(int index) const;
    int AddShape(std::unique_ptr<TdtpShape> shape);
    void DeleteShape(int index);
    void MoveShape(int fromIndex, int toIndex);
    void SendSelectionBackward();
    void BringSelectionForward();
    int SelectionCount() const;
    TdtpShape* Selection(int index) const;
    void ClearSelection();
    void DeleteSelection();
    TdtpShape* FocusedShape() const;
    void SetFocusedShape(TdtpShape* shape);
    void ForgetShape(TdtpShape* shape);  // a shape is leaving: drop it as focused, edited or hovered

    // ---- document defaults ----
    float DefaultPageWidth() const { return FDefaultPageWidth; }
    float DefaultPageHeight() const { return FDefaultPageHeight; }
    float DefaultMarginLeft() const { return FDefaultMargins[0]; }
    float DefaultMarginTop() const { return FDefaultMargins[1]; }
    float DefaultMarginRight() const { return FDefaultMargins[2]; }
    float DefaultMarginBottom() const { return FDefaultMargins[3]; }
    float DefaultGridSize() const { return FDefaultGridSize; }
    TColor DefaultGridColor() const { return FDefaultGridColor; }
    TColor DefaultPageColor() const { return FDefaultPageColor; }
    bool DefaultBackgroundTiled() const { return FDefaultBackgroundTiled; }
    void SetDefaultPageWidth(float value);
    void SetDefaultPageHeight(float value);
    void SetDefaultMarginLeft(float value);
    void SetDefaultMarginTop(float value);
    void SetDefaultMarginRight(float value);
    void SetDefaultMarginBottom(float value);
    void SetDefaultGridSize(float value);
    void SetDefaultGridColor(TColor value);
    void SetDefaultPageColor(TColor value);
    void SetDefaultBackgroundTiled(bool value);

    // ---- settings ----
    bool Modified() const { return FModified; }
    void SetModified(bool value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    TdtpViewerModeType Mode() const { return FMode; }
    void SetMode(TdtpViewerModeType mode);
    float RenderDpm() const { return FRenderDpm; }
    float RenderDPI() const { return FRenderDpm * 25.4f; }
    void SetRenderDPI(float value);
    void SetRenderDpm(float value);
    float ScreenDpm() const { return FScreenDpm; }
    void SetScreenDpm(float value) { FScreenDpm = value; }
    float WindowLeft() const { return FWindowLeft; }
    float WindowTop() const { return FWindowTop; }
    void SetWindowPosition(float left, float top) { FWindowLeft = left; FWindowTop = top; }
    QPointF ScreenToDoc(QPointF p) const;
    QPoint DocToScreen(QPointF p) const;
    QPointF DocToScreenF(QPointF p) const;
    TdtpPrintQualityType PrintQuality() const { return FPrintQuality; }
    void SetPrintQuality(TdtpPrintQualityType v) { FPrintQuality = v; }
    float PrinterDpm() const;
    TdtpStretchFilter Quality() const { return FQuality; }
    void SetQuality(TdtpStretchFilter v) { FQuality = v; }
    TdtpDocPerformanceType Performance() const { return FPerformance; }
    void SetPerformance(TdtpDocPerformanceType v) { FPerformance = v; }
    TDeviceType Device() const { return FDevice; }
    void SetDevice(TDeviceType v) { FDevice = v; }
    float HitSensitivity() const { return FHitSensitivity; }
    void SetHitSensitivity(float value);
    const std::vector<QPoint>& HitProbeOffsets() const { return FHitProbes; }
    TColor HandleColor() const { return FHandleColor; }
    void SetHandleColor(TColor v) { FHandleColor = v; }
    TColor HandleEdgeColor() const { return FHandleEdgeColor; }
    void SetHandleEdgeColor(TColor v) { FHandleEdgeColor = v; }
    TdtpHZScrollingType HotzoneScrolling() const { return FHotzoneScrolling; }
    void SetHotzoneScrolling(TdtpHZScrollingType v) { FHotzoneScrolling = v; }
    TdtpViewStyleType ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TdtpViewStyleType v) { FViewStyle = v; }
    bool ShowMargins() const { return FShowMargins; }
    void SetShowMargins(bool value);
    bool SnapToGrid() const { return FSnapToGrid; }
    void SetSnapToGrid(bool v) { FSnapToGrid = v; }
    float StepAngle() const { return FStepAngle; }
    void SetStepAngle(float v) { FStepAngle = v; }
    bool StoreThumbnails() const { return FStoreThumbnails; }
    void SetStoreThumbnails(bool v) { FStoreThumbnails = v; }
    int ThumbnailWidth() const { return FThumbnailWidth; }
    int ThumbnailHeight() const { return FThumbnailHeight; }
    void SetThumbnailSize(int width, int height);
    bool FontEmbedding() const { return FFontEmbedding; }
    void SetFontEmbedding(bool v) { FFontEmbedding = v; }
    bool AutoDeleteShape() const { return FAutoDeleteShape; }
    void SetAutoDeleteShape(bool v) { FAutoDeleteShape = v; }
    bool PaintEditBorder() const { return FPaintEditBorder; }
    void SetPaintEditBorder(bool v) { FPaintEditBorder = v; }
    bool RenderAtScreenRes() const { return FRenderAtScreenRes; }
    void SetRenderAtScreenRes(bool v) { FRenderAtScreenRes = v; }
    bool ArchiveDirect() const { return FArchiveDirect; }
    void SetArchiveDirect(bool v) { FArchiveDirect = v; }
    bool UndoPastSave() const { return FUndoPastSave; }
    void SetUndoPastSave(bool v) { FUndoPastSave = v; }
    TColor Color() const { return FColor; }  // colour around the page
    void SetColor(TColor v) { FColor = v; }

    // ---- counters ----
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    bool IsUpdating() const { return FUpdateCount > 0; }
    void BeginUndo();
    void EndUndo();
    void BeginPrinting() { ++FPrintingCount; }
    void EndPrinting();
    bool IsPrinting() const { return FPrintingCount > 0; }
    bool IsLoading() const { return FLoading; }
    bool IsBusy() const { return FBusyCount > 0; }
    void CheckNotBusy() const;  // throws "Threading error (working already)"

    // ---- undo lists ----
    bool UndoEnabled() const { return FUndoEnabled && FUndoSuspended == 0; }
    void SetUndoEnabled(bool v) { FUndoEnabled = v; }
    void SuspendUndo() { ++FUndoSuspended; }
    void ResumeUndo() { if (FUndoSuspended > 0) --FUndoSuspended; }
    int UndoCount() const { return int(FUndoList.size()); }
    int RedoCount() const { return int(FRedoList.size()); }
    const TdtpCommand& UndoItem(int index) const { return *FUndoList[index]; }
    const TdtpCommand& RedoItem(int index) const { return *FRedoList[index]; }
    qint64 UndoBytes() const { return FUndoBytes; }
    void AddCommand(std::unique_ptr<TdtpCommand> command);
    bool ExecuteCommand(const TdtpCommand& command);  // records the reverse into the redo list
    void ClearUndo();
    bool Recording() const;  // a shape's setter would leave a record now
    // Undo: carries out the last record group of the undo list; the shapes' setters record the way
    // back into the redo list. Redo does the reverse. False when nothing accepted a record.
    bool Undo();
    bool Redo();

    // ---- notifications from shapes ----
    void ShapeChanged(TdtpShape* shape);
    void SelectionChanged();
    void ShapeDestroyed(TdtpShape* shape);
    void ShapeListChanged();
    void ReportLoadError(TdtpShape* shape, const QString& message);
    void Invalidate(const QRect& screenRect);
    bool WantsInvalidate() const { return bool(OnInvalidate); }
    int NextShapeId() { return ++FLastShapeId; }
    void DocumentChanged();
    void PageChanged(TdtpPage* page);

    // ---- rendering ----
    TDeviceContext PrintContext(float dpm) const;  // printer device at `dpm`, page colour, Quality
    TDeviceContext ScreenContext() const;

    // The whole page `index` as a 32-bit premultiplied image of round(width × dpm) × round(height × dpm)
    // pixels; caches are built at `cacheDpm` (0: the same as dpm). Null for a missing page.
    QImage RenderPageImage(int index, float dpm, TDeviceType device = TDeviceType::dtPrinter, float cacheDpm = 0);
    // Regenerates the page's thumbnail (ThumbnailWidth × ThumbnailHeight, page fitted and framed).
    void UpdateThumbnail(int index);
    QImage GetThumbnail(int index);  // regenerated first when stale

    // ---- storage ----
    TdtpStorage& Archive() { return *FArchive; }
    void DeleteArchiveStream(const QString& name);
    void LoadFromFile(const QString& fileName);
    void LoadFromStream(QIODevice& stream);
    void SaveToFile(const QString& fileName);
    void SaveToStream(QIODevice& stream);
    void SaveToArchive();
    void LoadPage(int index);
    void SaveSettingsToXml(pugi::xml_node& node) const;
    void LoadSettingsFromXml(const pugi::xml_node& node);
    QByteArray SaveSelectionToString() const;
    int LoadSelectionFromString(const QByteArray& text);

    // ---- events ----
    TNotifyDocEvent OnDocumentChanged, OnSelectionChanged, OnShapeListChanged;
    TNotifyShapeEvent OnShapeChanged, OnFocusShape, OnShapeDestroy;
    TNotifyShapeEvent OnShapeEditStart, OnShapeEditClosed, OnShapeInsertStart, OnShapeInsertClosed;
    TNotifyPageEvent OnPageChanged;
    TdtpProgressEvent OnProgress;
    TdtpLoadErrorEvent OnLoadError;
    TdtpFilingEvent OnLoadAdditionalInfo, OnSaveAdditionalInfo;
    TdtpShapeFilingEvent OnShapeLoadAdditionalInfo, OnShapeSaveAdditionalInfo;
    TdtpPaintEvent OnPaintBackground, OnPaintForeground;
    TInvalidateEvent OnInvalidate;

private:
    friend class BusyScope;
    void BuildHitProbes();
    void ApplyDefaultsToPages();
    void ReadDocument();
    void RenumberStreamsAfterDelete(int index);
    std::unique_ptr<TdtpPage> TakePage(int index);

    std::unique_ptr<TdtpStorage> FArchive;
    std::vector<std::unique_ptr<TdtpPage>> FPages;
    std::deque<std::unique_ptr<TdtpCommand>> FUndoList, FRedoList;
    std::vector<QPoint> FHitProbes;
    TdtpShape* FFocusedShape = nullptr;
    int FCurrentPageIndex = -1;
    int FUpdateCount = 0, FUndoGroupDepth = 0, FBusyCount = 0, FPrintingCount = 0, FUndoSuspended = 0;
    int FLastShapeId = 0;
    qint64 FUndoBytes = 0;
    enum class RecordTarget { Normal, RedoList, UndoList };
    bool RunGroup(std::deque<std::unique_ptr<TdtpCommand>>& from, RecordTarget target);
    RecordTarget FRecordTarget = RecordTarget::Normal;
    bool FExecutionHasRecord = false;
    bool FUndoGroupHasRecord = false;
    bool FPendingShapeChanged = false, FPendingSelectionChanged = false, FPendingFocusChanged = false;
    bool FLoading = false, FModified = false, FReadOnly = false, FUndoEnabled = true;
    float FDefaultPageWidth = 210, FDefaultPageHeight = 297;
    float FDefaultMargins[4] = {10, 10, 10, 10};
    float FDefaultGridSize = 5;
    TColor FDefaultGridColor = 0xFFFFC0, FDefaultPageColor = 0xFFFFFF;
    bool FDefaultBackgroundTiled = false;
    TdtpViewerModeType FMode = TdtpViewerModeType::vmEdit;
    float FRenderDpm = kDpm150, FScreenDpm = kDpm150, FWindowLeft = 0, FWindowTop = 0;
    TdtpPrintQualityType FPrintQuality = TdtpPrintQualityType::pqLow;
    TdtpStretchFilter FQuality = TdtpStretchFilter::sfLinear;
    TdtpDocPerformanceType FPerformance = TdtpDocPerformanceType::dpMemoryOverSpeed;
    TDeviceType FDevice = TDeviceType::dtScreen;
    float FHitSensitivity = 1.0f;
    TColor FHandleColor = 0xFFFFFF, FHandleEdgeColor = 0;
    TdtpHZScrollingType FHotzoneScrolling = TdtpHZScrollingType::hzsNoScroll;
    TdtpViewStyleType FViewStyle = TdtpViewStyleType::vsPrintLayout;
    bool FShowMargins = true, FSnapToGrid = false, FStoreThumbnails = true, FFontEmbedding = false;
    bool FAutoDeleteShape = true, FPaintEditBorder = true, FRenderAtScreenRes = false;
    bool FArchiveDirect = false, FUndoPastSave = false;
    float FStepAngle = 0;
    int FThumbnailWidth = 80, FThumbnailHeight = 60;
    TColor FColor = 0xFFFFFF;
};

}  // namespace tessaly::document
