#pragma once
// TSkinLoader applies the sections of one skin.ini to the skin controls. It
// reads bitmaps from a skin folder or from an archive; a fault in one section
// is collected (Problems) and loading goes on. Colour values that cannot be
// converted, and a skin over its budget (ESkinTooLarge), are not caught here:
// they end the whole skin load.
#include "controls/ZorviLayout.h"
#include "graphics/Colors.h"
#include "skin/SkinBudget.h"

#include <QHash>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

class QFont;
class QWidget;
class KeyedBitmap;
class TMultiPartBitmap;
class SkinIni;
class TZipFile;
class TZorviButton;
class TZorviControl;
class TZorviImage;
class TZorviLabel;
class TZorviListBox;
class TZorviPanel;
class TZorviSizeGrip;
class TZorviTrackbar;

// The containers an element's Parent key can name.
struct SkinParents {
    TZorviPanel *TopPanel = nullptr;
    TZorviPanel *BottomPanel = nullptr;
    TZorviPanel *LeftPanel = nullptr;
    TZorviPanel *RightPanel = nullptr;
    TZorviListBox *Playlist = nullptr;
};

// Where an element goes on a parent of the given size: negative X / Y are
// measured from the far edge, a negative Width / Height stretches with the
// parent, CenterH / CenterV keep the element centred, shifted by X / Y.
struct Placement {
    QRect Bounds; // for a centred axis the coordinate is the offset itself
    AnchorSet Anchors = AnchorKind::Left | AnchorKind::Top;
    TAnchorCenter Center;
    int ACXOffset = 0;
    int ACYOffset = 0;
};
Placement ResolvePlacement(int x, int y, int width, int height, bool centerH, bool centerV, int parentWidth,
                           int parentHeight);

class TSkinLoader {
public:
    // Throws ZError "SkinLoader : invalid ini or path" for no ini or an empty path.
    TSkinLoader(SkinIni *ini, const QString &path);
    // Throws ZError "SkinLoader : invalid ini or zip" when either is missing.
    TSkinLoader(SkinIni *ini, TZipFile *zip);

    SkinIni *Ini = nullptr;
    bool FromZip = false;
    TZipFile *Zip = nullptr;
    QString Path; // the skin folder, with a trailing "/"

    // The skin transparent colour (General/TransparentColor).
    ColorRef TransparentColor = clFuchsia;
    SkinParents Parents;
    // What this skin's bitmaps have unpacked so far.
    SkinBudget Budget;
    // The first faults of the sections ("Error Loading Skin at section: ..."),
    // and how many there were in all.
    static constexpr qsizetype MaxProblemsKept = 5;
    QStringList Problems;
    qsizetype ProblemCount = 0;
    // All the faults as one message: the first few, then how many more; empty for none.
    QString ProblemsMessage() const;

    void LoadPanel(TZorviPanel *panel, const QString &section);
    void LoadPlaylist(TZorviListBox *box, const QString &section);
    void LoadButton(TZorviButton *button, const QString &section);
    void LoadLabel(TZorviLabel *label, const QString &section);
    void LoadTrackbar(TZorviTrackbar *bar, const QString &section);
    void LoadImage(TZorviImage *image, const QString &section);
    void LoadSizeGrip(TZorviSizeGrip *grip, const QString &section);

    void LoadBitmapParts(TMultiPartBitmap &bitmap, const QString &section, const QString &prefix);
    // Throws what the archive or the file layer throws, ZError for a file
    // outside the skin, and ESkinTooLarge naming the file when it would pass
    // Budget's limits (checked before it is unpacked or decoded). Each file is
    // read and decoded once per load, however many elements name it.
    void LoadPlainBitmap(KeyedBitmap &bitmap, const QString &file);
    void LoadThumb(TZorviTrackbar *bar, const QString &section);
    void LoadFont(QFont &font, ColorRef &color, const QString &section, const QString &prefix);
    void LoadPlacement(TZorviControl *control, const QString &section);

    // Throws ZError "zip does not contain " + name, ESkinTooLarge for a
    // member larger than SkinIni::MaxBytes.
    static void ReadIniFromZip(SkinIni &ini, const TZipFile &zip, const QString &name);

private:
    struct Decoded {
        QImage Image;
        QString Error; // the message of a file that could not be read
    };
    QHash<QString, Decoded> m_decoded; // by member index or path
    QImage Decode(const QString &file, const QString &key);
    void AddProblem(const QString &where, const ZError &e);
    // An integer key clamped to [lo, hi].
    int ReadClamped(const QString &section, const QString &key, int def, int lo, int hi) const;
    ColorRef ReadColor(const QString &section, const QString &key, ColorRef def) const;
    // Button and size grip: a plain bitmap, cleared and reported on failure.
    void LoadElementBitmap(KeyedBitmap &bitmap, const QString &section);
    QWidget *ParentByName(const QString &name) const;
};
