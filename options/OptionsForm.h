#pragma once
// The options dialog: seven pages that edit section "Options" of zorvi.ini,
// the language and the shortcut bindings, and show the versions. Every
// control carries the name language files address it by. OK applies the
// pages in a fixed order, saves, and restarts the engine when an option of
// its command line changed; Cancel changes nothing. Split by concern:
// creation (OptionsForm.cpp), the pages' controls (OptionsFormPages.cpp), the
// shortcut page (OptionsFormShortcuts.cpp) and OK (OptionsFormApply.cpp). The
// captions come from the rows of OptionsTexts, which language files share.
// The output lists follow the engine chosen on the Advanced page: they show
// and edit that engine's options.
#include "platform/EngineOptions.h"

#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class Localization;
class OptionsEngine;
class RadioGroup;
class SettingsStore;
class TShortcutList;
struct SettingsData;
struct TZorviLocal;

// The program-wide objects the dialog edits.
struct OptionsFormParts {
    SettingsData *Settings = nullptr;
    SettingsStore *Store = nullptr;
    TShortcutList *Shortcuts = nullptr;
    Localization *Local = nullptr;
    OptionsEngine *Engine = nullptr; // none: nothing to restart, the version is "?"
};

class TOptionsForm : public QDialog {
    Q_OBJECT
public:
    // Page indices, as LastOptionsTab stores them.
    enum class Page { General, Video, Audio, Subtitles, Shortcuts, Advanced, About };
    // The help line of the shortcut page and of its steps.
    static const char *const HelpLocate;
    static const char *const HelpChange;
    static const char *const HelpExists;
    static const char *const HelpNew;

    explicit TOptionsForm(const OptionsFormParts &parts, QWidget *parent = nullptr);
    // Keeps the page shown in LastOptionsTab.
    ~TOptionsForm() override;

    // The bottom strip.
    QLabel *LShortHelp;
    QPushButton *BSave;
    QPushButton *BCancel;
    QTabWidget *Pages;
    // General
    QWidget *GeneralTab;
    QLabel *LPath, *LOSD, *LLang;
    QCheckBox *SingleInstChkBox, *StartFSChkBox, *ResumeChkBox, *RestorePlaylistChkBox;
    RadioGroup *ResizeRadioGroup;
    QComboBox *LangComboBox;
    QLineEdit *PathEdit;
    QPushButton *PathButton;
    QSpinBox *OSDSpinEdit;
    // Video
    QWidget *VideoTab;
    QGroupBox *VideoOutGroupBox;
    QComboBox *VOComboBox;
    QLineEdit *CustomVOEdit;
    // Audio
    QWidget *AudioTab;
    QCheckBox *MuteOnSeekChkBox;
    QGroupBox *AudioOutGroupBox;
    QComboBox *AOComboBox;
    QLineEdit *CustomAOEdit;
    // Subtitles
    QWidget *SubtitlesTab;
    // Shortcuts
    QWidget *ShortcutsTab;
    QTableWidget *ShortcutListView;
    QPushButton *BShortcut, *BShortRemove, *BShortAC;
    QComboBox *CommandComboBox;
    QLineEdit *CmdStrEdit;
    // Advanced
    QWidget *AdvancedTab;
    QCheckBox *BoostChkBox, *CacheChkBox;
    QGroupBox *AddParamGroupBox;
    QSpinBox *CacheEdit;
    QCheckBox *ParamChkBox[3];
    QLineEdit *ParamEdit[3];
    QGroupBox *EngineGroupBox;
    QLabel *LEngine, *LEngineInUse, *EngineInUse, *LMpvPath;
    QComboBox *EngineComboBox; // auto, mplayer, mpv
    QLineEdit *MpvPathEdit;
    QPushButton *MpvPathButton;
    QCheckBox *HwDecChkBox;
    // About
    QWidget *TabAbout;
    QLabel *LAppName, *LDescription, *LVersion, *LMPVersion;

    bool ShortcutsModified() const { return m_shortcutsModified; }
    // The code BShortcut holds (0: none chosen yet).
    std::uint32_t EditedCode() const { return m_editedCode; }

    // Opens the capture dialog by default; tests answer in its place
    // (false: cancelled).
    std::function<bool(std::uint32_t &code)> CaptureShortcut;
    // Asks for an engine executable by default; an empty answer changes nothing.
    std::function<QString(const QString &title, const QString &current)> ChooseEnginePath;
    // The engine the controls choose now (Auto resolved), whose options the
    // output lists show.
    ChosenEngine EngineInUseNow() const;

    // OK: apply, save, restart the engine if needed, close. A settings file
    // that cannot be written is reported and the dialog stays open.
    void Apply();

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    // OptionsFormPages.cpp
    void createGeneralPage();
    void createVideoPage();
    void createAudioPage();
    void createShortcutsPage();
    void createAdvancedPage();
    void createAboutPage();
    QWidget *addPage(const char *name);
    // The caption of a row of OptionsTexts, the page's name being its
    // section. And a word of section "Misc" (`designed`
    // while English is chosen).
    QString caption(const QWidget *page, const char *key) const;
    QString word(QString TZorviLocal::*field, const char *designed) const;

    // OptionsForm.cpp
    void loadSettings();
    void pageChanged();
    void turnPage(int step);
    void choosePath(QLineEdit *edit, const QLabel *label);
    // The output lists, their custom texts and the Advanced page's engine
    // controls follow the engine the controls choose now.
    void followEngine();
    // The [Options] Engine value the engine list's entry stands for.
    QString engineChoice() const;

    // OptionsFormShortcuts.cpp
    struct Row {
        std::uint32_t Code = 0;
        QString Description;
        QString Command; // the named command's text, or the free text
        int Index = 0;   // the named command, 0 for a free command
    };
    void loadShortcuts();
    void fillCommandList();
    Row rowAt(int row) const;
    void setRow(int row, const Row &r);
    Row describe(std::uint32_t code, int index, const QString &text) const;
    void sortRows();
    int selectedRow() const;
    void selectRow(int row);
    void rowSelected();
    void shortcutClicked();
    void commandChosen(int item);
    void commandEdited(const QString &text);
    void addOrChange();
    void removeRow();
    void setEditedCode(std::uint32_t code);
    void setAddMode(int mode);

    // OptionsFormApply.cpp
    bool applyControls(); // true when the engine must restart

    OptionsFormParts m_parts;
    bool m_shortcutsModified = false;
    std::uint32_t m_editedCode = 0;
    int m_addMode = 1; // 1 adds a row, 2 changes the selected one
    // A restart found necessary by an OK whose save failed is still due.
    bool m_restartDue = false;
    // The custom output texts as edited, by engine ([0] MPlayer, [1] mpv);
    // the edits show those of m_outputsOf.
    QString m_customVideo[2], m_customAudio[2];
    EngineKind m_outputsOf = EngineKind::MPlayer;
    int m_loadedEngine = -1; // the engine list's entry the settings named (-1: none)
    QString m_programDir;
};
