#pragma once

#include <functional>

// Base of the panel's persistent property objects (gradient, fill object): one change notification and an
// update flag. Objects are owned in place by their owner, which hooks the notification, so they are
// neither copied nor moved; use Assign to copy values.
class TMxObject {
public:
    using TNotifyEvent = std::function<void(TMxObject* sender)>;

    TMxObject() = default;
    TMxObject(const TMxObject&) = delete;
    TMxObject& operator=(const TMxObject&) = delete;
    virtual ~TMxObject() = default;

    const TNotifyEvent& OnChange() const { return m_onChange; }
    void SetOnChange(TNotifyEvent handler) { m_onChange = std::move(handler); }

    // Suppresses the notification until EndUpdate; the flag does not nest.
    void BeginUpdate() { m_updating = true; }
    // Clears the flag and, when notify is true, runs the change routine.
    void EndUpdate(bool notify);
    bool Updating() const { return m_updating; }

protected:
    // The change routine: raises the notification unless inside an update. Subclasses that keep derived
    // state rebuild it first and then call this.
    virtual void Changed();

private:
    TNotifyEvent m_onChange;
    bool m_updating = false;
};
