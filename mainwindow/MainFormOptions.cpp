// The options dialog, opened by the menu item and the named command "options":
// a new dialog each time, modal, gone when it closes.
#include "mainwindow/MainForm.h"

#include "mainwindow/EngineOptionsLink.h"
#include "options/uOptionsForm.h"

#include <optional>

OptionsFormParts TMainForm::optionsParts(OptionsEngine *engine) const
{
    return {m_program.Settings, m_program.Store, m_program.Shortcuts, m_program.Locale, engine};
}

void TMainForm::ShowOptions()
{
    if (!m_program.Locale || !m_program.Shortcuts || !m_program.Store) {
        notAvailable("options");
        return;
    }
    std::optional<EngineOptionsLink> link;
    if (m_engine)
        link.emplace(*m_engine);
    TOptionsForm form(optionsParts(link ? &*link : nullptr), this);
    form.exec();
}
