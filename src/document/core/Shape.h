// TdtpShape: a rectangle in millimetres with position, size, rotation, children, permissions, an
// optional bitmap cache, and the virtual operations through which shape classes paint, store and undo.
#pragma once

#include "document/core/Command.h"
#include "document/core/Transform.h"
#include "document/core/Types.h"

#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
namespace pugi { class xml_node; }

namespace tessaly::document {

class TdtpDocument;
class TdtpShape;

using TNotifyEvent = std::function<void(TdtpShape* sender)>;

// Font style letters recorded by RecordStyleChange.
enum TdtpFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// Geometry a drag would give a shape (filled by the interactive editing).
struct TdtpDragGeometry {
    float StartAngle = 0;
    int HandleIndex = -1;
    float Left = 0, Top = 0, Width = 0, Height = 0, Angle = 0;
};

class TdtpShape {
public:
    TdtpShape();
    virtual ~TdtpShape();
    TdtpShape(const TdtpShape&) = delete;
    TdtpShape& operator=(const TdtpShape&) = delete;

    // Registered class name; every class stored in documents overrides it.
    virtual QString ClassName() const { return QStringLiteral("TdtpShape"); }

    // ---- children ----
    virtual int ChildCount() const { return int(FChildren.size()); }
    virtual TdtpShape* GetChild(int index) const;
    int AddChild(std::unique_ptr<TdtpShape> shape);
    void InsertChild(int index, std::unique_ptr<TdtpShape> shape);
    void ClearChildren();
    void DeleteChild(int index);
    void ExchangeChildren(int index1, int index2);
    std::unique_ptr<TdtpShape> ExtractChild(TdtpShape* shape);
    int IndexOfChild(const TdtpShape* shape) const;
    int RemoveChild(TdtpShape* shape);
    void MoveChild(int fromIndex, int toIndex);  // list move without undo (z-order)
    virtual void Clear();  // removes children from the last to the first permanent one

    // ---- geometry (millimetres, parent coordinates; angles in degrees, kept in [0, 360)) ----
    float DocLeft() const { return FDocLeft; }
    float DocTop() const { return FDocTop; }
    float DocWidth() const { return FDocWidth; }
    float DocHeight() const { return FDocHeight; }
    float DocAngle() const { return FDocAngle; }
    double AngleCos() const { return FCos; }
    double AngleSin() const { return FSin; }
    virtual void SetDocHeight(float value);
    virtual void SetDocLeft(float value);
    virtual void SetDocTop(float value);
    virtual void SetDocWidth(float value);
    virtual void SetDocAngle(float value);
    virtual void SetPosition(float left, float top);
    virtual void SetSize(float width, float height);
    void SetBounds(float left, float top, float width, float height);
    virtual void SetGeometry(float left, float top, float width, float height, float angle);
    virtual void SetBoundsConstrained(float left, float top, float width, float height);
    virtual void SetBoundsRect(const QRectF& rect);
    virtual bool ConstrainSize(float& width, float& height) const;
    virtual bool ConstrainMove(float& left, float& top, float width, float height) const;
    virtual void ApplyConstraintsAgain();
    virtual void ApplyDragGeometry();
    void CenterAt(float x, float y);
    void RotateAroundCenter(float angle);
    void Inflate(float dx, float dy);
    void LockAspect();
    virtual void GroupChildren();

    // Coordinate chain (millimetres unless named after pixels).
    QPointF LocalToParent(QPointF p) const;
    QPointF ParentToLocal(QPointF p) const;
    QTransform LocalToParentTransform() const;
    QPointF LocalToDoc(QPointF p) const;   // through every ancestor, the root's own offset included
    QPointF DocToLocal(QPointF p) const;
    QPointF LocalToScreen(QPointF p) const;  // unrounded screen pixels
    QPointF ScreenToLocal(QPointF p) const;
    QRectF BoundingBox() const;  // parent space, own rectangle
    QRectF DrawingBox() const;   // parent space, rectangle grown by the effective curbs
    float BoundsLeft() const { return float(BoundingBox().left()); }
    float BoundsTop() const { return float(BoundingBox().top()); }
    float BoundsRight() const { return float(BoundingBox().right()); }
    float BoundsBottom() const { return float(BoundingBox().bottom()); }
    void SetBoundsLeft(float value);  // moves the shape by the difference
    void SetBoundsTop(float value);
    virtual QRectF GetChildrenBounds() const;

