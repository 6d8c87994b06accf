#include "app/InterfaceFont.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>

namespace tessaly::app {
namespace {

bool isTabPage(const QWidget* widget)
{
    const auto* stack = qobject_cast<const QStackedWidget*>(widget->parentWidget());
    return stack && qobject_cast<const QTabWidget*>(stack->parentWidget());
}

bool takesInterfaceFont(const QWidget* widget)
{
    if (qobject_cast<const QHeaderView*>(widget))
        return false; // a table's titles follow the table
    return qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QLabel*>(widget)
        || qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget)
        || qobject_cast<const QAbstractItemView*>(widget) || isTabPage(widget);
}

bool isEditField(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget)
        || qobject_cast<const QPlainTextEdit*>(widget);
}

// Qt hands a parent's font down to its children; an edit field keeps its font only when the
// font is set on it explicitly, so the current one is pinned before its container changes.
void pinFont(QWidget* widget)
{
    if (widget->testAttribute(Qt::WA_SetFont))
        return;
    QFont font = widget->font();
    font.setFamilies(font.families().isEmpty() ? QStringList{font.family()} : font.families());
    font.setPointSizeF(font.pointSizeF());
    widget->setFont(font);
}

void walk(QWidget* container, const QString& fontName, int size)
{
    for (QObject* child : container->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget)
            continue;
        if (isEditField(widget)) {
            pinFont(widget);
        } else if (takesInterfaceFont(widget)) {
            QFont font = widget->font();
            font.setFamilies({fontName});
            if (size != 0)
                font.setPointSize(size);
            widget->setFont(font);
            if (auto* table = qobject_cast<QTableView*>(widget)) {
                table->horizontalHeader()->setFont(font);
            }
        }
        walk(widget, fontName, size);
    }
}

} // namespace

void Tgerefonte::ApplyFont(QWidget* container, const QString& fontName, int size, int /*charset*/)
{
    if (container && !fontName.isEmpty())
        walk(container, fontName, size);
}

void ApplyInterfaceFont(const QString& fontName, int charset, std::initializer_list<QWidget*> windows)
{
    const QString name = fontName.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family() : fontName;
    for (QWidget* window : windows)
        Tgerefonte::ApplyFont(window, name, 0, charset < 1 ? 1 : charset);
}

} // namespace tessaly::app
