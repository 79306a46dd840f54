// The skin load: open the skin, read General, apply the sections of the
// fixed controls in their order, create the extra elements.
#include "common/Report.h"
#include "common/ZError.h"
#include "controls/ZorviControls.h"
#include "skin/SkinControls.h"
#include "skin/SkinFile.h"
#include "skin/SkinIni.h"
#include "skin/SkinLoader.h"
#include "skin/ZipFile.h"

#include <QAction>
#include <QActionGroup>
#include <algorithm>

void SkinControls::LoadSkin(int index)
{
    if (index < 0 || index >= m_skinList.Count())
        throw ZError(QStringLiteral("No skin at index %1").arg(index));
    LoadSkinEntry(m_skinList.At(index), index);
    m_loadedIndex = index;
}

void SkinControls::LoadSkinEntry(const SkinEntry &entry, int index)
{
    if (!TopPanel)
        throw ZError(QStringLiteral("The skin controls have not been created"));
    FreeExtraElements();

    // The loader reads from these; all three live for this load only.
    SkinIni ini;
    std::unique_ptr<TZipFile> zip;
    std::unique_ptr<TSkinLoader> loader;
    if (entry.Kind == SkinKind::Folder) {
        QString path = entry.Location;
        if (!path.endsWith(u'/'))
            path += u'/';
        ini.LoadFromFile(ConfinedSkinFile(path, QStringLiteral("skin.ini")));
        loader = std::make_unique<TSkinLoader>(&ini, path);
    } else {
        zip = std::make_unique<TZipFile>();
        if (entry.Kind == SkinKind::Archive)
            zip->LoadFromFile(entry.Location);
        else
            zip->LoadFromResource(index + 1);
        TSkinLoader::ReadIniFromZip(ini, *zip, QStringLiteral("skin.ini"));
        loader = std::make_unique<TSkinLoader>(&ini, zip.get());
    }

    // Refused before anything of it is applied.
    if (const qsizetype sections = ini.SectionNames().size(); sections > SkinBudget::MaxSections)
        throw ESkinTooLarge(QStringLiteral("Skin too large: it has %1 sections; a skin may have at most %2.")
                                .arg(sections)
                                .arg(SkinBudget::MaxSections));

    const QString general = QStringLiteral("General");
    auto clamped = [&](const char *key, int def, int hi) {
        return std::clamp(ini.ReadInteger(general, QLatin1String(key), def), 0, hi);
    };
    Params.Borders = clamped("Borders", 4, SkinBudget::MaxBorders);
    Params.MinWidth = clamped("MinWidth", 205, SkinBudget::MaxMinWidth);
    Params.RoundRect = clamped("RoundRect", 0, SkinBudget::MaxCoordinate);
    const auto key = ini.Value(general, QStringLiteral("TransparentColor"));
    Params.TransparentColor = key ? StringToColorOrThrow(*key) : clFuchsia;
    // Only text is drawn in these: a value that is no colour keeps the default.
    const auto color = [&](const char *name, ColorRef def) {
        const auto value = ini.Value(general, QLatin1String(name));
        return value ? StringToColor(*value).value_or(def) : def;
    };
    Params.VideoHint = ini.ReadInteger(general, QStringLiteral("VideoHint"), 1) != 0;
    Params.VideoHeadColor = color("VideoHeadColor", clWhite);
    Params.VideoTextColor = color("VideoTextColor", clSilver);
    ini.EraseSection(general);

    // The faults of all sections make one message, also when the load ends early.
    struct ProblemReport {
        const TSkinLoader &loader;
        ~ProblemReport()
        {
            if (loader.ProblemCount > 0)
                ReportError(loader.ProblemsMessage());
        }
    } problemReport{*loader};
    // Each container is laid out once, after the last element is placed.
    const RealignBatch batch;

    loader->TransparentColor = Params.TransparentColor;
    loader->Parents = {TopPanel, BottomPanel, LeftPanel, RightPanel, Playlist};

    // Each section is removed once applied, so what is left afterwards are
    // the extra elements only, whatever Type a fixed section claims.
    auto done = [&ini](const char *section) { ini.EraseSection(QLatin1String(section)); };
    for (size_t i = 0; i < m_panels.size(); ++i) {
        loader->LoadPanel(m_panels[i], QLatin1String(PanelNames[i]));
        done(PanelNames[i]);
    }
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        loader->LoadButton(m_buttons[i], QLatin1String(ButtonNames[i]));
        done(ButtonNames[i]);
    }
    for (size_t i = 0; i < m_trackbars.size(); ++i) {
        loader->LoadTrackbar(m_trackbars[i], QLatin1String(TrackbarNames[i]));
        done(TrackbarNames[i]);
    }
    for (size_t i = 0; i < m_labels.size(); ++i) {
        loader->LoadLabel(m_labels[i], QLatin1String(LabelNames[i]));
        done(LabelNames[i]);
    }
    loader->LoadPlaylist(Playlist, QStringLiteral("Playlist"));
    done("Playlist");

    for (const QString &section : ini.SectionNames()) {
        const QString type = ini.ReadString(section, QStringLiteral("Type"), {});
        if (type == QLatin1String("button")) {
            auto *button = new TZorviButton(BottomPanel);
            button->setObjectName(section);
            button->OnClick = [this](QObject *sender) {
                if (Handlers.ButtonsClick)
                    Handlers.ButtonsClick(sender);
            };
            m_extras.emplace_back(button);
            loader->LoadButton(button, section);
        } else if (type == QLatin1String("image")) {
            auto *image = new TZorviImage(BottomPanel);
            image->setObjectName(section);
            m_extras.emplace_back(image);
            loader->LoadImage(image, section);
        } else if (type == QLatin1String("sizegrip")) {
            auto *grip = new TZorviSizeGrip(BottomPanel);
            grip->setObjectName(section);
            m_extras.emplace_back(grip);
            loader->LoadSizeGrip(grip, section);
        }
    }
    SkinName = entry.Name;
}

void SkinControls::CheckMenuItem(int index)
{
    if (!m_menu)
        return;
    const QList<QAction *> items = m_group->actions();
    if (index >= 0 && index < items.size())
        items[index]->setChecked(true);
    else if (QAction *checked = m_group->checkedAction())
        checked->setChecked(false);
}

void SkinControls::SelectStartupSkin()
{
    if (!m_menu || m_group->actions().isEmpty())
        return;
    m_group->actions()[m_skinList.StartupIndex(SkinName)]->trigger();
}

void SkinControls::MSkinsClick(QAction *item)
{
    const int previous = m_loadedIndex;
    try {
        LoadSkin(item->data().toInt());
    } catch (const std::exception &e) {
        // The radio item checked itself; the skin in use is still the old one.
        CheckMenuItem(previous);
        ReportError(UserMessage(e));
        return;
    }
    if (Handlers.SkinChanged)
        Handlers.SkinChanged();
}
