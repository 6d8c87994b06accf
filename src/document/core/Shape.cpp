// TdtpShape: construction, the child list, flags, change notification and update blocks.
#include "document/core/Shape.h"

#include "document/core/Document.h"
#include "document/core/ShapeRegistry.h"

#include <algorithm>

namespace tessaly::document {

TESSALY_REGISTER_SHAPE_CLASS(TdtpShape)

TdtpShape::TdtpShape() = default;

TdtpShape::~TdtpShape()
{
    // Children go first, while their parent still exists.
    while (!FChildren.empty())
        FChildren.pop_back();
}

TdtpShape* TdtpShape::GetChild(int index) const
{
    if (index < 0 || index >= int(FChildren.size()))
        return nullptr;
    return FChildren[size_t(index)].get();
}

void TdtpShape::AttachChild(TdtpShape* child)
{
    child->SetParent(this);
    child->SetDocument(FDocument);
}

void TdtpShape::AppendLoadedChild(std::unique_ptr<TdtpShape> child)
{
    TdtpShape* raw = child.get();
    FChildren.push_back(std::move(child));
    AttachChild(raw);
}

int TdtpShape::AddChild(std::unique_ptr<TdtpShape> shape)
{
    if (!shape)
        return -1;
    const int index = int(FChildren.size());
    InsertChild(index, std::move(shape));
    return index;
}

void TdtpShape::InsertChild(int index, std::unique_ptr<TdtpShape> shape)
{
    if (!shape)
        return;
    index = std::clamp(index, 0, int(FChildren.size()));
    RecordChildChange(ckChildInserted, shape.get(), index);
    TdtpShape* raw = shape.get();
    FChildren.insert(FChildren.begin() + index, std::move(shape));
    AttachChild(raw);
    InvalidateCache();
    raw->InvalidateScreen();
    Changed();
}

std::unique_ptr<TdtpShape> TdtpShape::ExtractChild(TdtpShape* shape)
{
    const int index = IndexOfChild(shape);
    if (index < 0)
        return nullptr;
    RecordChildChange(ckChildRemoved, shape, index);
    shape->InvalidateScreen();
    DeleteTempStreams(shape);
    shape->SetSelected(false);
    if (FDocument)
        FDocument->ShapeDestroyed(shape);
    std::unique_ptr<TdtpShape> owned = std::move(FChildren[size_t(index)]);
    FChildren.erase(FChildren.begin() + index);
    owned->SetParent(nullptr);
    owned->SetDocument(nullptr);
    InvalidateCache();
    Changed();
    return owned;
}

void TdtpShape::DeleteChild(int index)
{
    if (TdtpShape* child = GetChild(index))
        ExtractChild(child);  // the returned owner frees it
}

int TdtpShape::RemoveChild(TdtpShape* shape)
{
    const int index = IndexOfChild(shape);
    if (index >= 0)
        DeleteChild(index);
    return index;
}

void TdtpShape::ClearChildren()
{
    while (!FChildren.empty())
        DeleteChild(0);
}

void TdtpShape::ExchangeChildren(int index1, int index2)
{
    if (index1 == index2 || !GetChild(index1) || !GetChild(index2))
        return;
    std::swap(FChildren[size_t(index1)], FChildren[size_t(index2)]);
    FChildren[size_t(index1)]->InvalidateScreen();
    FChildren[size_t(index2)]->InvalidateScreen();
    InvalidateCache();
    Changed();
}

void TdtpShape::MoveChild(int fromIndex, int toIndex)
{
    const int count = int(FChildren.size());
    if (fromIndex == toIndex || fromIndex < 0 || fromIndex >= count || toIndex < 0 || toIndex >= count)
        return;
    std::unique_ptr<TdtpShape> moving = std::move(FChildren[size_t(fromIndex)]);
    FChildren.erase(FChildren.begin() + fromIndex);
    FChildren.insert(FChildren.begin() + toIndex, std::move(moving));
    FChildren[size_t(toIndex)]->InvalidateScreen();
    InvalidateCache();
    Changed();
}

int TdtpShape::IndexOfChild(const TdtpShape* shape) const
{
    if (!shape)
        return -1;
    for (size_t i = 0; i < FChildren.size(); ++i)
        if (FChildren[i].get() == shape)
            return int(i);
    return -1;
}

void TdtpShape::Clear()
{
    BeginUpdate();
    while (!FChildren.empty() && !FChildren.back()->Permanent())
        DeleteChild(int(FChildren.size()) - 1);
    EndUpdate();
}

void TdtpShape::DeleteTempStreams(TdtpShape* child)
{
    if (!FDocument)
        return;
    QStringList names;
    child->ListArchiveStreams(names);
    for (const QString& name : names)
        if (name.startsWith(QLatin1String("TMP")))
            FDocument->DeleteArchiveStream(name);
}

// ---- tree ----

void TdtpShape::SetDocument(TdtpDocument* document)
{
    if (document == FDocument)
        return;
    FDocument = document;
    if (document)
        FShapeId = document->NextShapeId();
    InvalidateScreen();
    for (auto& child : FChildren)
        child->SetDocument(document);
}

TdtpShape* TdtpShape::Root()
{
    TdtpShape* shape = this;
    while (shape->FParent)
        shape = shape->FParent;
    return shape;
}

float TdtpShape::DocumentScreenDpm() const { return FDocument ? FDocument->ScreenDpm() : kDpm150; }

bool TdtpShape::DocumentIsLoading() const { return FDocument && FDocument->IsLoading(); }

// ---- flags ----

void TdtpShape::SetFlag(bool& field, bool value, bool invalidatesCache)
{
    if (field == value)
        return;
    field = value;
    if (invalidatesCache)
        InvalidateCache();
    InvalidateScreen();
    Changed();
}

void TdtpShape::SetAllowSelect(bool v)
{
    FAllowSelect = v;
    if (!v)
        SetSelected(false);
}

void TdtpShape::SetGrouped(bool v) { FGrouped = v; }

void TdtpShape::SetVisible(bool v)
{
    if (!v)
        SetSelected(false);
    if (FParent && v != FVisible)
        FParent->InvalidateCache();
    SetFlag(FVisible, v, false);
}

void TdtpShape::SetMirrored(bool v) { SetFlag(FMirrored, v, true); }

void TdtpShape::SetFlipped(bool v) { SetFlag(FFlipped, v, true); }

void TdtpShape::SetCacheAlways(bool v) { SetFlag(FCacheAlways, v, false); }

void TdtpShape::SetMasterAlpha(int value)
{
    value = std::clamp(value, 0, 255);
    if (value == FMasterAlpha)
        return;
    RecordIntChange(ckProperty, QStringLiteral("MasterAlpha"), FMasterAlpha);
    FMasterAlpha = std::uint8_t(value);
    if (FParent)
        FParent->InvalidateCache();
    InvalidateScreen();
    Changed();
}

void TdtpShape::SetConstraints(float minWidth, float minHeight, float maxWidth, float maxHeight)
{
    FMinWidth = minWidth;
    FMinHeight = minHeight;
    FMaxWidth = maxWidth;
    FMaxHeight = maxHeight;
}

void TdtpShape::SetName(const QString& value)
{
    if (value == FName)
        return;
    FName = value;
    Changed();
}

void TdtpShape::SetSelected(bool value)
{
    if (value && !FAllowSelect)
        return;
    if (value == FSelected)
        return;
    FSelected = value;
    if (FDocument)
        FDocument->SelectionChanged();
    InvalidateScreen();
}

void TdtpShape::LockAspect()
{
    FPreserveAspect = true;
    FAspectRatio = FDocWidth / FDocHeight;  // a zero height gives infinity, as stored files expect
}

// ---- change notification ----

void TdtpShape::Changed()
{
    if (DocumentIsLoading())
        return;
    SetModified(true);
    if (FUpdateCount > 0) {
        FChangePending = true;
        return;
    }
    if (OnChange)
        OnChange(this);
    if (FDocument)
        FDocument->ShapeChanged(this);
}

void TdtpShape::BeginUpdate() { ++FUpdateCount; }

void TdtpShape::EndUpdate()
{
    if (FUpdateCount <= 0)
        throw DocumentError("EndUpdate called more often than BeginUpdate");
    if (--FUpdateCount == 0 && FChangePending) {
        FChangePending = false;
        Changed();
    }
}

void TdtpShape::SetModified(bool value)
{
    if (value) {
        FModified = true;
        if (FParent)
            FParent->SetModified(true);
        else if (FDocument)
            FDocument->SetModified(true);
        return;
    }
    FModified = false;
    for (auto& child : FChildren)
        child->SetModified(false);
}

void TdtpShape::InvalidateScreen() const
{
    if (FDocument && FDocument->WantsInvalidate())
        FDocument->Invalidate(GetScreenBounds());
}

void TdtpShape::InvalidateCache()
{
    for (TdtpShape* shape = this; shape; shape = shape->FParent)
        shape->FCacheDpm = 0;
}

void TdtpShape::Rebuild()
{
    InvalidateCache();
    for (auto& child : FChildren)
        child->Rebuild();
    InvalidateScreen();
}

void TdtpShape::LoadError(const QString& message)
{
    if (FDocument)
        FDocument->ReportLoadError(this, message);
}

void TdtpShape::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TdtpShape::StartEdit()
{
    DblClick();
    EndEdit(true);
}

QPointF TdtpShape::SnapPoint(QPointF point) const
{
    if (!FParent)
        return point;
    return ParentToLocal(FParent->SnapPoint(LocalToParent(point)));
}

void TdtpShape::AssignShape(const TdtpShape& source)
{
    const int count = std::min(ChildCount(), source.ChildCount());
    for (int i = 0; i < count; ++i) {
        TdtpShape* mine = GetChild(i);
        const TdtpShape* theirs = source.GetChild(i);
        if (mine->ClassName() == theirs->ClassName())
            mine->AssignShape(*theirs);
    }
    OnChange = source.OnChange;
    OnDblClick = source.OnDblClick;
    OnSizeChanged = source.OnSizeChanged;
}

void TdtpShape::Assign(const TdtpShape& source)
{
    Clear();
    LoadShapeFromString(source.SaveShapeToString());
    AssignShape(source);
}

void TdtpShape::MakeMask(QImage& bitmap, QRgb color) const
{
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x)
            line[x] = qAlpha(line[x]) == 0 ? (line[x] | 0xFF000000u) : color;
    }
}

}  // namespace tessaly::document
