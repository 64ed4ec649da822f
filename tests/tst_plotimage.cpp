#include "PlotInterface.h"
#include "ProfileImpl.h"
#include "Settings.h"
#include "VARN_eeprom.h"
#include "Version.h"
#include "testutil.h"

#include <QDomDocument>
#include <QFileDialog>
#include <QImageReader>
#include <QImageWriter>
#include <QSettings>
#include <QSvgRenderer>
#include <QtTest>

namespace {

const QString webAddress = "http://www.varn-planner.example/";
const QString jpegFilter = "Jpeg image (*.jpg *.jpeg)";
const QString pngFilter = "PNG image (*.png)";
const QString tiffFilter = "TIFF image (*.tif *.tiff)";
const QString pdfFilter = "PDF file (*.pdf)";
const QString svgFilter = "SVG file (*.svg)";

QByteArray readAll(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// A PDF text string of the document information: (\xfe\xff + UTF-16BE with \-escapes).
QString pdfInfoText(const QByteArray& pdf, const QByteArray& key)
{
    int i = pdf.indexOf("/" + key + " (");
    if (i < 0)
        return QString();
    i += key.size() + 3;
    QByteArray bytes;
    for (; i < pdf.size() && pdf.at(i) != ')'; ++i) {
        if (pdf.at(i) == '\\')
            ++i;
        bytes.append(pdf.at(i));
    }
    if (!bytes.startsWith("\xfe\xff"))
        return QString::fromLatin1(bytes);
    QString text;
    for (int k = 2; k + 1 < bytes.size(); k += 2)
        text.append(QChar(ushort(uchar(bytes.at(k)) << 8 | uchar(bytes.at(k + 1)))));
    return text;
}

} // namespace

// The plot title as a reader of the file's metadata sees it: its two lines without markup.
QString plainTitle(const QString& firstLine)
{
    return QString("%1 - VARN Planner v%2 beta %3 - firmware %4.%5 (release) - ZH-L16C 2002 (1a)")
        .arg(firstLine)
        .arg(Version::program)
        .arg(Version::beta)
        .arg(Version::firmwareMajor)
        .arg(Version::firmwareMinor);
}

// What a file holds, read from its first bytes and its image format.
QString kindOf(const QString& fileName)
{
    const QByteArray head = readAll(fileName).left(200);
    if (head.startsWith("%PDF-"))
        return "pdf";
    if (head.startsWith("<?xml") && head.contains("<svg"))
        return "svg";
    return QString::fromLatin1(QImageReader(fileName).format());
}

class TestPlotImage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void raster_data();
    void raster();
    void nameDecidesTheFormat_data();
    void nameDecidesTheFormat();
    void pngIsCompressed();
    void rasterBackgroundIsWhite();
    void tissuesLegendIsWhole();
    void svg();
    void pdf();
    void unsupportedFormatKeepsExistingFile();
    void failureIsReported_data();
    void failureIsReported();
    void folderIsRemembered();
    void saveButtonAsksInTheRememberedFolder();

private:
    QString title() const { return window->qwtPlot->title().text(); }

    QScopedPointer<PlotInterface> window;
    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<QSettings> defaults;
};

void TestPlotImage::initTestCase()
{
    QVERIFY2(QImageWriter::supportedImageFormats().contains("tiff"), "qt5-image-formats-plugins is missing");
}

// A dive traces window with a fed depth curve, a GF curve with its limit lines and a gas label.
void TestPlotImage::init()
{
    eeprom = VARN_eeprom();
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    window.reset(new PlotInterface);
    window->setup(true, 40);
    window->depthCurve->enabled = true;
    window->gfCurve->enabled = true;
    window->depthCurve->begin("depth", 40);
    window->gfCurve->begin("GF", 100);
    window->depthCurve->addLabel(0, 0, 1);
    for (int step = 0; step <= 600; ++step) {
        const float minutes = step * 2 / 60.0f;
        window->depthCurve->addPoint(minutes, step < 20 ? step * 2 : 40);
        window->gfCurve->addPoint(minutes, step / 10.0f);
    }
    window->depthCurve->end();
    window->gfCurve->end();
    window->qwtPlot->replot();
    QVERIFY(title().contains("<br>"));
}

void TestPlotImage::cleanup()
{
    settings = nullptr;
    defaults.reset();
    window.reset();
}