    // ---- curbs: drawing margins around the rectangle ----
    float CurbLeft() const { return FCurbLeft; }
    float CurbTop() const { return FCurbTop; }
    float CurbRight() const { return FCurbRight; }
    float CurbBottom() const { return FCurbBottom; }
    void SetCurbs(float all) { SetCurbs(all, all, all, all); }
    void SetCurbs(float left, float top, float right, float bottom);
    // Stored curbs enlarged by AdjustCurbs and, for a grouped shape, by every curb of its children.
    void GetEffectiveCurbs(float& left, float& top, float& right, float& bottom) const;
    virtual void AdjustCurbs(float& left, float& top, float& bottom, float& right) const;

    // ---- permissions and flags ----
    bool AllowEdit() const { return FAllowEdit; }
    bool AllowDelete() const { return FAllowDelete; }
    bool AllowResize() const { return FAllowResize; }
    bool AllowMove() const { return FAllowMove; }
    bool AllowRotate() const { return FAllowRotate; }
    bool AllowSelect() const { return FAllowSelect; }
    void SetAllowEdit(bool v) { FAllowEdit = v; }
    void SetAllowDelete(bool v) { FAllowDelete = v; }
    void SetAllowResize(bool v) { FAllowResize = v; }
    void SetAllowMove(bool v) { FAllowMove = v; }
    void SetAllowRotate(bool v) { FAllowRotate = v; }
    void SetAllowSelect(bool v);
    std::uint16_t Anchors() const { return FAnchors; }
    void SetAnchors(std::uint16_t value) { FAnchors = value; }
    float AspectRatio() const { return FAspectRatio; }
    void SetAspectRatio(float v) { FAspectRatio = v; }
    bool PreserveAspect() const { return FPreserveAspect; }
    void SetPreserveAspect(bool v) { FPreserveAspect = v; }
    bool Permanent() const { return FPermanent; }
    void SetPermanent(bool v) { FPermanent = v; }
    bool Grouped() const { return FGrouped; }
    void SetGrouped(bool v);
    bool Visible() const { return FVisible; }
    void SetVisible(bool v);
    bool Mirrored() const { return FMirrored; }
    void SetMirrored(bool v);
    bool Flipped() const { return FFlipped; }
    void SetFlipped(bool v);
    bool CacheAlways() const { return FCacheAlways; }
    void SetCacheAlways(bool v);
    int MasterAlpha() const { return FMasterAlpha; }
    virtual void SetMasterAlpha(int value);
    float ConstraintMinWidth() const { return FMinWidth; }
    float ConstraintMinHeight() const { return FMinHeight; }
    float ConstraintMaxWidth() const { return FMaxWidth; }
    float ConstraintMaxHeight() const { return FMaxHeight; }
    void SetConstraints(float minWidth, float minHeight, float maxWidth, float maxHeight);
    int Tag() const { return FTag; }
    void SetTag(int v) { FTag = v; }
    const QString& Name() const { return FName; }
    virtual void SetName(const QString& value);
    virtual QString GetDisplayName() const { return FName; }
    QString Hint() const { return FHint; }
    void SetHint(const QString& v) { FHint = v; }
    bool Selected() const { return FSelected; }
    virtual void SetSelected(bool value);
    int ShapeId() const { return FShapeId; }
    void SetShapeId(int id) { FShapeId = id; }
    TdtpDragGeometry& Drag() { return FDrag; }

    // ---- tree ----
    TdtpShape* Parent() const { return FParent; }
    virtual void SetParent(TdtpShape* shape) { FParent = shape; }
    TdtpDocument* Document() const { return FDocument; }
    virtual void SetDocument(TdtpDocument* document);
    TdtpShape* Root();
    float DocumentScreenDpm() const;

