// The shape class registry: creates shapes by their stored class name. A shape class registers
// itself from its own source file with TESSALY_REGISTER_SHAPE_CLASS.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace tessaly::document {

class TdtpShape;

using TdtpShapeFactory = std::unique_ptr<TdtpShape> (*)();

// Appends a class unless its name is already listed. Returns true when it was added.
bool RegisterShapeClass(const QString& name, TdtpShapeFactory factory);
// Exact, case-sensitive lookup; an unknown name gives the factory of TdtpShape.
TdtpShapeFactory FindShapeClass(const QString& name);
std::unique_ptr<TdtpShape> CreateShape(const QString& name);
QStringList RegisteredShapeClasses();

template <class T>
std::unique_ptr<TdtpShape> MakeShape() { return std::make_unique<T>(); }

}  // namespace tessaly::document

// In the .cpp file of a shape class (the one holding its constructor, so the linker keeps it):
//   TESSALY_REGISTER_SHAPE_CLASS(TdtpTextShape)
#define TESSALY_REGISTER_SHAPE_CLASS(Class)                                                     \
    namespace {                                                                                \
    const bool registered##Class = ::tessaly::document::RegisterShapeClass(                     \
        QStringLiteral(#Class), &::tessaly::document::MakeShape<Class>);                         \
    }