void TestPlotImage::raster_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("keepsText");
    QTest::newRow("png by filter") << "dive" << pngFilter << "dive.png" << QByteArray("png") << QSize(800, 450) << true;
    QTest::newRow("jpg by name") << "dive.jpg" << pngFilter << "dive.jpg" << QByteArray("jpeg") << QSize(800, 450)
                                 << true;
    QTest::newRow("jpeg by filter") << "dive" << jpegFilter << "dive.jpeg" << QByteArray("jpeg") << QSize(800, 450)
                                    << true;
    QTest::newRow("untouched filter") << "dive" << ".jpeg" << "dive.jpeg" << QByteArray("jpeg") << QSize(800, 450)
                                      << true;
    QTest::newRow("tiff by filter") << "dive" << tiffFilter << "dive.tiff" << QByteArray("tiff") << QSize(1280, 720)
                                    << false;
    QTest::newRow("tif by name") << "dive.tif" << pdfFilter << "dive.tif" << QByteArray("tiff") << QSize(1280, 720)
                                 << false;
    QTest::newRow("other raster format") << "dive" << "Windows bitmap (*.bmp)" << "dive.bmp" << QByteArray("bmp")
                                         << QSize(800, 450) << false;
}

void TestPlotImage::raster()
{
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(bool, keepsText);

    QCOMPARE(window->saveImageAs(dir->filePath(name), filter), dir->filePath(written));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{written});

    QImageReader reader(dir->filePath(written));
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.size(), size);
    if (keepsText) {
        // Image texts are stored with their white space simplified.
        QCOMPARE(reader.text("Title"), plainTitle("Dive traces"));
        QCOMPARE(reader.text("Author"), webAddress);
    }
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            dark += qGray(image.pixel(x, y)) < 128;
    }
    QVERIFY2(dark > 500, "the plot is drawn");
}

// Qwt 6.1 fills the background with the widget palette colour unless told not to.
void TestPlotImage::nameDecidesTheFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("kind");

    // A suffix the program can write decides, whatever filter is selected, in any letter case.
    QTest::newRow("svg name, jpeg filter") << "x.svg" << jpegFilter << "x.svg" << "svg";
    QTest::newRow("svg name, untouched filter") << "x.svg" << ".jpeg" << "x.svg" << "svg";
    QTest::newRow("pdf name, jpeg filter") << "dive.pdf" << jpegFilter << "dive.pdf" << "pdf";
    QTest::newRow("upper-case svg") << "dive.SVG" << svgFilter << "dive.SVG" << "svg";
    QTest::newRow("upper-case png, pdf filter") << "dive.PNG" << pdfFilter << "dive.PNG" << "png";
    QTest::newRow("bmp name, png filter") << "dive.bmp" << pngFilter << "dive.bmp" << "bmp";
    QTest::newRow("tiff name, svg filter") << "dive.tiff" << svgFilter << "dive.tiff" << "tiff";
    // Any other ending is part of the name: the filter's suffix follows it.
    QTest::newRow("dotted name, png filter") << "my.dive" << pngFilter << "my.dive.png" << "png";
    QTest::newRow("unknown suffix, pdf filter") << "dive.xyz" << pdfFilter << "dive.xyz.pdf" << "pdf";
    QTest::newRow("unknown suffix, svg filter") << "dive.xyz" << svgFilter << "dive.xyz.svg" << "svg";
}

void TestPlotImage::nameDecidesTheFormat()
{
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QString, kind);

    QCOMPARE(window->saveImageAs(dir->filePath(name), filter), dir->filePath(written));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(kindOf(dir->filePath(written)), kind);
}

// A plot is mostly white: compressed, its 800 x 450 pixels take a small part of the 1.4 MB that
// they take uncompressed.
void TestPlotImage::pngIsCompressed()
{
    const QString fileName = window->saveImageAs(dir->filePath("dive.png"), pngFilter);
    const qint64 size = QFileInfo(fileName).size();
    QVERIFY2(size > 0 && size < 800 * 450 * 4 / 10, qPrintable(QString::number(size)));
    QCOMPARE(QImage(fileName).size(), QSize(800, 450));
}