    // ---- change notification and update blocks ----
    virtual void Changed();
    void BeginUpdate();
    void EndUpdate();
    bool Modified() const { return FModified; }
    virtual void SetModified(bool value);
    void InvalidateScreen() const;
    void InvalidateCache();  // stale cache here and up the parent chain
    virtual void Rebuild();
    TNotifyEvent OnChange, OnDblClick, OnSizeChanged;

    // ---- undo ----
    void RecordChange(int kind, const QString& name, const QString& oldValue);
    void RecordFloatChange(int kind, const QString& name, double value);
    void RecordIntChange(int kind, const QString& name, long long value);
    void RecordBoolChange(int kind, const QString& name, bool value);
    void RecordStyleChange(int kind, const QString& name, unsigned fontStyles);
    void RecordChildChange(int kind, TdtpShape* child, int index);
    void RecordCommand(std::unique_ptr<TdtpCommand> command);  // hands a prepared record to the document
    bool Recording() const;  // the document would keep a record now
    virtual void ApplyProperty(const QString& name, const QString& value);
    virtual bool ExecuteCommand(const TdtpCommand& command);

    // ---- painting and caches ----
    virtual bool UsesCache() const;
    virtual bool NeedsMirror() const { return FMirrored || FFlipped; }
    virtual bool PaintsWithCanvas() const { return false; }
    virtual void PaintCanvas(QPainter& canvas, const TDeviceContext& dc) {}
    virtual void PaintBitmap(QImage& bitmap, const TDeviceContext& dc) {}
    // Shapes that can draw themselves (not their children) straight onto any painter as lines,
    // fills and glyphs, looking as the bitmap pipeline draws them. `canvas` maps the pixels of the
    // render transform to the device (dc.PixelToDevice).
    virtual bool PaintsVector() const { return false; }
    virtual void PaintVector(QPainter& canvas, const TDeviceContext& dc) {}
    virtual void PostProcess(QImage& bitmap, const TDeviceContext& dc);
    virtual void PaintAfterChildren(QImage& bitmap, const TDeviceContext& dc) {}
    virtual void PaintDecorations(QImage& bitmap, const QRect& rect) {}
    virtual void SetRenderTransform(const TdtpTransform& matrix) { FRenderTransform.Assign(matrix); }
    const TdtpTransform& RenderTransform() const { return FRenderTransform; }
    QPointF LocalToPixel(QPointF p) const;
    int PixelLeft() const;
    int PixelRight() const;
    int PixelTop() const;
    int PixelBottom() const;
    int PixelWidth() const { return PixelRight() - PixelLeft(); }
    int PixelHeight() const { return PixelBottom() - PixelTop(); }
    virtual void FreeCache();
    void FreeCaches();
    const QImage& Cache() const { return FCache; }
    float CacheDpm() const { return FCacheDpm; }
    int CacheMasterAlpha() const { return FCacheMasterAlpha; }
    QPoint CacheOrigin() const { return FCacheOrigin; }  // cache pixel of local (0, 0)
    virtual void MakeMask(QImage& bitmap, QRgb color) const;

    // ---- hit testing (screen pixels) ----
    virtual QPainterPath CreateOutlineRegion() const;  // empty: no outline
    virtual QPolygonF CreateBoundsRegion() const;
    virtual QRect GetPixelBounds() const;
    virtual QRect GetScreenBounds() const { return GetPixelBounds(); }
    virtual bool HitTestPixels(QPoint screenPoint) const;
    virtual bool HitTest(QPoint screenPoint) const;
    virtual bool HitTestDeep(QPoint screenPoint, TdtpShape*& shape);

    // ---- storage ----
    virtual void SaveToXml(pugi::xml_node& node) const;
    virtual void LoadFromXml(const pugi::xml_node& node);
    virtual void ListArchiveStreams(QStringList& names) const;
    virtual void AfterLoad() {}
    virtual void AfterPaste() {}
    void LoadError(const QString& message);
    QByteArray SaveShapeToString() const;
    void LoadShapeFromString(const QByteArray& text);
    virtual void AssignShape(const TdtpShape& source);
    void Assign(const TdtpShape& source);  // copy through the packed string
    // A deep copy of the shape tree through its XML form (no text in between), of the same class.
    // Archive streams are not copied: the copy names the same streams.
    std::unique_ptr<TdtpShape> CloneShape() const;
    virtual TdtpResourceStorage GetResourceStorage() const { return TdtpResourceStorage::Embedded; }
    virtual void SetResourceStorage(TdtpResourceStorage) {}

