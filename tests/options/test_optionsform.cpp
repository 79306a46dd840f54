// The options dialog offscreen, on a recording engine and a settings file in
// a temporary folder.
#include "i18n/EnglishLoc.h"
#include "i18n/Localization.h"
#include "options/RadioGroup.h"
#include "options/uOptionsForm.h"
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"
#include "shortcuts/ShortcutList.h"
#include "support/ReportCapture.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

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
    const struct {
        const char *name;
        std::function<void(SettingsData &, RecorderEngine &)> before;
        std::function<void(TOptionsForm &)> edit;
        QStringList calls;
        std::function<bool(const OptionsSettings &)> holds;
    } rows[] = {
        {"nothing", {}, [](TOptionsForm &) {}, {}, [](const OptionsSettings &o) { return o.OSDLevel == 0; }},
        {"osd",
         {},
         [](TOptionsForm &f) { f.OSDSpinEdit->setValue(2); },
         {"post osd 2"},
         [](const OptionsSettings &o) { return o.OSDLevel == 2; }},
        {"cache size, cache off",
         {},
         [](TOptionsForm &f) { f.CacheEdit->setValue(1024); },
         {},
         [](const OptionsSettings &o) { return o.CacheSize == 1024 && !o.Cache; }},
        {"cache size, cache on",
         [](SettingsData &s, RecorderEngine &) { s.Options.Cache = true; },
         [](TOptionsForm &f) { f.CacheEdit->setValue(1024); },
         {"stop", "start"},
         [](const OptionsSettings &o) { return o.CacheSize == 1024; }},
        {"video output",
         {},
         [](TOptionsForm &f) { f.VOComboBox->setCurrentIndex(1); },
         {"stop", "start"},
         [](const OptionsSettings &o) { return o.VideoOut == 1; }},
        {"audio custom text",
         {},
         [](TOptionsForm &f) { f.CustomAOEdit->setText(QStringLiteral("-ao oss")); },
         {"stop", "start"},
         [](const OptionsSettings &o) { return o.CustomAudioOut == "-ao oss"; }},
        {"output, engine idle",
         [](SettingsData &, RecorderEngine &e) { e.Running = false; },
         [](TOptionsForm &f) { f.VOComboBox->setCurrentIndex(1); },
         {},
         [](const OptionsSettings &o) { return o.VideoOut == 1; }},
        {"path with blanks around it",
         {},
         [](TOptionsForm &f) { f.PathEdit->setText(QStringLiteral(" mplayer ")); },
         {},
         [](const OptionsSettings &o) { return o.MPlayerPath == "mplayer"; }},
        {"new path",
         {},
         [](TOptionsForm &f) { f.PathEdit->setText(QStringLiteral(" /opt/mp/mplayer")); },
         {"version", "stop", "start"},
         [](const OptionsSettings &o) { return o.MPlayerPath == "/opt/mp/mplayer"; }},
        {"slot text trimmed",
         {},
         [](TOptionsForm &f) {
             f.ParamChkBox[1]->setChecked(true);
             f.ParamEdit[1]->setText(QStringLiteral(" -nosound "));
         },
         {"stop", "start"},
         [](const OptionsSettings &o) {
             return o.AddParams[1].Enabled && o.AddParams[1].Text == "-nosound";
         }},
        {"resize and osd",
         {},
         [](TOptionsForm &f) {
             f.ResizeRadioGroup->SetItemIndex(1);
             f.OSDSpinEdit->setValue(3);
             f.BoostChkBox->setChecked(true);
         },
         {"post osd 3", "stop", "start"},
         [](const OptionsSettings &o) { return !o.ResizeOnOpen && o.PriorityBoost; }},
    };
    for (const auto &row : rows) {
        settings = SettingsData();
        engine = RecorderEngine();
        QFile::remove(store.FileName());
        if (row.before)
            row.before(settings, engine);
        row.edit(Open());
        form->BSave->click();
        EXPECT_EQ(form->result(), QDialog::Accepted) << row.name;
        EXPECT_EQ(engine.Calls, row.calls) << row.name;
        EXPECT_TRUE(row.holds(settings.Options)) << row.name;
        EXPECT_TRUE(File().SectionExists(QStringLiteral("Options"))) << row.name;
    }
    EXPECT_TRUE(reports.messages.isEmpty());
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
    EXPECT_EQ(File().Keys(QStringLiteral("Shortcuts")).size(), 30);
    EXPECT_EQ(shortcuts.Items.size(), 30u);
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
    QTest::keyClick(form->PathEdit, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(form->PathEdit, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(form->PathEdit, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(form->PathEdit, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->LShortHelp->text(), QLatin1String(TOptionsForm::HelpLocate));
    form->BCancel->click();
    form.reset();
    EXPECT_EQ(settings.LastSession.LastOptionsTab, 4);
}

TEST_F(OptionsForm, EnglishCaptionsAreTheBuiltInTextAndALanguageReplacesThem)
{
    // Every control is named and captioned as the built-in English lists it.
    Open();
    QStringList english = EnglishLoc().split(QStringLiteral("\r\n"));
    english = english.mid(english.indexOf(QStringLiteral("[Options]")));
    for (QString &line : english) // as a language file reads it
        while (line.endsWith(u' '))
            line.chop(1);
    EXPECT_EQ(OptionsFormLines(*form), english);

    WriteFile(dir.filePath(QStringLiteral("Lang/de.lng")), "[Options]\nCaption=Optionen\n[GeneralTab]\n"
                                                           "SingleInstChkBox=Nur eine Instanz\n"
                                                           "ResizeRadioGroup1=nach Menü\n"
                                                           "[VideoTab]\nVOnull=Kein Bild\n"
                                                           "[Misc]\nCustom=Eigene\nCancel=Abbrechen\n");
    local.InitLocalization();
    local.SwitchLanguage(1);
    Open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Optionen"));
    EXPECT_EQ(form->SingleInstChkBox->text(), QStringLiteral("Nur eine Instanz"));
    EXPECT_EQ(form->ResizeRadioGroup->ItemText(1), QStringLiteral("nach Menü"));
    EXPECT_EQ(form->ResizeRadioGroup->ItemText(0), QStringLiteral("according to video size"));
    EXPECT_EQ(form->VOComboBox->itemText(0), QStringLiteral("Eigene..."));
    EXPECT_EQ(form->VOComboBox->itemText(1), QStringLiteral("Kein Bild"));
    EXPECT_EQ(form->BCancel->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(form->LAppName->text(), QStringLiteral("Zorvi")); // not a page's own control
}
