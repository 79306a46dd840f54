#pragma once
// A bitmap cut by column and row guides into parts that are drawn, stretched
// or filled with a colour into a rectangle of any size. Guide and part texts
// ("15,-45,60", "X1,Y0,X2,LY|HS") are parsed here with their exact messages.
#include "common/ZError.h"
#include "graphics/Bitmap.h"

#include <QFlags>
#include <QRect>
#include <QStringList>
#include <vector>

class EPartsError : public ZError {
public:
    using ZError::ZError;
};

using TCoords = std::vector<int>;

struct TGuides {
    int FixedSize = 0;
    int LastStretch = -1;
    QStringList Ids;
    TCoords Coords;
    std::vector<bool> Stretch; // one per segment
};

enum class PartFlag : quint8 { VS = 1, HS = 2, Color = 4 };
Q_DECLARE_FLAGS(PartFlags, PartFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(PartFlags)

struct TBitmapPart {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    PartFlags Flags;
    quint32 ColorOrSubSize = 0; // colour for a colour part; else SubWidth | SubHeight << 16
};

using TBitmapParts = std::vector<TBitmapPart>;

enum class Axis { Rows, Cols };

class TMultiPartBitmap : public KeyedBitmap {
public:
    TMultiPartBitmap();

    TGuides Cols, Rows;
    TCoords ColPos, RowPos;
    TBitmapParts Parts;

    // Parses a guide list ("15,-45,60", "X1:70,X2:-261,LX:341") into Cols or
    // Rows, emptying Parts and that axis's positions. On an error the axis is
    // reset to its default (one stretchable segment) and EPartsError raised.
    void LoadGuides(Axis axis, const QString &text);
    // Parses one part ("X1,Y0,X2,LY|HS", "X0,Y0,LX,LY|C:clWhite") and appends
    // it. Raises EPartsError (a sub-size that is no number: ConvertError).
    void AddPart(const QString &text);
    void ClearParts() { Parts.clear(); }
    void BuildDefaultParts();
    // Lays out both axes over rect (right and bottom exclusive: the span of
    // the columns is rect.x() .. rect.x() + rect.width()) and draws every part,
    // later ones over earlier ones, smoothing off.
    void DrawParts(QPainter &canvas, const QRect &rect);

    // Lays one axis out over [a, b] into t (cached: unchanged span costs nothing,
    // a moved span of the same length is a shift). Returns true when the
    // positions were computed afresh. Every position read or written lies
    // inside g.Coords and t, whatever g holds.
    static bool LayoutAxis(const TGuides &g, int a, int b, TCoords &t);

    // Number of times a layout was computed (not shifted or reused); for tests.
    int LayoutCount = 0;
};
