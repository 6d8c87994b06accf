// A label document with the sheet fields around it, as the main window wires them.
#pragma once

#include "app/SheetFields.h"
#include "document/core/Document.h"
#include "lang/UIText.h"

#include <QComboBox>
#include <QLineEdit>

struct LabelSheet {
    LabelSheet()
        : fields([](int n) { return QString::fromStdString(tessaly::lang::UIText(n)); })
    {
        fields.setDecimalSeparator('.');
        fields.setLabelDocument(&document);
        fields.zoomToPage = [this] { ++zooms; };
        document.NewDocument();
        fields.ApplyLabelSize();
    }

    QStringList texts() const
    {
        QStringList shown;
        for (int i = 0; i < 8; ++i)
            shown << fields.lengthField(i)->text();
        return shown;
    }

    // Chooses predefined entry n in the size list as a user would.
    void choose(int entry)
    {
        const int index = fields.sizeList()->findText(QLatin1Char(' ') + QString::number(entry), Qt::MatchEndsWith);
        fields.sizeList()->setCurrentIndex(index);
        emit fields.sizeList()->activated(index);
    }

    QSizeF pageSize() const { return {document.PageWidth(), document.PageHeight()}; }

    tessaly::document::TdtpDocument document;
    tessaly::app::SheetFields fields;
    int zooms = 0;
};
