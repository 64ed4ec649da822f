// Saving a plot window as a vector drawing or a raster image.

#include "PlotInterface.h"

#include "Settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QSettings>
#include <QSvgGenerator>
#include <qwt_plot_renderer.h>

namespace {

const char* const webAddress = "http://www.varn-planner.example/";
const char* const savePathKey = "Planner/savePath";

// The handler around the event loop shows a thrown text after this slot has been left.
const char* failure(const QString& text)
{
    static QByteArray storage;
    storage = text.toUtf8();
    return storage.constData();
}

const char* writeFailure(const QString& fileName, const QString& reason)
{
    return failure(QString("Cannot write %1: %2").arg(QDir::toNativeSeparators(fileName), reason));
}

} // namespace

void PlotInterface::saveImageSlot()
{
    const QString folder = settings ? settings->value(savePathKey, QDir::homePath()).toString() : QDir::homePath();
    QString selectedFilter = ".jpeg";
    const QString filters = tr("Jpeg image", "Save plot") + " (*.jpg *.jpeg);;"
                            + tr("PNG image", "Save plot") + " (*.png);;"
                            + tr("TIFF image", "Save plot") + " (*.tif *.tiff);;"
                            + tr("PDF file", "Save plot") + " (*.pdf);;"
                            + tr("SVG file", "Save plot") + " (*.svg);;";
    const QString name = QFileDialog::getSaveFileName(this, tr("Dump image to...", "Save plot"), folder, filters,
                                                      &selectedFilter);
    if (name.isEmpty())
        return;
    saveImageAs(name, selectedFilter);
}

QString PlotInterface::saveImageAs(const QString& name, const QString& selectedFilter)
{
    // Remembered before writing, so that the folder is kept even when writing fails.
    if (settings)
        settings->setValue(savePathKey, QFileInfo(name).absoluteDir().absoluteFilePath("."));

    // "PNG image (*.png)" names ".png"; the name's own ending wins when it has one of these.
    QString suffix = selectedFilter.mid(selectedFilter.lastIndexOf('.') + 1);
    suffix = "." + suffix.left(suffix.indexOf(')'));
    QString fileName = name;
    if (!fileName.endsWith(suffix) && !fileName.endsWith(".jpg") && !fileName.endsWith(".tif"))
        fileName += suffix;

    writeImage(fileName);
    return fileName;
}

void PlotInterface::writeImage(const QString& fileName)
{
    QwtPlotRenderer renderer(this);
    renderer.setDiscardFlag(QwtPlotRenderer::DiscardCanvasBackground);
    // Qwt 6.1 would otherwise paint the widget's palette colour over the white page.
    renderer.setDiscardFlag(QwtPlotRenderer::DiscardBackground);
    const QString title = qwtPlot->title().text();

    if (fileName.endsWith(".svg")) {
        QSaveFile file(fileName);
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(QSize(800, 450));
        generator.setViewBox(QRect(0, 0, 799, 449));
        // The generator writes both texts into the XML as they are; the title carries markup.
        generator.setTitle(title.toHtmlEscaped());
        generator.setDescription(QString(webAddress).toHtmlEscaped());
        QPainter painter;
        if (!painter.begin(&generator))
            throw writeFailure(fileName, file.errorString());
        renderer.render(qwtPlot, &painter, generator.viewBoxF());
        painter.end();
        if (!file.commit())
            throw writeFailure(fileName, file.errorString());
    } else if (fileName.endsWith(".pdf")) {
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setDocName(title);
        printer.setCreator(webAddress);
        QPainter painter;
        if (!painter.begin(&printer))
            throw writeFailure(fileName, "the file cannot be created");
        renderer.render(qwtPlot, &painter, QRectF(0, 0, printer.width(), printer.height()));
        if (!painter.end())
            throw writeFailure(fileName, "the file cannot be completed");
    } else {
        const bool tiff = fileName.endsWith(".tif") || fileName.endsWith(".tiff");
        QImage image(tiff ? QSize(1280, 720) : QSize(800, 450), QImage::Format_ARGB32);
        image.fill(qRgba(255, 255, 255, 255));
        renderer.renderTo(qwtPlot, image);

        // The writer picks the format by the suffix, as it would for a file name, and
        // fails before the save file replaces anything.
        QSaveFile file(fileName);
        QImageWriter writer(&file, QFileInfo(fileName).suffix().toLower().toLatin1());
        writer.setCompression(1);
        writer.setQuality(95);
        writer.setText("Title", title);
        writer.setText("Author", webAddress);
        if (!writer.write(image))
            throw failure(writer.errorString());
        if (!file.commit())
            throw writeFailure(fileName, file.errorString());
    }
}
