// Running a change on the thread of the window that owns what it changes: the toolkit's one
// hand-off (the window layer's callOnOwner) for objects that have no native window of their own,
// such as menus and their items, which are handed the handle of the window they belong to.
#pragma once

#include <type_traits>

#include "platform/window/Popup.h"
#include "platform/window/Types.h"

namespace s::gui::win {

// Runs work on the owner window's thread while the caller waits and answers its result:
// directly when already there, and on the caller when there is no owner or it has gone.
template <class Work>
auto onOwnerOf(platform::window::Handle owner, Work&& work) -> decltype(work()) {
    using Answer = decltype(work());
    if constexpr (std::is_void_v<Answer>) {
        platform::window::callOnOwner(owner, [&]() -> platform::window::Result {
            work();
            return 1;
        });
    } else {
        Answer answer{};
        platform::window::callOnOwner(owner, [&]() -> platform::window::Result {
            answer = work();
            return 1;
        });
        return answer;
    }
}

}  // namespace s::gui::win
