#include "buttongrid/mxfillobject.h"

TMxShapeFill::TMxShapeFill() : TMxShapeFill(TMxFillStyle::sfBrush) {}

TMxShapeFill::TMxShapeFill(TMxFillStyle style) : m_style(style) {
    m_gradient.SetOnChange([this](TMxObject*) { Changed(); });
}

void TMxShapeFill::SetBitmap(const QImage& value) {
    m_bitmap = value;
    Changed();
}

void TMxShapeFill::SetStyle(TMxFillStyle value) {
    if (value == m_style) return;
    m_style = value;
    Changed();
}

void TMxShapeFill::SetGradient(const TMxGradient& value) { m_gradient.Assign(value); }

void TMxShapeFill::SetTileMode(TMxTileMode value) {
    if (value == m_tileMode) return;
    m_tileMode = value;
    Changed();
}

void TMxShapeFill::SetListBitmap(const QImage& value) {
    m_listBitmap = value;
    Changed();
}

void TMxShapeFill::Assign(const TMxShapeFill& source) {
    if (&source == this) return;
    BeginUpdate();
    AssignProperties(source);
    EndUpdate(true);
}

void TMxShapeFill::AssignProperties(const TMxShapeFill& source) {
    m_bitmap = source.m_bitmap;
    m_listBitmap = source.m_listBitmap;
    m_gradient.Assign(source.m_gradient);
    m_style = source.m_style;
    m_tileMode = source.m_tileMode;
}

bool TMxShapeFill::IsEmpty() const {
    switch (m_style) {
    case TMxFillStyle::sfNone: return true;
    case TMxFillStyle::sfBitmap:
    case TMxFillStyle::sfBitmapList: return Picture().isNull();
    default: return false;
    }
}

const QImage& TMxShapeFill::Picture() const {
    return m_style == TMxFillStyle::sfBitmapList ? m_listBitmap : m_bitmap;
}

TMxFillObject::TMxFillObject() : TMxShapeFill(TMxFillStyle::sfNone) {}

void TMxFillObject::SetAlignment(TMxAlignment value) {
    if (value == m_alignment) return;
    m_alignment = value;
    Changed();
}

void TMxFillObject::SetBrush(const TMxBrush& value) {
    if (value == m_brush) return;
    m_brush = value;
    Changed();
}

void TMxFillObject::SetOffsetX(int value) {
    if (value == m_offsetX) return;
    m_offsetX = value;
    Changed();
}

void TMxFillObject::SetOffsetY(int value) {
    if (value == m_offsetY) return;
    m_offsetY = value;
    Changed();
}

void TMxFillObject::SetOptions(TMxFillOptions value) {
    if (value == m_options) return;
    m_options = value;
    Changed();
}

void TMxFillObject::AssignProperties(const TMxShapeFill& source) {
    TMxShapeFill::AssignProperties(source);
    const auto* fill = dynamic_cast<const TMxFillObject*>(&source);
    if (!fill) return;
    m_alignment = fill->m_alignment;
    m_brush = fill->m_brush;
    m_offsetX = fill->m_offsetX;
    m_offsetY = fill->m_offsetY;
    m_options = fill->m_options;
}
