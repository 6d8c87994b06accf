// The three outputs. The PDF is written beside its target and renamed into place only once
// complete, so a failed run never leaves a half-written file under the asked name.
#include "batch/BatchOutput.h"

#include "batch/BatchError.h"
#include "print/PaperSize.h"

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QSaveFile>

namespace tessaly::batch {

namespace {

class PdfOutput final : public BatchOutput {
public:
    explicit PdfOutput(const QString& target)
        : target_(target), partial_(target + QStringLiteral(".part")), sink_(partial_)
    {
    }
    ~PdfOutput() override { QFile::remove(partial_); }

    print::SheetSink& Sink() override { return sink_; }

    void Commit() override
    {
        try {
            sink_.Finish();
        } catch (const std::exception& error) {
            throw BatchError(ExitCode::Output, "cannot write " + target_.toStdString() + ": " + error.what());
        }
        QFile::remove(target_);
        if (!QFile::rename(partial_, target_))
            throw BatchError(ExitCode::Output, "cannot write " + target_.toStdString());
    }

private:
    QString target_;
    QString partial_;
    print::PdfSheetSink sink_;
};

QString SheetFileName(const QDir& folder, int sheetNumber)
{
    return folder.filePath(QStringLiteral("sheet-%1.png").arg(sheetNumber, 4, 10, QLatin1Char('0')));
}

class PngOutput final : public BatchOutput {
public:
    PngOutput(const QDir& folder, float dpm)
        : sink_(dpm, [folder](const QImage& sheet, int sheetNumber) {
              QSaveFile file(SheetFileName(folder, sheetNumber));
              if (!file.open(QIODevice::WriteOnly) || !sheet.save(&file, "PNG") || !file.commit())
                  throw std::runtime_error("cannot write " + file.fileName().toStdString());
          })
    {
    }
    print::SheetSink& Sink() override { return sink_; }

private:
    print::ImageSheetSink sink_;
};

class PrinterOutput final : public BatchOutput {
public:
    explicit PrinterOutput(const QString& name) : sink_(printer_)
    {
        if (!QPrinterInfo::availablePrinterNames().contains(name))
            throw BatchError(ExitCode::Printer, "no installed printer is named \"" + name.toStdString() + "\"");
        print::SelectPrinter(printer_, name);
    }
    print::SheetSink& Sink() override { return sink_; }

private:
    QPrinter printer_{QPrinter::HighResolution};
    print::PrinterSheetSink sink_;
};

} // namespace

std::unique_ptr<BatchOutput> OpenOutput(const BatchOptions& options)
{
    const QString target = QString::fromStdString(options.target);
    switch (options.output) {
    case OutputKind::Pdf:
        return std::make_unique<PdfOutput>(target);
    case OutputKind::Png: {
        QDir folder(target);
        if (!folder.mkpath(QStringLiteral(".")))
            throw BatchError(ExitCode::Output, "cannot create the folder " + options.target);
        return std::make_unique<PngOutput>(folder, float(options.dpm));
    }
    case OutputKind::Printer:
        return std::make_unique<PrinterOutput>(target);
    }
    throw BatchError(ExitCode::Usage, "no output chosen");
}

} // namespace tessaly::batch
