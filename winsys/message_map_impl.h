#pragma once

// The dispatch of MessageMap; included by message_map.h.

#include <type_traits>
#include <variant>

template <class T>
BOOL MessageMap<T>::Dispatch(T& target, UINT message, WPARAM wParam, LPARAM lParam,
                             LRESULT* result) const {
  for (const MessageMapEntry<T>& entry : entries_) {
    if (entry.message != message)
      continue;
    // A command entry names its control or command and the notification it takes; a plain
    // command (code 0) is also what a push button's click sends.
    if (message == WM_COMMAND && (LOWORD(wParam) != (static_cast<unsigned>(entry.id) & 0xFFFFu) ||
                                  HIWORD(wParam) != entry.code))
      continue;
    *result = std::visit(
        [&](auto handler) -> LRESULT {
          using Handler = decltype(handler);
          if constexpr (std::is_same_v<Handler, void (T::*)(UINT, LPARAM)>) {
            (target.*handler)(static_cast<UINT>(wParam), lParam);
            return 0;
          } else if constexpr (std::is_same_v<Handler, HCURSOR (T::*)()>) {
            return reinterpret_cast<LRESULT>((target.*handler)());
          } else {
            (target.*handler)();
            return 0;
          }
        },
        entry.handler);
    return TRUE;
  }
  return FALSE;
}
