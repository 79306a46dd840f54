#pragma once
// Just enough of the skin format for the artwork tool: reading skin.ini,
// guide lists and parts, and drawing a multi-part picture. The generator uses
// it to check the ini against the pictures it drew, and the preview to show
// them composed as a window.
#include "tools/skinart/Art.h"

#include <QStringList>
#include <QVector>
#include <optional>

class QPainter;

class MiniIni {
public:
    explicit MiniIni(const QString &text);
    bool Has(const QString &section, const QString &key) const;
    QString Value(const QString &section, const QString &key, const QString &def = {}) const;
    int Int(const QString &section, const QString &key, int def = 0) const;
    QStringList Sections() const { return m_order; }

private:
    QStringList m_order;
    QMap<QString, QMap<QString, QString>> m_values; // lower-case names
};

std::optional<QColor> ParseSkinColor(const QString &text);

struct MiniGuides {
    QStringList ids;
    QVector<int> coords;
    QVector<bool> stretch; // per segment
    int fixed = 0;
    int lastStretch = -1;
};

struct MiniPart {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool stretch = false;
    std::optional<QColor> color;
};

// A multi-part picture read from one key group (P, PCols, PRows, PPart0...).
class MiniMultiPart {
public:
    // Problems (unknown ids, sizes that do not match) are appended to errors.
    MiniMultiPart(const MiniIni &ini, const QString &section, const QString &prefix, const SkinImages &images,
                  QStringList &errors);
    bool HasImage() const { return !m_image.isNull(); }
    bool Drawable() const { return HasImage() || !m_parts.isEmpty(); }
    void Draw(QPainter &p, const QRect &target) const;

private:
    QImage m_image;
    MiniGuides m_cols, m_rows;
    QVector<MiniPart> m_parts;
};

// Every problem of the skin: missing pictures, guide lists that do not match
// their picture, unreadable parts or colours.
QStringList CheckSkin(const QString &iniText, const SkinImages &images);
