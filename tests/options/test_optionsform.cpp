// The options dialog offscreen, on a recording engine and a settings file in
// a temporary folder.
#include "i18n/Localization.h"
#include "i18n/OptionsTexts.h"
#include "options/RadioGroup.h"
#include "options/uOptionsForm.h"
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"
#include "shortcuts/ShortcutList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace {
struct RecorderEngine : OptionsEngine {
    QStringList Calls;
    bool Running = true;
    void PostCommand(const QByteArray &text) override { Calls << "post " + QString::fromLatin1(text); }
    bool IsRunning() const override { return Running; }
    void Stop() override { Calls << QStringLiteral("stop"); }
    void StartAgain() override { Calls << QStringLiteral("start"); }
    void DetectVersion() override { Calls << QStringLiteral("version"); }
    QString Version() const override { return QStringLiteral("1.5"); }
};

class OptionsForm : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SettingsData settings;
    SettingsStore store{settings};
    TShortcutList shortcuts;
    Localization local{settings, {dir.filePath(QStringLiteral("Lang"))}, {}};
    RecorderEngine engine;
    ReportCapture reports;
    FakeClock clock; // the restart's pause takes no time
    std::unique_ptr<TOptionsForm> form;
    std::uint32_t captured = 0; // what the capture dialog answers; 0 cancels

    void SetUp() override
    {
        store.SetFileName(dir.filePath(QStringLiteral("zorvi.ini")));
        shortcuts.ConnectTo(store);
        store.LoadSettings(); // no file: the defaults and the default bindings
        local.InitLocalization();
    }
    TOptionsForm &Open()
    {
        form =
            std::make_unique<TOptionsForm>(OptionsFormParts{&settings, &store, &shortcuts, &local, &engine});
        form->CaptureShortcut = [this](std::uint32_t &code) {
            code = captured;
            return code != 0;
        };
        form->show();
        return *form;
    }
    void Capture(std::uint32_t code)
    {
        captured = code;
        form->BShortcut->click();
    }
    int SelectedRow() const
    {
        const auto items = form->ShortcutListView->selectedItems();
        return items.isEmpty() ? -1 : items.first()->row();
    }
    std::uint32_t CodeAt(int row) const
    {
        return form->ShortcutListView->item(row, 0)->data(Qt::UserRole).toUInt();
    }
    IniFile File() const { return IniFile::Load(store.FileName()); }
};
} // namespace

TEST_F(OptionsForm, OkAppliesInOrderAndRestartsOnlyForEngineOptions)
{
    using F = TOptionsForm;
    const QStringList restart{"stop", "start"};
    const struct {
        std::function<void(F &)> edit;
        // The engine's calls; "key=value" of section Options, the first naming the row.
        QStringList calls, saved;
    } rows[] = {
        {[](F &) {}, {}, {"OSDLevel=0"}},
        {[](F &f) { f.OSDSpinEdit->setValue(2); }, {"post osd 2"}, {"OSDLevel=2"}},
        {[](F &f) { f.CacheEdit->setValue(1024); }, {}, {"CacheSize=1024", "Cache=0"}},
        {[this](F &f) { // as if the cache had been on
             settings.Options.Cache = true;
             f.CacheChkBox->setChecked(true);
             f.CacheEdit->setValue(1024);
         },
         restart,
         {"CacheSize=1024", "Cache=1"}},
        {[](F &f) { f.VOComboBox->setCurrentIndex(1); }, restart, {"VideoOut=1"}},
        {[](F &f) { f.CustomAOEdit->setText("-ao oss"); }, restart, {"CustomAudioOut=-ao oss"}},
        {[this](F &f) {
             engine.Running = false;
             f.AOComboBox->setCurrentIndex(1);
         },
         {},
         {"AudioOut=1"}},
        {[](F &f) { f.PathEdit->setText(" mplayer "); }, {}, {"MPlayerPath=mplayer"}},
        {[](F &f) { f.PathEdit->setText(" /opt/mp/mplayer"); },
         QStringList{"version"} + restart,
         {"MPlayerPath=/opt/mp/mplayer"}},
        {[](F &f) {
             f.ParamChkBox[1]->setChecked(true);
             f.ParamEdit[1]->setText(" -nosound ");
         },
         restart,
         {"AddParams1str=-nosound", "AddParams1=1"}},
        {[](F &f) { f.HwDecChkBox->setChecked(true); }, {}, {"HardwareDecoding=1"}}, // MPlayer plays
        {[](F &f) {
             f.EngineComboBox->setCurrentIndex(2);
             f.HwDecChkBox->setChecked(true);
         },
         QStringList{"version"} + restart,
         {"Engine=mpv", "HardwareDecoding=1"}},
        {[](F &f) {
             f.ResizeRadioGroup->SetItemIndex(1);
             f.OSDSpinEdit->setValue(3);
             f.BoostChkBox->setChecked(true);
         },
         QStringList{"post osd 3"} + restart,
         {"ResizeOnOpen=0", "PriorityBoost=1"}},
    };
    for (const auto &row : rows) {
        const std::string name = row.saved.first().toStdString();
        settings = SettingsData();
        engine = RecorderEngine();
        QFile::remove(store.FileName());
        row.edit(Open());
        form->BSave->click();
        EXPECT_EQ(form->result(), QDialog::Accepted) << name;
        EXPECT_EQ(engine.Calls, row.calls) << name;
        for (const QString &line : row.saved)
            EXPECT_EQ(File().Value("Options", line.section(u'=', 0, 0)), line.section(u'=', 1)) << name;
    }
    EXPECT_TRUE(reports.messages.isEmpty());
}