    // ---- interaction hooks (empty here; shapes that edit in place override them) ----
    virtual QPointF SnapPoint(QPointF point) const;
    virtual void GetPasteOffset(float& dx, float& dy) const { dx = 10; dy = 10; }
    virtual void Animate() {}
    virtual void DblClick();
    virtual void StartEdit();
    virtual void EndEdit(bool accept) {}
    virtual void KeyDown(int& key, Qt::KeyboardModifiers shift) {}
    virtual void KeyPress(QChar& key) {}
    virtual void KeyUp(int& key, Qt::KeyboardModifiers shift) {}
    virtual void MouseDblClick(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {}
    virtual void MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {}
    virtual void MouseMove(Qt::KeyboardModifiers, int x, int y) {}
    virtual void MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {}

protected:
    void StoreGeometryUnrecorded(float left, float top, float width, float height);
    void LayoutGroupChildren(float oldWidth, float oldHeight, float newWidth, float newHeight);
    void AttachChild(TdtpShape* child);
    void AppendLoadedChild(std::unique_ptr<TdtpShape> child);  // no undo record, no notification
    void DeleteTempStreams(TdtpShape* child);
    bool DocumentIsLoading() const;
    // Base part of the XML form; subclasses call these before writing their own elements.
    void SaveShapeBase(pugi::xml_node& node) const;
    void LoadShapeBase(const pugi::xml_node& node);
    void SaveChildren(pugi::xml_node& node) const;
    void LoadChildren(const pugi::xml_node& node);
    void SetFlag(bool& field, bool value, bool invalidatesCache);

private:
    friend void RenderShape(TdtpShape&, QImage&, const QRectF&, bool, const TDeviceContext&);
    friend class TdtpDocument;
    void RenderCached(QImage& bitmap, const QRectF& areaMm, bool isRoot, const TDeviceContext& dc);
    void RenderDirect(QImage& bitmap, const QRectF& areaMm, bool isRoot, const TDeviceContext& dc);
    void RebuildCache(const TDeviceContext& dc);
    bool CacheValidFor(const TDeviceContext& dc) const;

    std::vector<std::unique_ptr<TdtpShape>> FChildren;
    TdtpShape* FParent = nullptr;
    TdtpDocument* FDocument = nullptr;
    QString FName, FHint;
    QImage FCache;
    TdtpTransform FRenderTransform;
    TdtpDragGeometry FDrag;
    double FCos = 1, FSin = 0;
    float FDocLeft = 0, FDocTop = 0, FDocWidth = 0, FDocHeight = 0, FDocAngle = 0;
    float FCurbLeft = 0, FCurbTop = 0, FCurbRight = 0, FCurbBottom = 0;
    float FMinWidth = 0, FMinHeight = 0, FMaxWidth = 0, FMaxHeight = 0;
    float FAspectRatio = 0;
    float FCacheDpm = 0;
    double FCacheScale = 1;  // pixels per mm the cache was actually drawn at
    QPoint FCacheOrigin;
    int FCacheMasterAlpha = 255;
    int FShapeId = 0;
    int FTag = 0;
    int FUpdateCount = 0;
    std::uint16_t FAnchors = anDefault | anLeftLock | anTopLock;
    std::uint8_t FMasterAlpha = 255;
    bool FAllowEdit = true, FAllowDelete = true, FAllowResize = true, FAllowMove = true;
    bool FAllowRotate = true, FAllowSelect = true;
    bool FPermanent = false, FGrouped = false, FFlipped = false, FMirrored = false;
    bool FCacheAlways = false, FPreserveAspect = false, FSelected = false, FVisible = true;
    bool FModified = false, FChangePending = false;
};

// Renders `shape` (and its tree) into `bitmap`, which shows `areaMm` in the shape's parent
// millimetres (the shape's own millimetres when `isRoot`).
void RenderShape(TdtpShape& shape, QImage& bitmap, const QRectF& areaMm, bool isRoot, const TDeviceContext& dc);

}  // namespace tessaly::document
