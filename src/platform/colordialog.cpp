#include "platform/colordialog.h"

#include "platform/dialogs.h"

bool TColorDialog::Execute() {
    const std::optional<TColor> chosen = CurrentDialogs().ChooseColor(m_color);
    if (!chosen) return false;
    m_color = *chosen;
    return true;
}
