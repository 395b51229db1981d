#include "buttongrid/mxbuttonitems.h"

#include <algorithm>

TMxSpecialButtons::TMxSpecialButtons(QWidget* owner) : m_owner(owner) {}

TMxSpecialButtons::~TMxSpecialButtons() {
    SetOnChange({});
    m_items.clear();
}

int TMxSpecialButtons::IndexOf(const TMxSpecialButton& item) const {
    const auto it =
        std::find_if(m_items.begin(), m_items.end(), [&](const auto& p) { return p.get() == &item; });
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

TMxSpecialButton& TMxSpecialButtons::Add() {
    m_items.push_back(std::make_unique<TMxSpecialButton>(*this, Count()));
    Update();
    return *m_items.back();
}

TMxSpecialButton& TMxSpecialButtons::Insert(int index) {
    ChangeBatch batch(*this);
    TMxSpecialButton& item = Add();
    Move(Count() - 1, index);
    return item;
}

void TMxSpecialButtons::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    m_items.erase(m_items.begin() + index);
    Update();
}

void TMxSpecialButtons::Clear() {
    if (m_items.empty()) return;
    m_items.clear();
    Update();
}

void TMxSpecialButtons::Move(int from, int to) {
    if (from < 0 || from >= Count()) return;
    to = std::clamp(to, 0, Count() - 1);
    if (from == to) return;
    auto item = std::move(m_items[static_cast<std::size_t>(from)]);
    m_items.erase(m_items.begin() + from);
    m_items.insert(m_items.begin() + to, std::move(item));
    Update();
}

void TMxSpecialButtons::Assign(const TMxSpecialButtons& source) {
    if (&source == this) return;
    ChangeBatch batch(*this);
    Clear();
    for (const auto& item : source.m_items) Add().Assign(*item);
}

void TMxSpecialButtons::Update() {
    if (m_relayout) Changed();
}
