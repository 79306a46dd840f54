// Archives as real tools write them: stored, deflated and streamed (sizes in a
// data descriptor after the data) members read as they are; any other method
// is refused by name.
#include "skin/ZipFile.h"

// Python's zipfile: METHOD {file|pipe} NAMES. A pipe cannot seek: the sizes
// then follow each member in a data descriptor.
static const char *const PythonZip = R"(import sys, zipfile
out = sys.stdout.buffer if sys.argv[2] == "pipe" else "out.zip"
with zipfile.ZipFile(out, "w", getattr(zipfile, sys.argv[1])) as z:
    for name in sys.argv[3:]: z.write(name))";

TEST(ZipMethods, ArchivesOfTheUsualToolsReadAsTheyAre)
{
    QTemporaryDir dir;
    QByteArray bmp;
    for (int i = 0; i < 3000; ++i)
        bmp += char(i * 7 % 251);
    const std::pair<QString, QByteArray> files[] = {
        {"skin.ini", "[General]\nBorders=4\n"}, {"img/a.bmp", bmp}, {"t", "x"}};
    QStringList names{"img"}; // the folder is a member of its own
    for (const auto &[name, bytes] : files) {
        WriteFile(dir.filePath(name), bytes);
        names << name;
    }
    // (tool and its arguments before the names, method of the one-byte "t", streamed)
    const std::tuple<QStringList, quint16, bool> rows[] = {
        {{"zip", "-q", "-0", "out.zip"}, 0, false},
        {{"zip", "-q", "-9", "out.zip"}, 0, false},
        {{"python3", "-c", PythonZip, "ZIP_STORED", "file"}, 0, false},
        {{"python3", "-c", PythonZip, "ZIP_DEFLATED", "file"}, 8, false},
        {{"python3", "-c", PythonZip, "ZIP_DEFLATED", "pipe"}, 8, true},
        {{"python3", "-c", PythonZip, "ZIP_STORED", "pipe"}, 0, true},
        {{"python3", "-c", PythonZip, "ZIP_BZIP2", "file"}, 12, false}};
    for (const auto &[command, method, streamed] : rows) {
        SCOPED_TRACE(command.join(' ').right(20).toStdString());
        const ProgramRun tool = RunProgram(command[0], command.mid(1) + names, dir.path());
        ASSERT_EQ(tool.code, 0) << tool.err.toStdString();
        TZipFile z;
        tool.out.isEmpty() ? z.LoadFromFile(dir.filePath("out.zip")) : z.LoadFromData(tool.out);
        QFile::remove(dir.filePath("out.zip"));
        ASSERT_EQ(z.Count(), 4);
        EXPECT_EQ(z.Files[3].Method, method);
        EXPECT_EQ((z.Files[3].Flags & 8) != 0, streamed);
        const QString refused =
            "\"%1\" is packed with compression method 12; only stored (0) and deflated (8) "
            "members can be read.";
        for (const auto &[name, bytes] : files)
            EXPECT_EQ(ErrorText([&, member = name, want = bytes] {
                          EXPECT_EQ(z.GetData(z.IndexOf(member.toUpper())), want);
                      }),
                      method == 12 ? refused.arg(name) : "no error");
    }
}
