#include "app/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace tessaly::app {

Tfapropos::Tfapropos(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tfapropos"));
    setWindowTitle(QStringLiteral("Tessaly"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("<h2>Tessaly</h2>"), this);
    name->setObjectName(QStringLiteral("labnomlogiciel"));
    auto* version = new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(TESSALY_VERSION)), this);
    version->setObjectName(QStringLiteral("labversion"));
    auto* about = new QLabel(QStringLiteral("Barcode labels on sheets of labels."), this);
    for (QLabel* label : {name, version, about}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

} // namespace tessaly::app