void TestPlotImage::rasterBackgroundIsWhite()
{
    window->qwtPlot->setCanvasBackground(Qt::darkCyan);
    const QString fileName = window->saveImageAs(dir->filePath("dive.png"), pngFilter);
    const QImage image(fileName);
    const QRgb background = window->qwtPlot->palette().color(window->qwtPlot->backgroundRole()).rgb();
    QVERIFY(background != qRgb(255, 255, 255));
    QCOMPARE(image.pixel(0, 0), qRgba(255, 255, 255, 255));
    QCOMPARE(image.pixel(799, 449), qRgba(255, 255, 255, 255));
    // Anti-aliased text may hit the palette colour here and there; a painted background would not.
    int white = 0;
    int painted = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            white += pixel == qRgb(255, 255, 255);
            painted += pixel == background || pixel == QColor(Qt::darkCyan).rgb();
        }
    }
    QVERIFY(white > image.width() * image.height() * 3 / 4);
    QVERIFY2(painted < 500, qPrintable(QString::number(painted)));
}

// Every entry of the tissues plot's legend is in the image: the sixteen compartments, the
// ambient-pressure line and the gas labels. The last entry, a gas label outlined in cyan, is
// placed outside the plotted range, so that its colour can only come from the legend.
void TestPlotImage::tissuesLegendIsWhole()
{
    // The planner's own font size.
    qApp->setStyleSheet("* { font-size: 11pt }");
    PlotInterface tissues;
    tissues.setup(false, 40);
    for (int gas = 1; gas <= 6; ++gas)
        tissues.addTissueMarker(0.1f, -1, gas);
    tissues.qwtPlot->replot();

    for (const QString& name : {QString("tissues.png"), QString("tissues.tiff")}) {
        const QImage image(tissues.saveImageAs(dir->filePath(name), pngFilter));
        QCOMPARE(image.width(), name.endsWith(".png") ? 800 : 1280);
        // No curve colour comes near cyan: the colour map runs through green, blue and magenta.
        int cyan = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                cyan += c.red() < 40 && c.green() > 200 && c.blue() > 200;
            }
        }
        QVERIFY2(cyan > 5, qPrintable(QString("%1: %2").arg(name).arg(cyan)));
    }
    qApp->setStyleSheet(QString());
}

void TestPlotImage::svg()
{
    const QString fileName = window->saveImageAs(dir->filePath("dive"), svgFilter);
    QCOMPARE(fileName, dir->filePath("dive.svg"));

    QDomDocument document;
    QString error;
    int line = 0;
    QVERIFY2(document.setContent(readAll(fileName), &error, &line),
             qPrintable(QString("%1 at line %2").arg(error).arg(line)));
    const QDomElement root = document.documentElement();
    QCOMPARE(root.tagName(), QString("svg"));
    QCOMPARE(root.attribute("viewBox"), QString("0 0 799 449"));
    // 800 x 450 at the generator's 72 dpi.
    QCOMPARE(root.attribute("width"), QString("282.222mm"));
    QCOMPARE(root.attribute("height"), QString("158.75mm"));
    QCOMPARE(root.firstChildElement("title").text(), plainTitle("Dive traces"));
    QCOMPARE(root.firstChildElement("desc").text(), webAddress);
    QVERIFY(document.elementsByTagName("path").size() + document.elementsByTagName("polyline").size() > 10);

    QSvgRenderer renderer(fileName);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.viewBox(), QRect(0, 0, 799, 449));
}

void TestPlotImage::pdf()
{
    const QString fileName = window->saveImageAs(dir->filePath("dive.xyz"), pdfFilter);
    QCOMPARE(fileName, dir->filePath("dive.xyz.pdf"));
    const QByteArray pdf = readAll(fileName);
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    // A4 landscape, in points.
    const int box = pdf.indexOf("/MediaBox [");
    QVERIFY(box > 0);
    const QRegularExpressionMatch page = QRegularExpression("^/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")
                                             .match(QString::fromLatin1(pdf.mid(box, 50)));
    QVERIFY(page.hasMatch());
    QCOMPARE(qRound(page.captured(1).toDouble()), 842);
    QCOMPARE(qRound(page.captured(2).toDouble()), 595);
    QCOMPARE(pdfInfoText(pdf, "Title"), plainTitle("Dive traces"));
    QCOMPARE(pdfInfoText(pdf, "Creator"), webAddress);
}

