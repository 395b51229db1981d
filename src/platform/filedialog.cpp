#include "platform/filedialog.h"

#include "platform/filename.h"

bool TFileDialog::Execute() {
    const std::optional<QString> chosen =
        CurrentDialogs().ChooseFile({m_kind, m_title, m_filter, m_defaultExt, m_fileName});
    if (!chosen || chosen->isEmpty()) return false;
    m_fileName = *chosen;
    if (!m_defaultExt.isEmpty() && FileExtension(m_fileName).isEmpty()) {
        m_fileName += QLatin1Char('.') + m_defaultExt;
    }
    return true;
}
