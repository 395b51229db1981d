#include "buttongrid/mxobject.h"

void TMxObject::EndUpdate(bool notify) {
    m_updating = false;
    if (notify) Changed();
}

void TMxObject::Changed() {
    if (m_updating || !m_onChange) return;
    m_onChange(this);
}
