// Renders an SVG icon into the PNG sizes of an icon theme, for desktops that show no SVG:
// render_icon ICON.svg THEME_FOLDER CATEGORY/NAME SIZE... writes
// THEME_FOLDER/SIZExSIZE/CATEGORY/NAME.png for each size.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fputs("usage: render_icon ICON.svg THEME_FOLDER CATEGORY/NAME SIZE...\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir theme(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString path = theme.filePath(QStringLiteral("%1x%1/%2.png").arg(size).arg(name));
        if (size <= 0 || !QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path)) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