TEST_F(OptionsForm, TheOutputsFollowTheEngineInUse)
{
    const QString mplayer = dir.filePath("mplayer"), mpv = dir.filePath("mpv");
    for (const QString &program : {mplayer, mpv}) {
        WriteFile(program);
        QFile(program).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    settings.Options.MPlayerPath = mplayer;
    settings.Options.MpvPath = mpv;
    Open();
    // (video out's custom text, its third entry, the engine in use, the MPlayer path editable)
    const auto shown = [this] {
        return std::tuple(form->CustomVOEdit->text(), form->VOComboBox->itemText(3),
                          form->EngineInUse->text(), form->PathEdit->isEnabled());
    };
    EXPECT_EQ(shown(), std::tuple("-vo x11 -zoom", "OpenGL (gl, default)", "MPlayer", true));
    form->PathEdit->setText(dir.filePath("gone")); // Auto falls back on mpv
    EXPECT_EQ(shown(), std::tuple("--vo=x11", "GPU (gpu, default)", "mpv", true));
    form->CustomVOEdit->setText("--vo=xv");
    form->PathEdit->setText(mplayer);
    form->CustomAOEdit->setText("-ao pulse");
    form->EngineComboBox->setCurrentIndex(2);
    EXPECT_EQ(shown(), std::tuple("--vo=xv", "GPU (gpu, default)", "mpv", false));
    form->BSave->click();
    for (const char *line : {"Engine=mpv", "CustomVideoOut=-vo x11 -zoom", "MpvCustomVideoOut=--vo=xv",
                             "CustomAudioOut=-ao pulse", "MpvCustomAudioOut=--ao=alsa"})
        EXPECT_EQ(File().Value("Options", QString(line).section(u'=', 0, 0)), QString(line).section(u'=', 1))
            << line;
    EXPECT_EQ(engine.Calls, (QStringList{"version", "stop", "start"}));

    // A value the list does not name shows as Auto and OK writes it; a run's
    // --engine shows, and OK leaves the file's value.
    const std::tuple<const char *, const char *, int, const char *> rows[] = {
        {"vlc", "", 0, "auto"}, {"mplayer", "mpv", 2, "mplayer"}};
    for (const auto &[stored, run, entry, written] : rows) {
        WriteFile(store.FileName(), QByteArray("[Options]\nEngine=") + stored + '\n');
        store.LoadSettings();
        if (*run)
            store.SetRunValue("Engine", run);
        EXPECT_EQ(Open().EngineComboBox->currentIndex(), entry) << stored;
        form->BSave->click();
        EXPECT_EQ(File().Value("Options", "Engine"), written) << stored;
    }
}

TEST_F(OptionsForm, ShortcutsAreWrittenOnlyWhenEdited)
{
    WriteFile(store.FileName(), "[Shortcuts]\nD=15\n");
    Open().BSave->click();
    EXPECT_EQ(File().Keys(QStringLiteral("Shortcuts")), QStringList{QStringLiteral("D")});
    EXPECT_EQ(File().Value(QStringLiteral("Options"), QStringLiteral("VideoOut")), QStringLiteral("3"));

    Open();
    form->ShortcutListView->selectRow(0);
    form->BShortRemove->click();
    form->BSave->click();
    EXPECT_EQ(File().Keys(QStringLiteral("Shortcuts")).size(), 39);
    EXPECT_EQ(shortcuts.Items.size(), 39u);
}

TEST_F(OptionsForm, UnwritableFileIsReportedAndTheDialogStaysOpen)
{
    WriteFile(dir.filePath(QStringLiteral("file")));
    store.SetFileName(dir.filePath(QStringLiteral("file/zorvi.ini")));
    Open().VOComboBox->setCurrentIndex(1);
    form->BSave->click();
    EXPECT_EQ(reports.take(), QStringList{"Unable to write to " + store.FileName()});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(settings.Options.VideoOut, 1);
    EXPECT_TRUE(engine.Calls.isEmpty());

    // Once the file can be written, the restart found by the first OK still comes.
    store.SetFileName(dir.filePath(QStringLiteral("zorvi.ini")));
    form->BSave->click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(engine.Calls, (QStringList{"stop", "start"}));
}

TEST_F(OptionsForm, CapturingAnExistingShortcutSelectsItsRow)
{
    Open();
    Capture(0xD); // Enter: fullscreen by default
    const int row = SelectedRow();
    ASSERT_GE(row, 0);
    EXPECT_EQ(CodeAt(row), 0xDu);
    EXPECT_EQ(form->LShortHelp->text(), QLatin1String(TOptionsForm::HelpExists));
    EXPECT_EQ(form->CmdStrEdit->text(), QStringLiteral("fullscreen"));
    EXPECT_TRUE(form->BShortRemove->isEnabled());

    // The button now changes that row instead of adding a second one.
    const int rows = form->ShortcutListView->rowCount();
    form->CommandComboBox->setCurrentIndex(form->CommandComboBox->findText(QStringLiteral("General: Quit")));
    form->BShortAC->click();
    EXPECT_EQ(form->ShortcutListView->rowCount(), rows);
    form->BSave->click();
    const auto &items = shortcuts.Items;
    const auto enter =
        std::find_if(items.begin(), items.end(), [](const TmyShortcut &s) { return s.Code == 0xD; });
    ASSERT_NE(enter, items.end());
    EXPECT_EQ(enter->Command, 32);
}

TEST_F(OptionsForm, TypingAfterANamedActionMakesAFreeCommand)
{
    Open();
    Capture(0x47); // G: not bound
    EXPECT_EQ(SelectedRow(), -1);
    EXPECT_EQ(form->LShortHelp->text(), QLatin1String(TOptionsForm::HelpNew));
    QComboBox *actions = form->CommandComboBox;
    EXPECT_EQ(actions->itemData(0).toInt(), 0); // the free command sorts first
    const int stop = actions->findText(QStringLiteral("Playback: Stop"));
    actions->setCurrentIndex(stop);
    emit actions->activated(stop);
    EXPECT_EQ(form->CmdStrEdit->text(), QStringLiteral("stop"));
    QTest::keyClick(form->CmdStrEdit, Qt::Key_1);
    EXPECT_EQ(actions->currentData().toInt(), 0);

    form->BShortAC->click();
    const int row = SelectedRow();
    ASSERT_GE(row, 0);
    EXPECT_EQ(CodeAt(row), 0x47u);
    EXPECT_EQ(form->ShortcutListView->item(row, 1)->text(), QStringLiteral(" Custom: stop1"));
    EXPECT_EQ(form->BShortAC->text(), QStringLiteral("Change"));
    form->BSave->click();
    EXPECT_EQ(File().Value(QStringLiteral("Shortcuts"), QStringLiteral("47")), QStringLiteral("stop1"));
}

TEST_F(OptionsForm, RemovingTheLastRowDisablesRemove)
{
    shortcuts.Items = {{0x58, 5, {}}, {0x4D, 3, {}}};
    Open();
    form->ShortcutListView->selectRow(1);
    form->BShortRemove->click();
    EXPECT_EQ(SelectedRow(), 0); // the row before it
    EXPECT_TRUE(form->BShortRemove->isEnabled());
    form->BShortRemove->click();
    EXPECT_EQ(form->ShortcutListView->rowCount(), 0);
    EXPECT_FALSE(form->BShortRemove->isEnabled());
}

TEST_F(OptionsForm, CtrlTabTurnsThePagesRoundAndThePageIsKept)
{
    settings.LastSession.LastOptionsTab = 6;
    Open();
    EXPECT_EQ(form->Pages->currentIndex(), 6);
    QTest::keyClick(form->Pages->currentWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->Pages->currentIndex(), 0);
    QTest::keyClick(form->PathEdit, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->Pages->currentIndex(), 6);
    QTest::keyClick(form->Pages->currentWidget(), Qt::Key_Tab, Qt::ControlModifier);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(form->PathEdit, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->LShortHelp->text(), QLatin1String(TOptionsForm::HelpLocate));
    form->BCancel->click();
    form.reset();
    EXPECT_EQ(settings.LastSession.LastOptionsTab, 4);
}

// Every text the dialog shows.
QStringList Shown(const TOptionsForm &form)
{
    QStringList out{form.windowTitle()};
    for (int i = 0; i < form.Pages->count(); ++i)
        out << form.Pages->tabText(i);
    for (const QWidget *w : form.findChildren<QWidget *>()) {
        if (const auto *label = qobject_cast<const QLabel *>(w))
            out << label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            out << button->text();
        else if (const auto *group = qobject_cast<const QGroupBox *>(w))
            out << group->title();
        else if (const auto *list = qobject_cast<const QComboBox *>(w))
            for (int k = 0; k < list->count(); ++k)
                out << list->itemText(k);
    }
    for (int c = 0; c < 2; ++c)
        out << form.ShortcutListView->horizontalHeaderItem(c)->text();
    return out;
}

TEST_F(OptionsForm, EveryCaptionComesFromItsRowInTheChosenLanguage)
{
    // English, even for translators, shows the designed captions; a language
    // that gives every row a text of its own shows each of them.
    QByteArray lng = "[Misc]\nCustom=Eigene\nCancel=Abbrechen\nOk=Gut\nRemove=Weg\n";
    const char *section = "Misc";
    for (const OptionsText &row : OptionsTexts) {
        if (qstrcmp(row.Section, std::exchange(section, row.Section)) != 0)
            lng += QByteArray("[") + row.Section + "]\n";
        lng += QByteArray(row.Key) + '=' + row.Section + '.' + row.Key + '\n';
    }
    WriteFile(dir.filePath(QStringLiteral("Lang/de.lng")), lng);
    local.InitLocalization();
    local.TranslatorMode = true;
    for (const bool english : {true, false}) {
        local.SwitchLanguage(english ? 0 : 1);
        QStringList shown = Shown(Open());
        // mpv, not to be found, brings the captions only it shows.
        settings.Options.Engine = QStringLiteral("mpv");
        settings.Options.MpvPath = dir.filePath(QStringLiteral("none"));
        const QString all = (shown + Shown(Open())).join(u'\n');
        settings.Options = {};
        for (const OptionsText &row : OptionsTexts) {
            const QString text = english ? row.English : QString(row.Section) + '.' + row.Key;
            EXPECT_TRUE(all.contains(text.trimmed())) << text.toStdString();
        }
        const QStringList words = english ? QStringList{"Custom...", "Cancel", "Ok", "Remove"}
                                          : QStringList{"Eigene...", "Abbrechen", "Gut", "Weg"};
        for (const QString &word : words)
            EXPECT_TRUE(shown.contains(word)) << word.toStdString();
    }
}
