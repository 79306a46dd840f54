// The options dialog, opened by the menu item and the named command "options":
// a new dialog each time, modal, gone when it closes.
#include "mainwindow/MainForm.h"

#include "mainwindow/WindowEngine.h"
#include "options/uOptionsForm.h"

OptionsFormParts TMainForm::optionsParts(OptionsEngine *engine) const
{
    return {&m_program.Settings, &m_program.Store, &m_program.Shortcuts, &m_program.Locale, engine};
}

void TMainForm::showOptions()
{
    TOptionsForm form(optionsParts(&m_engine->Options()), this);
    form.exec();
    // The bindings may have changed.
    updateButtonTips();
    fillKeys();
}
