// Renders the SVG drawings of the icons and the splash to the PNG files that the program embeds:
// <folder>/svg/<name>.svg becomes <folder>/<name>.png at the drawing's own size.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);

    int failures = 0;
    for (const char* folder : {"Icons", "image"}) {
        const QDir target(QString(VARN_RESOURCES_DIR) + '/' + folder);
        const QDir sources(target.filePath("svg"));
        for (const QString& name : sources.entryList({"*.svg"}, QDir::Files, QDir::Name)) {
            QSvgRenderer renderer(sources.filePath(name));
            QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer.render(&painter);
            painter.end();

            const QString png = target.filePath(QFileInfo(name).completeBaseName() + ".png");
            if (!renderer.isValid() || !image.save(png)) {
                out << "FAILED " << png << '\n';
                ++failures;
            } else {
                out << png << '\n';
            }
        }
    }
    return failures ? 1 : 0;
}
