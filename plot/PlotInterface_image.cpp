// Saving a plot window as a vector drawing or a raster image.

#include "PlotInterface.h"

#include "DeviceConsole.h"
#include "SerialPort.h"
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
#include <QTextEdit>
#include <QTextDocument>
#include <QtMath>
#include <qwt_abstract_legend.h>
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
    // The dialog's own event loop would hold a transfer with the dive computer halfway.
    if (SerialPort::ExclusiveOperation::running()) {
        if (QTextEdit* console = DeviceConsole::console())
            console->append(QString("<i>%1</i>").arg(DeviceConsole::busyRefusal()));
        return;
    }
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

    // A name ending in a suffix that the program writes keeps it, and the suffix decides the
    // format whatever the filter; any other name gets the filter's suffix, "PNG image (*.png)"
    // naming ".png".
    QString suffix = selectedFilter.mid(selectedFilter.lastIndexOf('.') + 1);
    suffix = "." + suffix.left(suffix.indexOf(')'));
    QString fileName = name;
    if (!isWritableSuffix(QFileInfo(name).suffix()) && !fileName.endsWith(suffix))
        fileName += suffix;

    writeImage(fileName);
    return fileName;
}

bool PlotInterface::isWritableSuffix(const QString& suffix)
{
    const QString format = suffix.toLower();
    return format == "svg" || format == "pdf" || QImageWriter::supportedImageFormats().contains(format.toLatin1());
}

// The two lines of the plot title without their markup, as the files' metadata keep them.
QString PlotInterface::plainTitle() const
{
    QTextDocument document;
    document.setHtml(qwtPlot->title().text());
    QStringList lines;
    for (const QString& line : document.toPlainText().split('\n', Qt::SkipEmptyParts))
        lines << line.simplified();
    return lines.join(" - ");
}

// The renderer lays the plot out in the window's pixels scaled to the device's resolution, and
// a legend taller than that is cut: the picture grows taller for it.
QSize PlotInterface::exportSize(const QSize& usual, int deviceDpi) const
{
    const QwtAbstractLegend* legend = qwtPlot->legend();
    if (!legend)
        return usual;
    const QMargins margins = qwtPlot->contentsMargins();
    const int needed = legend->sizeHint().height() + margins.top() + margins.bottom();
    return QSize(usual.width(), qMax(usual.height(), qCeil(needed * double(deviceDpi) / qwtPlot->logicalDpiY())));
}

void PlotInterface::writeImage(const QString& fileName)
{
    QwtPlotRenderer renderer(this);
    renderer.setDiscardFlag(QwtPlotRenderer::DiscardCanvasBackground);
    // Qwt 6.1 would otherwise paint the widget's palette colour over the white page.
    renderer.setDiscardFlag(QwtPlotRenderer::DiscardBackground);
    const QString title = plainTitle();
    const QString format = QFileInfo(fileName).suffix().toLower();

    if (format == "svg") {
        QSaveFile file(fileName);
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        const QSize size = exportSize(QSize(800, 450), generator.resolution());
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size - QSize(1, 1)));
        // The generator writes both texts into the XML as they are.
        generator.setTitle(title.toHtmlEscaped());
        generator.setDescription(QString(webAddress).toHtmlEscaped());
        QPainter painter;
        if (!painter.begin(&generator))
            throw writeFailure(fileName, file.errorString());
        renderer.render(qwtPlot, &painter, generator.viewBoxF());
        painter.end();
        if (!file.commit())
            throw writeFailure(fileName, file.errorString());
    } else if (format == "pdf") {
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
        const bool tiff = format == "tif" || format == "tiff";
        const int dpi = QImage(1, 1, QImage::Format_ARGB32).logicalDpiY();
        QImage image(exportSize(tiff ? QSize(1280, 720) : QSize(800, 450), dpi), QImage::Format_ARGB32);
        image.fill(qRgba(255, 255, 255, 255));
        renderer.renderTo(qwtPlot, image);

        // The writer picks the format by the suffix, as it would for a file name, and
        // fails before the save file replaces anything.
        QSaveFile file(fileName);
        QImageWriter writer(&file, format.toLatin1());
        // The PNG writer takes the quality for its compression level: it keeps its own default.
        if (format != "png") {
            writer.setCompression(1);
            writer.setQuality(95);
        }
        writer.setText("Title", title);
        writer.setText("Author", webAddress);
        if (!writer.write(image))
            throw failure(writer.errorString());
        if (!file.commit())
            throw writeFailure(fileName, file.errorString());
    }
}
