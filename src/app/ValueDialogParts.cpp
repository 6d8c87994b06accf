// Pieces both value-source windows share.
#include "app/ValueDialogParts.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaly::app {

QGroupBox* MakeKeyGroup(QWidget* parent, QComboBox*& list)
{
    auto* group = new QGroupBox(parent);
    group->setObjectName(QStringLiteral("gchecksum"));
    list = new QComboBox(group);
    list->setObjectName(QStringLiteral("cbtypechecksum"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(list);
    return group;
}

void ShowKeyChoice(QGroupBox* group, QComboBox* list, const values::KeyChoice& choice)
{
    list->clear();
    list->addItems(choice.entries);
    list->setCurrentIndex(choice.entries.isEmpty() ? -1 : choice.selected);
    group->setVisible(choice.visible);
}

QDialogButtonBox* MakeOkCancel(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("boutok"));
    ok->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("sretour"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace tessaly::app
