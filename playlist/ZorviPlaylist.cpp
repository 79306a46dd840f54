#include "playlist/ZorviPlaylist.h"

#include "common/CommandLine.h"
#include "common/FileNames.h"
#include "common/Report.h"
#include "common/TextHelpers.h"
#include "common/ZError.h"
#include "playlist/FolderScan.h"
#include "playlist/PlNames.h"
#include "playlist/PlRow.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFontMetrics>
#include <QPainter>
#include <QThread>
#include <algorithm>
#include <filesystem>
#include <thread>

namespace {

namespace fs = std::filesystem;

// Names may hold bytes that are not UTF-8 (see FileNames.h), which QFileInfo
// and QDir cannot find: the file system is asked with the exact bytes.
bool IsFile(const QString &path)
{
    std::error_code ec;
    return fs::is_regular_file(NativePath(path), ec);
}

bool IsDir(const QString &path)
{
    std::error_code ec;
    return fs::is_directory(NativePath(path), ec);
}

bool Exists(const QString &path)
{
    std::error_code ec;
    return fs::exists(NativePath(path), ec);
}

QString AbsolutePath(const QString &path)
{
    return QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::current().absoluteFilePath(path));
}

// The VIDEO_TS folder inside dir, found exactly first, then without regard
// to case (mounted discs may show it as video_ts); empty when there is none.
QString VideoTsFolder(const QString &dir)
{
    QString exact = dir + QStringLiteral("/VIDEO_TS");
    if (IsDir(exact))
        return exact;
    std::error_code ec;
    for (fs::directory_iterator it(NativePath(dir), ec), end; !ec && it != end; it.increment(ec)) {
        const QString name = DecodeFileName(QByteArray::fromStdString(it->path().filename().native()));
        std::error_code typeError;
        if (name.compare(QLatin1String("VIDEO_TS"), Qt::CaseInsensitive) == 0 && it->is_directory(typeError))
            return dir + u'/' + name;
    }
    return {};
}

int PixelSize(const QFont &font, const QPaintDevice *device)
{
    if (font.pixelSize() > 0)
        return font.pixelSize();
    const int dpi = device ? device->logicalDpiY() : 96;
    return qRound(font.pointSizeF() * dpi / 72.0);
}

} // namespace

TPlItem TZorviPlaylist::MakeItem(const QString &path, EntryKind kind)
{
    TPlItem item;
    item.Kind = kind;
    switch (kind) {
    case EntryKind::File: {
        const QString abs = AbsolutePath(path);
        item.Path = EncodeFileName(QuoteIfSpaces(abs));
        item.Title = ReadableFileName(FileTitle(abs));
        break;
    }
    case EntryKind::DVD: {
        const QString abs = AbsolutePath(path);
        item.Path = "-dvd-device " + EncodeFileName(QuoteIfSpaces(abs)) + " dvd://";
        item.Title = QStringLiteral("Loading DVD ") + ReadableFileName(abs);
        break;
    }
    default:
        item.Path = EncodeFileName(QuoteIfSpaces(path));
        item.Title = ReadableFileName(path);
        break;
    }
    return item;
}

int TZorviPlaylist::Add(const QString &path)
{
    if (path.isEmpty())
        return -1;
    if (IsFile(path)) {
        const QString abs = AbsolutePath(path);
        if (PlaylistFile::FormatOf(abs) != PlaylistFormat::None) {
            const PlaylistRead read = PlaylistFile::Read(abs);
            if (!read.Problems.isEmpty() && FileProblems)
                FileProblems(abs, read.Problems);
            return AddEntries(read.Entries);
        }
        if (ExtensionMatches(abs, SubtitleExtensions)) {
            if (LoadSubtitle)
                LoadSubtitle(abs);
            return -1;
        }
        AddItem(MakeItem(abs, EntryKind::File));
        return Count() - 1;
    }
    if (LooksLikeUrl(path)) {
        AddItem(MakeItem(path, EntryKind::URL));
        return Count() - 1;
    }
    if (Exists(path)) {
        QString dir = AbsolutePath(path);
        // A VIDEO_TS folder stands for the disc folder that holds it.
        if (FileTitle(dir).toUpper() == QLatin1String("VIDEO_TS"))
            dir = QDir::cleanPath(dir + QStringLiteral("/.."));
        if (!VideoTsFolder(dir).isEmpty()) {
            AddItem(MakeItem(dir, EntryKind::DVD));
            return Count() - 1;
        }
        if (IsDir(dir)) {
            const int before = Count();
            AddFolder(dir);
            if (Count() > before)
                return before;
            if (EmptyFolder)
                EmptyFolder(dir);
            return -1;
        }
    }
    // Names nothing here (or a scheme the URL rule does not know): the engine
    // gets the text as it was given.
    AddItem(MakeItem(path, EntryKind::Other));
    return Count() - 1;
}

