#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "buttongrid/mxbuttonitem.h"
#include "platform/change.h"

// The items of a button panel, in index order. The owner is the control the items' buttons sit on. While
// RelayoutOnUpdate is set, every update reports a change, so the owner lays out again (once per update).
class TMxSpecialButtons : public ChangeNotify {
public:
    explicit TMxSpecialButtons(QWidget* owner);
    TMxSpecialButtons(const TMxSpecialButtons&) = delete;
    TMxSpecialButtons& operator=(const TMxSpecialButtons&) = delete;
    ~TMxSpecialButtons();

    QWidget* Owner() const { return m_owner; }

    int Count() const { return static_cast<int>(m_items.size()); }
    TMxSpecialButton& Items(int index) const { return *m_items.at(static_cast<std::size_t>(index)); }
    TMxSpecialButton& operator[](int index) const { return Items(index); }
    int IndexOf(const TMxSpecialButton& item) const;

    TMxSpecialButton& Add();
    // A new item at index (appended, then moved there).
    TMxSpecialButton& Insert(int index);
    void Delete(int index);
    void Clear();
    void Move(int from, int to);

    // Replaces the items with copies of source's.
    void Assign(const TMxSpecialButtons& source);

    // Whether every update asks the owner to lay out again; the panel sets it.
    bool RelayoutOnUpdate() const { return m_relayout; }
    void SetRelayoutOnUpdate(bool value) { m_relayout = value; }

    // An item was added, deleted, moved or changed.
    void Update();

private:
    QWidget* m_owner;
    std::vector<std::unique_ptr<TMxSpecialButton>> m_items;
    bool m_relayout = false;
};
