#pragma once
// What the engine drew on the test display, seen in a screenshot (ImageMagick's import).
#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QWidget>
#include <set>

inline QImage Screenshot()
{
    const QString shot =
        QDir::tempPath() + QStringLiteral("/zorvi-shot%1.png").arg(QCoreApplication::applicationPid());
    QProcess import;
    import.start("import", {"-window", "root", shot});
    import.waitForFinished(20000);
    const QImage image(shot);
    QFile::remove(shot);
    return image;
}

// Whether the panel shows a test clip's many bright colours, drawn over the colour key (5, 7, 2).
inline testing::AssertionResult PictureInside(const QWidget *panel, const QImage &image = Screenshot())
{
    const QRect inside(panel->mapToGlobal(QPoint(0, 0)), panel->size());
    std::set<QRgb> colours;
    int samples = 0, key = 0, saturated = 0;
    for (int y = inside.top() + 4; y < inside.bottom() - 4; y += 4)
        for (int x = inside.left() + 4; x < inside.right() - 4; x += 4, ++samples) {
            const QColor c = image.pixelColor(x, y);
            colours.insert(c.rgb() & 0xF0F0F0);
            key += c.rgb() == qRgb(5, 7, 2);
            saturated += c.hsvSaturation() > 150 && c.value() > 150;
        }
    if (samples > 100 && colours.size() > 12 && key < samples / 10 && saturated > samples / 10)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << samples << " samples: " << colours.size() << " colours, " << key
                                       << " of the key, " << saturated << " bright";
}
