#include "skin/SkinLoader.h"

#include "common/TextDecode.h"
#include "common/ZError.h"
#include "controls/ZorviControls.h"
#include "graphics/Convert.h"
#include "skin/SkinFile.h"
#include "skin/SkinIni.h"
#include "skin/SkinList.h"
#include "skin/ZipFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <algorithm>

namespace {

// Key values of a fixed vocabulary, matched without regard to case; a value
// outside it gives the default, so a control never gets an unknown value.
::Align ReadAlign(const QString &text, ::Align def)
{
    static const std::pair<const char *, ::Align> names[] = {
        {"alNone", Align::None}, {"alTop", Align::Top},     {"alBottom", Align::Bottom},
        {"alLeft", Align::Left}, {"alRight", Align::Right}, {"alClient", Align::Client}};
    for (const auto &[name, value] : names)
        if (text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return value;
    return def;
}

LabelAlignment ReadAlignment(const QString &text, LabelAlignment def)
{
    static const std::pair<const char *, LabelAlignment> names[] = {
        {"taLeftJustify", LabelAlignment::LeftJustify},
        {"taRightJustify", LabelAlignment::RightJustify},
        {"taCenter", LabelAlignment::Center}};
    for (const auto &[name, value] : names)
        if (text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return value;
    return def;
}

void SetKey(KeyedBitmap &bitmap, ColorRef key)
{
    bitmap.TransparentFixed = true;
    bitmap.TransparentColor = key;
}

} // namespace

Placement ResolvePlacement(int x, int y, int width, int height, bool centerH, bool centerV, int parentWidth,
                           int parentHeight)
{
    Placement p;
    AnchorSet anchors;
    if (centerH) {
        p.Center = AnchorCenterKind::X;
        p.ACXOffset = x;
        anchors |= AnchorKind::Left;
    } else if (x < 0) {
        anchors |= AnchorKind::Right;
        x += parentWidth;
    } else {
        anchors |= AnchorKind::Left;
    }
    if (width < 0) {
        anchors |= AnchorKind::Right;
        width = parentWidth + width - x;
    }
    if (centerV) {
        p.Center |= AnchorCenterKind::Y;
        p.ACYOffset = y;
        anchors |= AnchorKind::Top;
    } else if (y < 0) {
        anchors |= AnchorKind::Bottom;
        y += parentHeight;
    } else {
        anchors |= AnchorKind::Top;
    }
    if (height < 0) {
        anchors |= AnchorKind::Bottom;
        height = parentHeight + height - y;
    }
    p.Anchors = anchors;
    p.Bounds = QRect(x, y, width, height);
    return p;
}

TSkinLoader::TSkinLoader(SkinIni *ini, const QString &path) : Ini(ini), Path(path)
{
    if (!ini || path.isEmpty())
        throw ZError(QStringLiteral("SkinLoader : invalid ini or path"));
    if (!Path.endsWith(u'/'))
        Path += u'/';
}

TSkinLoader::TSkinLoader(SkinIni *ini, TZipFile *zip) : Ini(ini), FromZip(true), Zip(zip)
{
    if (!ini || !zip)
        throw ZError(QStringLiteral("SkinLoader : invalid ini or zip"));
}

void TSkinLoader::ReadIniFromZip(SkinIni &ini, const TZipFile &zip, const QString &name)
{
    const int index = zip.IndexOf(name);
    if (index < 0)
        throw ZError(QStringLiteral("zip does not contain ") + name);
    const qint64 size = zip.Files[std::size_t(index)].UncompressedSize;
    if (size > SkinIni::MaxBytes)
        throw ESkinTooLarge(QStringLiteral("Skin too large: \"%1\" holds more than the %2 bytes it may have.")
                                .arg(name)
                                .arg(SkinIni::MaxBytes));
    ini.SetText(DecodeTextFile(zip.GetData(index)));
}

QString TSkinLoader::ProblemsMessage() const
{
    QString text = Problems.join(QStringLiteral("\n\n"));
    if (ProblemCount > Problems.size())
        text += QStringLiteral("\n\n... and %1 more.").arg(ProblemCount - Problems.size());
    return text;
}

void TSkinLoader::AddProblem(const QString &where, const ZError &e)
{
    if (++ProblemCount <= MaxProblemsKept)
        Problems << QStringLiteral("Error Loading Skin at section: ") + where + QStringLiteral("\n\r") +
                        e.message();
}

void TSkinLoader::LoadPlainBitmap(KeyedBitmap &bitmap, const QString &file)
{
    QString key;
    if (FromZip) {
        const int index = Zip->IndexOf(file);
        if (index < 0)
            throw ZError(QStringLiteral("zip does not contain ") + file);
        key = QString::number(index);
    } else {
        key = ConfinedSkinFile(Path, file);
    }
    const auto known = m_decoded.constFind(key);
    if (known != m_decoded.cend()) {
        if (!known->Error.isEmpty())
            throw ZError(known->Error);
        bitmap.SetImage(known->Image);
        return;
    }
    try {
        const QImage image = Decode(file, key);
        m_decoded.insert(key, {image, {}});
        bitmap.SetImage(image);
    } catch (const ESkinTooLarge &) {
        throw;
    } catch (const ZError &e) {
        m_decoded.insert(key, {{}, e.message()});
        throw;
    }
}

QImage TSkinLoader::Decode(const QString &file, const QString &key)
{
    // A BMP's file and info headers fit in this, whichever header version.
    constexpr qsizetype HeaderBytes = 1024;
    KeyedBitmap decoded;
    qint64 pixels = 0;
    if (FromZip) {
        const int index = key.toInt();
        QByteArray head = Zip->Head(index, HeaderBytes);
        QBuffer buffer(&head);
        buffer.open(QIODevice::ReadOnly);
        pixels = SkinBudget::CheckBitmapHeader(file, buffer);
        Budget.Take(file, Zip->Files[std::size_t(index)].UncompressedSize);
        Budget.TakePixels(file, pixels);
        decoded.LoadFromData(Zip->GetData(index));
    } else {
        const QFileInfo info(key);
        QFile header(key);
        if (info.isFile() && header.open(QIODevice::ReadOnly))
            pixels = SkinBudget::CheckBitmapHeader(file, header);
        Budget.Take(file, info.size());
        Budget.TakePixels(file, pixels);
        // A file that gives more than its size (as files under /proc do) is refused.
        const QByteArray bytes = ReadSkinFile(key, file, info.size());
        try {
            decoded.LoadFromData(bytes);
        } catch (const ZError &) {
            throw ZError(QStringLiteral("Bitmap image is not valid: \"%1\"").arg(key));
        }
    }
    // A header the size check could not read, yet the decoder could.
    if (pixels == 0)
        Budget.TakePixels(file, qint64(decoded.Width()) * decoded.Height());
    return decoded.Image();
}

int TSkinLoader::ReadClamped(const QString &section, const QString &key, int def, int lo, int hi) const
{
    return std::clamp(Ini->ReadInteger(section, key, def), lo, hi);
}

ColorRef TSkinLoader::ReadColor(const QString &section, const QString &key, ColorRef def) const
{
    const auto value = Ini->Value(section, key);
    return value ? StringToColorOrThrow(*value) : def;
}

void TSkinLoader::LoadBitmapParts(TMultiPartBitmap &bitmap, const QString &section, const QString &prefix)
{
    const QString where = section + QStringLiteral(", ") + prefix;
    const QString name = Ini->ReadString(section, prefix, {});
    if (name.isEmpty()) {
        bitmap.Clear();
    } else {
        try {
            if (!FromZip) {
                const QString full = ConfinedSkinFile(Path, name);
                if (!QFileInfo(full).isFile())
                    throw ZError(QStringLiteral("File ") + full + QStringLiteral(" does not exist"));
            }
            LoadPlainBitmap(bitmap, name);
        } catch (const ESkinTooLarge &) {
            throw;
        } catch (const ZError &e) {
            bitmap.Clear();
            AddProblem(where, e);
        }
    }
    // The image comes first: the guides are checked against its size, and
    // loading the guides empties the parts.
    try {
        bitmap.LoadGuides(Axis::Rows, Ini->ReadString(section, prefix + QStringLiteral("Rows"), {}));
        bitmap.LoadGuides(Axis::Cols, Ini->ReadString(section, prefix + QStringLiteral("Cols"), {}));
        for (int n = 0;; ++n) {
            const auto part = Ini->Value(section, prefix + QStringLiteral("Part") + QString::number(n));
            if (!part)
                break;
            bitmap.AddPart(*part);
        }
    } catch (const ZError &e) {
        AddProblem(where, e);
    }
}

void TSkinLoader::LoadThumb(TZorviTrackbar *bar, const QString &section)
{
    const QString file = Ini->ReadString(section, QStringLiteral("ThumbBmp"), {});
    if (file.isEmpty()) {
        bar->SetThumb(nullptr);
        return;
    }
    try {
        KeyedBitmap &thumb = bar->EditThumb();
        LoadPlainBitmap(thumb, file);
        bar->SetThumbStates(Ini->ReadInteger(section, QStringLiteral("ThumbStates"), 1));
        bar->ThumbH = ReadClamped(section, QStringLiteral("ThumbH"), thumb.Height() / bar->ThumbStates(), 0,
                                  SkinBudget::MaxCoordinate);
        bar->ThumbW =
            ReadClamped(section, QStringLiteral("ThumbW"), thumb.Width(), 0, SkinBudget::MaxCoordinate);
        SetKey(thumb, TransparentColor);
        thumb.Transparent = Ini->ReadBool(section, QStringLiteral("ThumbTransparent"), false);
    } catch (const ESkinTooLarge &) {
        throw;
    } catch (const ZError &) {
        // A thumb that cannot be read is no fault the user is told of: the bar
        // simply shows none.
        bar->SetThumb(nullptr);
    }
}

void TSkinLoader::LoadFont(QFont &font, ColorRef &color, const QString &section, const QString &prefix)
{
    if (Ini->ValueExists(section, prefix + QStringLiteral("Color")))
        color = ReadColor(section, prefix + QStringLiteral("Color"), color);
    font.setFamily(Ini->ReadString(section, prefix + QStringLiteral("Name"), font.family()));
    const int size = Ini->ReadInteger(section, prefix + QStringLiteral("Size"), 0);
    // Points when positive; a negative size is a height in pixels, as the
    // toolkit the skins were made for reads it; 0 keeps the size.
    if (size > 0)
        font.setPointSize(std::min(size, SkinBudget::MaxFontSize));
    else if (size < 0)
        font.setPixelSize(int(std::min(-qint64(size), qint64(SkinBudget::MaxFontSize))));
    if (const auto style = Ini->Value(section, prefix + QStringLiteral("Style"))) {
        font.setBold(style->contains(u'B'));
        font.setItalic(style->contains(u'I'));
        font.setUnderline(style->contains(u'U'));
        font.setStrikeOut(false);
    }
}

QWidget *TSkinLoader::ParentByName(const QString &name) const
{
    if (name == QLatin1String("Playlist"))
        return Parents.Playlist;
    if (name == QLatin1String("TopPanel"))
        return Parents.TopPanel;
    if (name == QLatin1String("LeftPanel"))
        return Parents.LeftPanel;
    if (name == QLatin1String("RightPanel"))
        return Parents.RightPanel;
    return Parents.BottomPanel;
}

void TSkinLoader::LoadPlacement(TZorviControl *control, const QString &section)
{
    QWidget *parent =
        ParentByName(Ini->ReadString(section, QStringLiteral("Parent"), QStringLiteral("BottomPanel")));
    if (!parent)
        parent = Parents.BottomPanel;
    constexpr int M = SkinBudget::MaxCoordinate;
    const Placement p = ResolvePlacement(ReadClamped(section, QStringLiteral("X"), 0, -M, M),
                                         ReadClamped(section, QStringLiteral("Y"), 0, -M, M),
                                         ReadClamped(section, QStringLiteral("Width"), 0, -M, M),
                                         ReadClamped(section, QStringLiteral("Height"), 0, -M, M),
                                         Ini->ReadBool(section, QStringLiteral("CenterH"), false),
                                         Ini->ReadBool(section, QStringLiteral("CenterV"), false),
                                         parent ? parent->width() : 0, parent ? parent->height() : 0);

    // Attaching anew puts the element in front of those placed before it. A
    // control someone hid on purpose stays hidden.
    const bool hidden = control->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
                        control->testAttribute(Qt::WA_WState_Hidden);
    if (control->parentWidget() != parent)
        control->setParent(parent);
    control->raise();
    control->setVisible(!hidden);

    control->SetAnchorCenter(p.Center);
    control->ACXOffset = p.ACXOffset;
    control->ACYOffset = p.ACYOffset;
    control->SetAnchors(p.Anchors);
    control->SetBounds(p.Bounds);
    // Once per container at the end of the load when a RealignBatch is open.
    if (parent)
        RequestRealign(parent);
}

void TSkinLoader::LoadPanel(TZorviPanel *panel, const QString &section)
{
    const int size = ReadClamped(section, QStringLiteral("Size"), 0, 0, SkinBudget::MaxPanelSize);
    if (panel->Align() == Align::Left || panel->Align() == Align::Right)
        panel->resize(size, panel->height());
    else
        panel->resize(panel->width(), size);
    // A docked panel's new size moves its neighbours at once, so elements
    // placed next are measured against the final sizes.
    if (QWidget *host = panel->parentWidget())
        ZorviRealign(host);
    // A hidden panel (the playlist box) gets no resize event until shown;
    // its elements follow the new size now all the same.
    ZorviRealign(panel);
    panel->SetColor(ReadColor(section, QStringLiteral("Color"), clGray));
    LoadBitmapParts(panel->EditBitmap(), section, QStringLiteral("Bitmap"));
}

void TSkinLoader::LoadPlaylist(TZorviListBox *box, const QString &section)
{
    box->SetAlign(ReadAlign(Ini->ReadString(section, QStringLiteral("Align"), {}), Align::Left));
    LoadPanel(box, section);

    TMultiPartBitmap &sel = box->EditSelBitmap();
    LoadBitmapParts(sel, section, QStringLiteral("SelBitmap"));
    SetKey(sel, TransparentColor);
    sel.Transparent = Ini->ReadBool(section, QStringLiteral("SelBitmapTransparent"), false);

    TZorviTrackbar *bar = box->ScrollBar();
    bar->SetBounds(bar->x(), bar->y(),
                   ReadClamped(section, QStringLiteral("ScrollbarWidth"), 8, 0, SkinBudget::MaxCoordinate),
                   bar->height());
    LoadBitmapParts(bar->EditBitmapB(), section, QStringLiteral("ScrollbarBmp"));
    const bool transparent = Ini->ReadBool(section, QStringLiteral("ScrollbarTransparent"), false);
    bar->SetTransparent(transparent);
    if (transparent)
        SetKey(bar->EditBitmapB(), TransparentColor);
    LoadThumb(bar, section);

    // Not reset first: keys the skin leaves out keep the previous skin's values.
    QFont font = box->font();
    ColorRef color = box->FontColor();
    LoadFont(font, color, section, QStringLiteral("Font"));
    box->setFont(font);
    box->SetFontColor(color);

    box->SetSeparatorHeight(
        ReadClamped(section, QStringLiteral("SeparatorHeight"), 0, 0, SkinBudget::MaxCoordinate));
    box->SetSeparatorColor(ReadColor(section, QStringLiteral("SeparatorColor"), clBlack));

    ListMargins margins;
    const QStringList items =
        Ini->ReadString(section, QStringLiteral("Margins"), QStringLiteral("4,4,4,4")).split(u',');
    if (items.size() == 4) {
        auto margin = [&](int i) {
            return std::clamp(TextToInt(items[i]).value_or(4), -SkinBudget::MaxCoordinate,
                              SkinBudget::MaxCoordinate);
        };
        margins.Left = margin(0);
        margins.Top = margin(1);
        margins.Right = margin(2);
        margins.Bottom = margin(3);
    }
    box->SetMargins(margins);
}

void TSkinLoader::LoadElementBitmap(KeyedBitmap &bitmap, const QString &section)
{
    const QString file = Ini->ReadString(section, QStringLiteral("Bitmap"), {});
    if (file.isEmpty()) {
        bitmap.Clear();
        return;
    }
    try {
        LoadPlainBitmap(bitmap, file);
    } catch (const ESkinTooLarge &) {
        throw;
    } catch (const ZError &e) {
        bitmap.Clear();
        AddProblem(section, e);
    }
}

void TSkinLoader::LoadButton(TZorviButton *button, const QString &section)
{
    button->SetBitStates(Ini->ReadInteger(section, QStringLiteral("BitStates"), 1));
    KeyedBitmap &bitmap = button->EditBitmap();
    LoadElementBitmap(bitmap, section);
    const bool transparent = Ini->ReadBool(section, QStringLiteral("Transparent"), false);
    button->SetTransparent(transparent);
    SetKey(bitmap, TransparentColor);
    bitmap.Transparent = transparent;
    button->Repeating = Ini->ReadBool(section, QStringLiteral("Repeat"), false);
    button->Command = Ini->ReadString(section, QStringLiteral("Command"), {}).toUtf8();
    LoadPlacement(button, section);
}

void TSkinLoader::LoadLabel(TZorviLabel *label, const QString &section)
{
    QFont font(QStringLiteral("Tahoma"), 8);
    ColorRef color = clBlack;
    label->SetAlignment(
        ReadAlignment(Ini->ReadString(section, QStringLiteral("Alignment"), {}), LabelAlignment::Center));
    LoadFont(font, color, section, QStringLiteral("Font1"));
    label->SetFont(font);
    label->SetFontColor(color);
    // Font2 starts from the Font1 result: only its own keys differ.
    LoadFont(font, color, section, QStringLiteral("Font2"));
    label->SetFont2(font);
    label->SetFont2Color(color);
    LoadPlacement(label, section);
}

void TSkinLoader::LoadTrackbar(TZorviTrackbar *bar, const QString &section)
{
    bar->SetVertical(Ini->ReadBool(section, QStringLiteral("Vertical"), false));
    LoadThumb(bar, section);
    const bool transparent = Ini->ReadBool(section, QStringLiteral("Transparent"), false);
    bar->SetTransparent(transparent);
    LoadBitmapParts(bar->EditBitmapB(), section, QStringLiteral("BitmapB"));
    LoadBitmapParts(bar->EditBitmapF(), section, QStringLiteral("BitmapF"));
    if (transparent) {
        SetKey(bar->EditBitmapB(), TransparentColor);
        SetKey(bar->EditBitmapF(), TransparentColor);
    }
    LoadPlacement(bar, section);
}

void TSkinLoader::LoadImage(TZorviImage *image, const QString &section)
{
    LoadBitmapParts(image->EditBitmap(), section, QStringLiteral("Bitmap"));
    LoadPlacement(image, section);
}

void TSkinLoader::LoadSizeGrip(TZorviSizeGrip *grip, const QString &section)
{
    grip->SetOrientation(Ini->ReadInteger(section, QStringLiteral("Orientation"), 8));
    KeyedBitmap &bitmap = grip->EditBitmap();
    LoadElementBitmap(bitmap, section);
    const bool transparent = Ini->ReadBool(section, QStringLiteral("Transparent"), false);
    grip->SetTransparent(transparent);
    SetKey(bitmap, TransparentColor);
    bitmap.Transparent = transparent;
    LoadPlacement(grip, section);
}
