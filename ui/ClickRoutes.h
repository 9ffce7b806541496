// Which handler of a form a click on one of its buttons runs: a table beside the form's layout
// table, one row per button.
#pragma once

#include <cstddef>

namespace ui {

template <typename F>
struct ClickRoute {
    int id;
    void (F::*handler)();
};

// Runs the handler of the button with this id, if the table names one.
template <typename F, std::size_t N>
void RouteClick(F& form, const ClickRoute<F> (&routes)[N], int id) {
    for (const ClickRoute<F>& route : routes)
        if (route.id == id) (form.*route.handler)();
}

}  // namespace ui
