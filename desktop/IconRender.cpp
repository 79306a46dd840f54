// Renders the scalable icon to the PNG sizes icon themes look up first:
// zorvi-iconrender icon.svg outdir size... writes outdir/<size>/zorvi.png.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: zorvi-iconrender ICON.svg OUTDIR SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "zorvi-iconrender: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString dir = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1").arg(size);
        if (!QDir().mkpath(dir) || !image.save(dir + QStringLiteral("/zorvi.png"))) {
            std::fprintf(stderr, "zorvi-iconrender: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
