#include "mainwindow/VideoAreaText.h"

#include "i18n/ZorviLocal.h"

bool ShowsFailure(const VideoAreaInputs &in)
{
    return EndsPlayback(in.Problem) && !(in.Running && in.Started);
}

QList<VideoAreaLine> VideoAreaLines(const VideoAreaInputs &in, const TZorviLocal &texts)
{
    using Kind = VideoAreaLine::Kind;
    const QString problem = texts.ProblemText(int(in.Problem));
    QList<VideoAreaLine> lines;
    if (ShowsFailure(in)) {
        lines = {{Kind::Heading, problem}, {Kind::Text, in.DisplayName}};
        lines.append({Kind::Aside, in.ConsoleKey.isEmpty() ? texts.SeeConsoleClick
                                                           : texts.SeeConsole + u' ' + in.ConsoleKey});
        return lines;
    }
    if (in.Running) {
        // Opening shows nothing new; a picture is the engine's alone.
        if (!in.Started || in.HasVideo)
            return {};
        lines.append({Kind::Heading, in.Tags.Title.isEmpty() ? in.DisplayName : in.Tags.Title});
        for (const QString &tag : {in.Tags.Artist, in.Tags.Album})
            if (!tag.isEmpty())
                lines.append({Kind::Text, tag});
        if (!problem.isEmpty())
            lines.append({Kind::Aside, problem});
        return lines;
    }
    if (in.Hint) {
        lines = {{Kind::Heading, texts.HintDrop}, {Kind::Text, texts.HintMenu}};
        if (!in.OpenKey.isEmpty())
            lines.append({Kind::Text, texts.HintOpen + u' ' + in.OpenKey});
    }
    // What the last run left out, said once more now that it ended.
    if (!problem.isEmpty())
        lines.append({Kind::Aside, problem});
    return lines;
}
