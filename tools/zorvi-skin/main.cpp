// zorvi-skin: a tool for skin authors.
//   zorvi-skin check SKIN
//       prints every message the player would show while loading SKIN (a skin
//       folder, an archive, or the name of a built-in skin); exit status 1
//       when there is any, 0 when the skin loads cleanly.
//   zorvi-skin preview SKIN -o FILE.png [--size WxH] [--playlist]
//       draws the player's window with that skin into a PNG.
// A usage error or a SKIN that is no skin gives exit status 2.
// It never opens a window: it runs on Qt's offscreen platform.
#include "tools/zorvi-skin/SkinPreview.h"

#include <QApplication>
#include <QRegularExpression>
#include <cstdio>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: zorvi-skin check SKIN\n"
                         "       zorvi-skin preview SKIN -o FILE.png [--size WxH] [--playlist]\n"
                         "SKIN is a skin folder, a skin archive or the name of a built-in skin.\n");
    return 2;
}

int Fail(const QString &message)
{
    std::fprintf(stderr, "zorvi-skin: %s\n", qPrintable(message));
    return 2;
}

// A message box shows "\n\r" as one line break.
void PrintMessage(FILE *out, const QString &message)
{
    QString text = message;
    text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    std::fprintf(out, "%s\n", qPrintable(text));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.size() < 2)
        return Usage();
    const QString mode = args.takeFirst();
    const QString skinArg = args.takeFirst();

    QString output;
    QSize size(275, 276);
    bool playlist = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("-o") && i + 1 < args.size()) {
            output = args[++i];
        } else if (args[i] == QLatin1String("--size") && i + 1 < args.size()) {
            const auto m = QRegularExpression(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$")).match(args[++i]);
            const auto fits = [](int v) { return v >= 1 && v <= 8192; };
            if (!m.hasMatch() || !fits(m.captured(1).toInt()) || !fits(m.captured(2).toInt()))
                return Fail(
                    QStringLiteral("--size wants WIDTHxHEIGHT from 1x1 to 8192x8192, for example 800x500"));
            size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
        } else if (args[i] == QLatin1String("--playlist")) {
            playlist = true;
        } else {
            return Usage();
        }
    }
    if (mode != QLatin1String("check") && mode != QLatin1String("preview"))
        return Usage();
    if (mode == QLatin1String("preview") && output.isEmpty())
        return Usage();

    QString why;
    const auto target = FindSkin(skinArg, why);
    if (!target)
        return Fail(why);

    SkinPreview preview(size);
    const QStringList messages = preview.Load(*target);
    if (mode == QLatin1String("check")) {
        for (const QString &message : messages) {
            PrintMessage(stdout, message);
            std::fprintf(stdout, "\n");
        }
        if (messages.isEmpty())
            std::fprintf(stdout, "%s: no messages\n", qPrintable(target->Entry.Name));
        else
            std::fprintf(stdout, "%s: %lld message(s)\n", qPrintable(target->Entry.Name),
                         static_cast<long long>(messages.size()));
        return messages.isEmpty() ? 0 : 1;
    }

    for (const QString &message : messages)
        PrintMessage(stderr, message);
    preview.FillSamples(playlist);
    if (!preview.Render().save(output, "PNG"))
        return Fail(QStringLiteral("cannot write %1").arg(output));
    return 0;
}
