#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <memory>

#include "buttongrid/mxbuttonlayout.h"
#include "platform/cursor.h"
#include "platform/font.h"

class TMxSpecialButtons;
class TMxSpeedButton;

// One button of a button panel: the values it keeps for its button control and hands on to it.
class TMxSpecialButton {
public:
    using TMxOnCustomBtnClick = std::function<void(TMxSpecialButton* sender, int index)>;

    // Made by the collection, which appends it; the control's Tag is `index`, its place at that moment.
    TMxSpecialButton(TMxSpecialButtons& collection, int index);
    ~TMxSpecialButton();
    TMxSpecialButton(const TMxSpecialButton&) = delete;
    TMxSpecialButton& operator=(const TMxSpecialButton&) = delete;

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& value);
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor value);
    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& value);
    const QImage& Glyph() const { return m_glyph; }
    void SetGlyph(const QImage& value);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value);
    const TMxButtonLayout& Layout() const { return m_layout; }
    void SetLayout(const TMxButtonLayout& value) { m_layout.Assign(value); }
    bool ParentFont() const;
    void SetParentFont(bool value);
    const ::Font& Font() const { return m_font; }
    // Copies value in; the control then shows this font whatever ParentFont said.
    void SetFont(const ::Font& value) { m_font.Assign(value); }
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int value);
    int Index() const;
    // Moves the item within its collection.
    void SetIndex(int value);
    QString DisplayName() const { return QStringLiteral("TMxSpecialButton"); }
    const TMxOnCustomBtnClick& OnClick() const { return m_onClick; }
    void SetOnClick(TMxOnCustomBtnClick handler) { m_onClick = std::move(handler); }

    TMxSpeedButton* Btn() const { return m_btn.get(); }

    // Copies caption, hint, glyph, enabled, cursor, group, layout, font, parent-font flag and click handler.
    void Assign(const TMxSpecialButton& source);

private:
    // Runs when the glyph, layout or font changes: hands them to the control, then reports the change.
    void Change();
    void buttonClicked();

    TMxSpecialButtons& m_collection;
    QString m_caption;
    TCursor m_cursor = crArrow;
    QString m_hint;
    QImage m_glyph;
    bool m_enabled = true;
    TMxButtonLayout m_layout;
    int m_groupIndex = 0;
    ::Font m_font;
    TMxOnCustomBtnClick m_onClick;
    std::unique_ptr<TMxSpeedButton> m_btn;
};