int TZorviPlaylist::AddEntries(const QList<PlaylistEntry> &entries)
{
    const ListUpdate update(*this);
    const int first = Count();
    for (const PlaylistEntry &entry : entries) {
        TPlItem item = MakeItem(entry.Name, entry.IsUrl ? EntryKind::URL : EntryKind::File);
        if (!entry.Title.isEmpty())
            item.Title = entry.Title;
        item.Length = entry.Length;
        AddItem(std::move(item));
    }
    return Count() > first ? first : -1;
}

QList<PlaylistEntry> TZorviPlaylist::Entries(int *current) const
{
    QList<PlaylistEntry> entries;
    if (current)
        *current = -1;
    for (int i = 0; i < Count(); ++i) {
        const TPlItem *item = Items(i);
        if (item->Kind != EntryKind::File && item->Kind != EntryKind::URL && item->Kind != EntryKind::Other)
            continue;
        // Path is the name as one quoted argument: splitting gives it back exactly.
        const QString name = SplitCommandLine(DecodeFileName(item->Path)).value(0);
        if (name.isEmpty())
            continue;
        if (current && (item->Flags & EntryFlag::Current))
            *current = int(entries.size());
        entries.append(
            {name, item->Kind != EntryKind::File && LooksLikeUrl(name), item->Title, item->Length});
    }
    return entries;
}

PlayOrder::Items TZorviPlaylist::orderItems() const
{
    PlayOrder::Items items;
    items.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        items.append(Items(i));
    return items;
}

int TZorviPlaylist::indexOf(const TPlItem *item) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i) == item)
            return i;
    return -1;
}

void TZorviPlaylist::SetShuffle(bool on)
{
    const int current = CurrentIndex();
    m_order.SetShuffle(on, orderItems(), current >= 0 ? Items(current) : nullptr);
}

int TZorviPlaylist::NextIndex(bool ended)
{
    const int current = CurrentIndex();
    return indexOf(m_order.Next(orderItems(), current >= 0 ? Items(current) : nullptr, ended));
}

int TZorviPlaylist::PreviousIndex()
{
    const int current = CurrentIndex();
    return indexOf(m_order.Previous(orderItems(), current >= 0 ? Items(current) : nullptr));
}

double TZorviPlaylist::TotalLength(int *unknown) const
{
    double total = 0;
    *unknown = 0;
    for (int i = 0; i < Count(); ++i) {
        const float length = Items(i)->Length;
        total += length;
        *unknown += length > 0 ? 0 : 1;
    }
    return total;
}

void TZorviPlaylist::RemoveItem(int index)
{
    m_order.Forget(Items(index));
    SelectListOf::RemoveItem(index);
}

void TZorviPlaylist::RemoveAll()
{
    m_order.ForgetAll();
    SelectListOf::RemoveAll();
}

