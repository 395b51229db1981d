#pragma once

#include <functional>
#include <utility>

// The setter rule of every published property: store the value only when it differs. Returns whether it
// stored, so the caller repaints or notifies only then:
//     if (assignIfDiffers(m_color, value)) update();
template <class T, class U>
bool assignIfDiffers(T& field, U&& value) {
    if (field == value) return false;
    field = std::forward<U>(value);
    return true;
}

// Names: BeginUpdate, EndUpdate, Changed and OnChange are the operations the persistent objects already
// carry under those names; assignIfDiffers above is our own helper and camelCase.
//
// How a persistent object tells its owner that it changed. Changed() calls the handler at once; between
// BeginUpdate and the matching EndUpdate (they nest) it only remembers, and the outermost EndUpdate calls
// the handler once when anything changed meanwhile.
//
// The handler belongs to the object it sits in: a copy starts without one and an assignment keeps the
// target's own, so a value copied from another object never reports to that object's owner.
class ChangeNotify {
public:
    using Handler = std::function<void()>;

    ChangeNotify() = default;
    ChangeNotify(const ChangeNotify&) {}
    ChangeNotify& operator=(const ChangeNotify&) { return *this; }

    const Handler& OnChange() const { return m_onChange; }
    void SetOnChange(Handler handler) { m_onChange = std::move(handler); }

    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate() {
        if (m_updateCount == 0 || --m_updateCount > 0 || !m_pending) return;
        m_pending = false;
        if (m_onChange) m_onChange();
    }
    bool Updating() const { return m_updateCount > 0; }

    void Changed() {
        if (m_updateCount > 0) {
            m_pending = true;
            return;
        }
        if (m_onChange) m_onChange();
    }

private:
    Handler m_onChange;
    int m_updateCount = 0;
    bool m_pending = false;
};

// Holds back the notifications of a block and reports once at its end, also when the block throws.
class ChangeBatch {
public:
    explicit ChangeBatch(ChangeNotify& notify) : m_notify(notify) { m_notify.BeginUpdate(); }
    ChangeBatch(const ChangeBatch&) = delete;
    ChangeBatch& operator=(const ChangeBatch&) = delete;
    ~ChangeBatch() { m_notify.EndUpdate(); }

private:
    ChangeNotify& m_notify;
};
