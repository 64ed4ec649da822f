#include "PlotInterface.h"
#include "ProfileImpl.h"
#include "Settings.h"
#include "VARN_eeprom.h"
#include "testutil.h"

#include <QDomDocument>
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

class TestPlotImage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void raster_data();
    void raster();
    void rasterBackgroundIsWhite();
    void svg();
    void pdf();
    void unsupportedFormatKeepsExistingFile();
    void failureIsReported_data();
    void failureIsReported();
    void folderIsRemembered();

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
    QTest::newRow("pdf name, jpeg filter") << "dive.pdf" << jpegFilter << "dive.pdf.jpeg" << QByteArray("jpeg")
                                           << QSize(800, 450) << true;
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
        QCOMPARE(reader.text("Title"), title().simplified());
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

void TestPlotImage::svg()
{
    const QString fileName = window->saveImageAs(dir->filePath("dive.SVG"), svgFilter);
    QCOMPARE(fileName, dir->filePath("dive.SVG.svg"));

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
    QCOMPARE(root.firstChildElement("title").text(), title());
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
    QCOMPARE(pdfInfoText(pdf, "Title"), title());
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

QTEST_MAIN(TestPlotImage)
#include "tst_plotimage.moc"
