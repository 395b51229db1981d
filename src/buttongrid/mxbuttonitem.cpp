#include "buttongrid/mxbuttonitem.h"

#include "buttongrid/mxbuttonitems.h"
#include "buttongrid/mxspeedbutton.h"

TMxSpecialButton::TMxSpecialButton(TMxSpecialButtons& collection, int index) : m_collection(collection) {
    m_layout.SetOnChange([this] { Change(); });
    m_font.SetOnChange([this] { Change(); });

    m_btn = std::make_unique<TMxSpeedButton>(collection.Owner());
    m_btn->SetOnClick([this](TMxSpeedButton*) { buttonClicked(); });
    m_btn->SetEnabled(true);
    m_btn->SetColor(clBtnFace);
    m_btn->SetCursor(crArrow);
    m_btn->SetTag(index);
}

// The control goes before the rest, so nothing it does on the way out finds a half-destroyed item.
TMxSpecialButton::~TMxSpecialButton() {
    m_btn.reset();
}

void TMxSpecialButton::SetCaption(const QString& value) {
    m_caption = value;
    m_btn->SetCaption(value);
}

void TMxSpecialButton::SetCursor(TCursor value) {
    m_cursor = value;
    m_btn->SetCursor(value);
}

void TMxSpecialButton::SetHint(const QString& value) {
    m_hint = value;
    m_btn->SetHint(value);
}

void TMxSpecialButton::SetGlyph(const QImage& value) {
    m_glyph = value;
    Change();
}

void TMxSpecialButton::SetEnabled(bool value) {
    m_enabled = value;
    m_btn->SetEnabled(value);
}

bool TMxSpecialButton::ParentFont() const {
    return m_btn->ParentFont();
}

void TMxSpecialButton::SetParentFont(bool value) {
    m_btn->SetParentFont(value);
}

void TMxSpecialButton::SetGroupIndex(int value) {
    m_groupIndex = value;
    m_btn->SetGroupIndex(value);
}

int TMxSpecialButton::Index() const {
    return m_collection.IndexOf(*this);
}

void TMxSpecialButton::SetIndex(int value) {
    m_collection.Move(Index(), value);
}

void TMxSpecialButton::Assign(const TMxSpecialButton& source) {
    SetCaption(source.m_caption);
    SetHint(source.m_hint);
    SetGlyph(source.m_glyph);
    SetEnabled(source.m_enabled);
    SetCursor(source.m_cursor);
    SetGroupIndex(source.m_groupIndex);
    SetLayout(source.m_layout);
    SetFont(source.m_font);
    SetParentFont(source.ParentFont());
    SetOnClick(source.m_onClick);
}

void TMxSpecialButton::Change() {
    m_btn->SetGlyph(m_glyph);
    m_btn->ButtonLayout().Assign(m_layout);
    m_btn->SetFont(m_font);
    m_collection.Update();
}

void TMxSpecialButton::buttonClicked() {
    const TMxOnCustomBtnClick handler = m_onClick;
    if (handler) handler(this, Index());
}
