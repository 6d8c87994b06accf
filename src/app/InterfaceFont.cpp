#include "app/InterfaceFont.h"

#include "lang/InterfaceFont.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QRadioButton>
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

// The kind of control a Qt widget stands for in the font walk.
lang::FontControlKind kindOf(const QWidget* widget)
{
    using Kind = lang::FontControlKind;
    if (qobject_cast<const QLineEdit*>(widget))
        return Kind::Edit;
    if (qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget))
        return Kind::Memo;
    if (qobject_cast<const QHeaderView*>(widget))
        return Kind::Other; // a table's titles follow the table
    if (qobject_cast<const QGroupBox*>(widget))
        return Kind::GroupBox;
    if (qobject_cast<const QLabel*>(widget))
        return Kind::Label;
    if (qobject_cast<const QRadioButton*>(widget))
        return Kind::RadioButton;
    if (qobject_cast<const QCheckBox*>(widget))
        return Kind::CheckBox;
    if (qobject_cast<const QAbstractButton*>(widget))
        return Kind::SpeedButton;
    if (qobject_cast<const QComboBox*>(widget))
        return Kind::ComboBox;
    if (qobject_cast<const QTableView*>(widget))
        return Kind::DatabaseGrid;
    if (qobject_cast<const QAbstractItemView*>(widget))
        return Kind::ListBox;
    if (qobject_cast<const QTabWidget*>(widget))
        return Kind::PageControl;
    if (isTabPage(widget))
        return Kind::TabSheet;
    return Kind::Other;
}

bool isEditField(lang::FontControlKind kind)
{
    return kind == lang::FontControlKind::Edit || kind == lang::FontControlKind::Memo;
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
        const lang::FontControlKind kind = kindOf(widget);
        if (isEditField(kind)) {
            pinFont(widget);
        } else if (lang::TakesInterfaceFont(kind)) {
            QFont font = widget->font();
            font.setFamilies({fontName});
            if (size != 0)
                font.setPointSize(size);
            widget->setFont(font);
            if (lang::TitlesTakeInterfaceFont(kind))
                static_cast<QTableView*>(widget)->horizontalHeader()->setFont(font);
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