void TestPlotImage::unsupportedFormatKeepsExistingFile()
{
    const QString fileName = dir->filePath("dive.xyz");
    QFile existing(fileName);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();

    const char* text = nullptr;
    try {
        window->saveImageAs(fileName, "Other (*.xyz)");
    } catch (const char* thrown) {
        text = thrown;
    }
    // The text is read after the throw has been left, as the handler around the event loop does.
    window->saveImageAs(dir->filePath("other.png"), pngFilter);
    QVERIFY(text);
    QCOMPARE(QString::fromLatin1(text), QString("Unsupported image format"));
    QCOMPARE(readAll(fileName), QByteArray("keep me"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), (QStringList{"dive.xyz", "other.png"}));
}

void TestPlotImage::failureIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("text");
    QTest::newRow("png, missing folder") << "missing/dive.png" << pngFilter << "Cannot open device for writing";
    QTest::newRow("tiff, missing folder") << "missing/dive" << tiffFilter << "Cannot open device for writing";
    QTest::newRow("svg, missing folder") << "missing/dive" << svgFilter << "Cannot write ";
    QTest::newRow("pdf, missing folder") << "missing/dive.pdf" << pdfFilter << "Cannot write ";
    QTest::newRow("png, folder in the way") << "taken.png" << pngFilter << "Cannot open device for writing";
    QTest::newRow("svg, folder in the way") << "taken.svg" << svgFilter << "Cannot write ";
    QTest::newRow("pdf, folder in the way") << "taken.pdf" << pdfFilter << "Cannot write ";
}

void TestPlotImage::failureIsReported()
{
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(QString, text);
    QVERIFY(QDir(dir->path()).mkpath(dir->filePath("taken.png")));
    QVERIFY(QDir(dir->path()).mkpath(dir->filePath("taken.svg")));
    QVERIFY(QDir(dir->path()).mkpath(dir->filePath("taken.pdf")));

    const QString thrown = thrownText([&] { window->saveImageAs(dir->filePath(name), filter); });
    QVERIFY2(thrown.startsWith(text), qPrintable(thrown));
    QVERIFY(QDir(dir->path()).entryList(QDir::Files).isEmpty());
    QVERIFY(QFileInfo(dir->filePath("taken.svg")).isDir());
}

void TestPlotImage::folderIsRemembered()
{
    defaults.reset(new QSettings(dir->filePath("defaults.ini"), QSettings::IniFormat));
    settings = defaults.data();
    QVERIFY(QDir(dir->path()).mkpath("plots"));
    const QString folder = QDir(dir->path()).absoluteFilePath("plots");

    window->saveImageAs(folder + "/dive.png", pngFilter);
    QCOMPARE(settings->value("Planner/savePath").toString(), folder + "/.");
    QCOMPARE(QDir(settings->value("Planner/savePath").toString()).canonicalPath(), QDir(folder).canonicalPath());

    // Also when writing fails.
    QVERIFY(!thrownText([&] { window->saveImageAs(dir->filePath("dive.xyz"), "Other (*.xyz)"); }).isNull());
    QCOMPARE(settings->value("Planner/savePath").toString(), QDir(dir->path()).absolutePath() + "/.");
}

// The Save image button's own dialog: it opens in the folder used last, a cancel leaves
// everything as it was, and an answer is written with the chosen filter.
void TestPlotImage::saveButtonAsksInTheRememberedFolder()
{
    defaults.reset(new QSettings(dir->filePath("defaults.ini"), QSettings::IniFormat));
    settings = defaults.data();
    QVERIFY(QDir(dir->path()).mkpath("plots"));
    const QString folder = QDir(dir->path()).absoluteFilePath("plots");
    settings->setValue("Planner/savePath", folder + "/.");

    QString shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        shown = dialog->directory().absolutePath();
        dialog->reject();
    });
    window->saveImage->click();
    QCOMPARE(QDir(shown).canonicalPath(), QDir(folder).canonicalPath());
    QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty());
    QVERIFY(QDir(dir->path()).entryList(QDir::Files).filter(QRegularExpression("^(?!defaults)")).isEmpty());
    QCOMPARE(settings->value("Planner/savePath").toString(), folder + "/.");

    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->selectNameFilter(pngFilter);
        dialog->selectFile("dive");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    window->saveImage->click();
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"dive.png"}));
    QCOMPARE(QImageReader(folder + "/dive.png").format(), QByteArray("png"));
}

QTEST_MAIN(TestPlotImage)
#include "tst_plotimage.moc"