void TZorviPlaylist::AddFolder(const QString &folder)
{
    const QString root = AbsolutePath(folder);
    std::atomic<bool> stop{false};
    FolderScanResult found;
    QCoreApplication *app = QCoreApplication::instance();
    if (app && app->thread() == QThread::currentThread()) {
        QEventLoop loop;
        std::thread worker([&] {
            found = FolderScan::Run(root, stop);
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec();
        stop = true; // the loop may have ended for the program's end
        worker.join();
    } else {
        found = FolderScan::Run(root, stop);
    }
    if (Log)
        for (const QString &skipped : std::as_const(found.Skipped))
            Log(QStringLiteral("$|Folder not scanned, deeper than %1 levels: %2")
                    .arg(FolderScan::MaxDepth)
                    .arg(skipped));
    {
        const ListUpdate update(*this);
        for (const QString &path : std::as_const(found.Files))
            AddItem(MakeItem(path, EntryKind::File));
    }
    if (found.BudgetReached)
        ReportError(
            QStringLiteral("Folder scan stopped after %1 entries: %2").arg(FolderScan::MaxEntries).arg(root));
}

int TZorviPlaylist::CurrentIndex()
{
    if (m_current == -2) {
        m_current = -1;
        for (int i = 0; i < Count(); ++i)
            if (Items(i)->Flags & EntryFlag::Current) {
                m_current = i;
                break;
            }
    }
    return m_current;
}

void TZorviPlaylist::SetCurrent(int index)
{
    if (index < 0 || index >= Count())
        throw ZError(QStringLiteral("Playlist Index Error"));
    const int old = CurrentIndex();
    if (old >= 0)
        Items(old)->Flags.setFlag(EntryFlag::Current, false);
    Items(index)->Flags |= EntryFlag::Current;
    m_current = index;
    if (m_order.Shuffle())
        m_order.Played(orderItems(), Items(index));
    Changed();
}

bool TZorviPlaylist::IsSelected(int index) const
{
    return Items(index)->Flags & EntryFlag::Selected;
}

void TZorviPlaylist::SetSelected(int index, bool value)
{
    TPlItem *item = Items(index);
    if (value)
        item->Flags |= EntryFlag::Selected;
    else
        item->Flags.setFlag(EntryFlag::Selected, false);
    Changed();
}

void TZorviPlaylist::DrawItem(QPainter &canvas, int index, const QRect &rect)
{
    const TPlItem *item = Items(index);
    const bool current = item->Flags & EntryFlag::Current;
    const QFont rowFont = canvas.font();
    canvas.save();
    canvas.setBackgroundMode(Qt::TransparentMode);

    QFont font = rowFont;
    if (current)
        font.setBold(true);

    const int left = rect.x(), top = rect.y();
    const int right = rect.x() + rect.width(), bottom = rect.y() + rect.height();
    const int height = rect.height();

    QFont numberFont = font;
    numberFont.setPixelSize(qMax(1, PixelSize(font, canvas.device()) - 3));
    canvas.setFont(numberFont);
    const QString number = EntryNumber(index, Count());
    const int numberWidth = QFontMetrics(numberFont, canvas.device()).horizontalAdvance(number);
    canvas.drawText(QRect(left + 2, top, numberWidth, height),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, number);

    // The length, once known, at the right end in the number's font.
    int lengthWidth = 0;
    if (item->Length > 0) {
        const QString length = FormatTime((long long)item->Length, item->Length >= 3600);
        lengthWidth = QFontMetrics(numberFont, canvas.device()).horizontalAdvance(length);
        canvas.drawText(QRect(right - 2 - lengthWidth, top, lengthWidth, height),
                        Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, length);
        lengthWidth += 6;
    }

    canvas.setFont(font);
    const QFontMetrics metrics(font, canvas.device());
    const int titleLeft = left + 2 + numberWidth;
    const int titleWidth = qMax(0, right - 2 - lengthWidth - titleLeft);
    const QString &title = item->Title;
    // Rows with a length have a narrower title: the width is part of each row's key.
    const QString layoutKey = font.key();
    if (layoutKey != m_rowLayoutKey || m_rowLayouts.size() > 8192) {
        m_rowLayouts.clear();
        m_rowLayoutKey = layoutKey;
    }
    const QString rowKey = QString::number(titleWidth) + u'/' + title;
    auto cached = m_rowLayouts.constFind(rowKey);
    if (cached == m_rowLayouts.cend()) {
        RowLayout layout;
        layout.fit = FittingChars(metrics, title, titleWidth);
        layout.split = layout.fit >= title.size() || layout.fit < 1 ? -1 : TitleBreak(title, layout.fit);
        cached = m_rowLayouts.insert(rowKey, layout);
    }
    constexpr int flags = Qt::AlignLeft | Qt::TextSingleLine;
    if (cached->split < 0) {
        const bool whole = cached->fit >= title.size();
        canvas.drawText(QRect(titleLeft, top, titleWidth, height), flags | Qt::AlignVCenter,
                        whole ? title : metrics.elidedText(title, Qt::ElideRight, titleWidth));
    } else {
        const int split = cached->split;
        const int half = height / 2;
        canvas.drawText(QRect(titleLeft, top, titleWidth, half), flags | Qt::AlignBottom, title.left(split));
        canvas.drawText(QRect(titleLeft, bottom - half, titleWidth, half), flags | Qt::AlignTop,
                        metrics.elidedText(title.mid(split), Qt::ElideRight, titleWidth));
    }
    canvas.restore();
}
