// Owns the windows of a run: the single instance of each window reached by
// name, created on first use and never replaced, and the unnamed instances
// that are created anew each time (backdrops of further monitors), which
// nothing reaches again. It does not load or show them.
#pragma once

#include "toolkit/Form.h"

#include <map>
#include <memory>
#include <typeindex>
#include <vector>

namespace flow {

class WindowRegistry {
public:
    template <class T>
    static T &single()
    {
        std::unique_ptr<toolkit::Form> &slot = named()[std::type_index(typeid(T))];
        if (!slot)
            slot = std::make_unique<T>();
        return static_cast<T &>(*slot);
    }

    template <class T>
    static T &createNew()
    {
        unnamed().push_back(std::make_unique<T>());
        return static_cast<T &>(*unnamed().back());
    }

    // Drops every window: at the end of the run, and between tests.
    static void reset()
    {
        named().clear();
        unnamed().clear();
    }

private:
    static std::map<std::type_index, std::unique_ptr<toolkit::Form>> &named()
    {
        static std::map<std::type_index, std::unique_ptr<toolkit::Form>> forms;
        return forms;
    }
    static std::vector<std::unique_ptr<toolkit::Form>> &unnamed()
    {
        static std::vector<std::unique_ptr<toolkit::Form>> forms;
        return forms;
    }
};

// Gives a window class its accessor by name: form_003::instance().
template <class T>
struct SingleInstance {
    static T &instance() { return WindowRegistry::single<T>(); }
};

} // namespace flow
