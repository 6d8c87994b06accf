#include "app/InterfaceTexts.h"

#include "lang/InterfaceFont.h"
#include "lang/InterfaceTextBindings.h"
#include "lang/UIText.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>

namespace tessaly::app {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }
QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A tab page's caption is the tab's text in its tab widget.
bool setTabCaption(QWidget* page, const QString& text)
{
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    if (!tabs)
        return false;
    tabs->setTabText(tabs->indexOf(page), text);
    return true;
}

void setCaption(QObject* control, const QString& text)
{
    if (auto* action = qobject_cast<QAction*>(control))
        action->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
    else if (auto* widget = qobject_cast<QWidget*>(control))
        setTabCaption(widget, text);
}

void applyBinding(QObject* control, lang::TextProperty property, const QString& text)
{
    switch (property) {
    case lang::TextProperty::Caption:
    case lang::TextProperty::MenuItem:
        setCaption(control, text);
        break;
    case lang::TextProperty::Hint:
        if (auto* widget = qobject_cast<QWidget*>(control))
            widget->setToolTip(text);
        else if (auto* action = qobject_cast<QAction*>(control))
            action->setToolTip(text);
        break;
    }
}

} // namespace

void InterfaceTexts::load(const QString& programFolder)
{
    lang::CurrentInterfaceLanguage().Load(programFolder.toStdString());
}

void InterfaceTexts::setLanguage(int language) { lang::CurrentInterfaceLanguage().SetLanguage(language); }

QString InterfaceTexts::text(int n) const { return fromUtf8(lang::CurrentInterfaceLanguage().Text(n)); }

QString InterfaceTexts::fontName() const
{
    const auto choice = lang::ChooseInterfaceFont(lang::CurrentInterfaceLanguage().LanguageFile());
    return choice.useSystemMenuFont ? QString() : fromUtf8(choice.name);
}

int InterfaceTexts::charset() const
{
    return lang::ChooseInterfaceFont(lang::CurrentInterfaceLanguage().LanguageFile()).charset;
}

void ApplyInterfaceTexts(QWidget* window, const InterfaceTexts& texts)
{
    for (const auto& binding : lang::InterfaceTextBindings()) {
        if (QObject* control = window->findChild<QObject*>(fromUtf8(binding.objectName)))
            applyBinding(control, binding.property, texts.text(binding.text));
    }
    for (const auto& binding : lang::InterfaceListBindings()) {
        if (auto* list = window->findChild<QComboBox*>(fromUtf8(binding.objectName))) {
            list->clear();
            for (int n : binding.texts)
                list->addItem(texts.text(n));
        }
    }
    for (const auto& binding : lang::KeyGeneratorLabelBindings()) {
        if (auto* label = window->findChild<QLabel*>(fromUtf8(binding.objectName)))
            label->setText(fromUtf8(lang::ComposedLabelText(binding)));
    }
    // The article grid's titles are applied by the grid's model when it exists.
}

} // namespace tessaly::app
