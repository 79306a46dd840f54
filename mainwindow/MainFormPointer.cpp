// The main window's side of moving and sizing by the mouse: the rules'
// inputs, read from the settings as they stand at each step.
#include "mainwindow/MainForm.h"

#include "controls/ZorviPanel.h"
#include "mainwindow/WindowPointer.h"
#include "settings/SettingsData.h"
#include "skin/SkinControls.h"

void TMainForm::attachPointer()
{
    WindowPointerHost host;
    host.rules = [this] {
        const SettingsData &s = *m_program.Settings;
        SizingInputs in;
        in.chrome = Chrome();
        in.WinRatio = s.LastSession.WinRatio;
        in.MinWidth = m_skin ? m_skin->Params.MinWidth : SkinParams().MinWidth;
        in.Snap = s.Options.Snap;
        in.Center = s.LastSession.WinCenter;
        in.KeepAspect = s.LastSession.WindowKeepAspect;
        return in;
    };
    host.setCenter = [this](bool centred) { SetCenter(centred, false); };
    host.apply = [this](const QRect &bounds) { SetWindowBounds(bounds); };
    host.sizedByHand = [this] { m_program.Settings->LastSession.WindowSize = -1; };
    host.video = {QPointer<QWidget>(OuterPanel), QPointer<QWidget>(InnerPanel)};
    m_pointer = new WindowPointer(this, std::move(host));
}
