// A member that creates its object on first use: whoever reads it while it
// holds nothing gets a new, default-made object, which it then keeps.
//
// The object is shared, so a caller that took it keeps it alive after the
// member lets go of it or is given another. Assigning nullptr leaves the member
// empty until its next use. Not thread-safe, like everything on the UI thread.
#pragma once

#include <memory>
#include <utility>

namespace display {

template <class T>
class SelfCreating {
public:
    SelfCreating() = default;

    SelfCreating &operator=(std::shared_ptr<T> object)
    {
        m_object = std::move(object);
        return *this;
    }

    // The object, created if there was none.
    const std::shared_ptr<T> &get() const
    {
        if (!m_object)
            m_object = std::make_shared<T>();
        return m_object;
    }
    T *operator->() const { return get().get(); }
    T &operator*() const { return *get(); }

    // Whether an object is held now, without creating one.
    bool holdsObject() const { return m_object != nullptr; }

private:
    mutable std::shared_ptr<T> m_object;
};

} // namespace display
