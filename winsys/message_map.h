#pragma once

#include <initializer_list>
#include <type_traits>
#include <variant>
#include <vector>

#include "winsys/win_types.h"

// A class's message map: the one table in which each notification or message the class
// handles meets its handler. Entries are made by the functions below, which take the
// handler as a member function pointer, so a handler of the wrong shape does not compile.
//
//   IMPLEMENT_MESSAGE_MAP(CPolynomialDlg, CDialog) {
//       OnLbnSelchange(IDC_POLY_DEGREE_LIST, &CPolynomialDlg::OnSelchangeDegree),
//       OnEnChange(IDC_POLY_X4, &CPolynomialDlg::OnChangeCoefficient),
//   };
template <class T>
struct MessageMapEntry {
  using Handler = std::variant<void (T::*)(), void (T::*)(UINT, LPARAM), HCURSOR (T::*)()>;

  MessageMapEntry(UINT message, UINT code, int id, Handler handler)
      : message(message), code(code), id(id), handler(handler) {}
  // An entry whose handler is a base class's member, such as CWinApp::OnHelp in the map of
  // the application class.
  template <class Base>
  requires(std::is_base_of_v<Base, T> && !std::is_same_v<Base, T>)
      MessageMapEntry(const MessageMapEntry<Base>& entry)
      : message(entry.message),
        code(entry.code),
        id(entry.id),
        handler(
            std::visit([](auto baseHandler) -> Handler { return baseHandler; }, entry.handler)) {}

  UINT message;  // WM_COMMAND, WM_SYSCOMMAND, WM_PAINT, WM_QUERYDRAGICON
  UINT code;     // for WM_COMMAND: the notification code (LBN_SELCHANGE, EN_CHANGE), else 0
  int id;        // for WM_COMMAND: the control or command identifier, else 0
  Handler handler;
};

template <class T>
class MessageMap {
 public:
  MessageMap(std::initializer_list<MessageMapEntry<T>> entries) : entries_(entries) {}

  // Calls the handler that the map has for the message; FALSE when it has none.
  BOOL Dispatch(T& target, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) const;

 private:
  std::vector<MessageMapEntry<T>> entries_;
};

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

// A list's selection change made by the user.
template <class T>
MessageMapEntry<T> OnLbnSelchange(int id, void (T::*handler)()) {
  return {WM_COMMAND, LBN_SELCHANGE, id, handler};
}
// A change of an edit box's text made by the user.
template <class T>
MessageMapEntry<T> OnEnChange(int id, void (T::*handler)()) {
  return {WM_COMMAND, EN_CHANGE, id, handler};
}
// A command (a menu or accelerator identifier such as ID_HELP).
template <class T>
MessageMapEntry<T> OnCommand(int id, void (T::*handler)()) {
  return {WM_COMMAND, 0, id, handler};
}
template <class T>
MessageMapEntry<T> OnWmSysCommand(void (T::*handler)(UINT, LPARAM)) {
  return {WM_SYSCOMMAND, 0, 0, handler};
}
template <class T>
MessageMapEntry<T> OnWmPaint(void (T::*handler)()) {
  return {WM_PAINT, 0, 0, handler};
}
template <class T>
MessageMapEntry<T> OnWmQueryDragIcon(HCURSOR (T::*handler)()) {
  return {WM_QUERYDRAGICON, 0, 0, handler};
}

// In the class: declares the map and the routing override.
#define DECLARE_MESSAGE_MAP(Class)                                                     \
 protected:                                                                            \
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override; \
                                                                                       \
 private:                                                                              \
  static const MessageMap<Class> messageMap_;

// In the .cpp file: routes to the class's map first, then to the base class's, and starts
// the table of entries.
#define IMPLEMENT_MESSAGE_MAP(Class, Base)                                            \
  BOOL Class::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) { \
    return messageMap_.Dispatch(*this, message, wParam, lParam, result) ||            \
           Base::OnWndMsg(message, wParam, lParam, result);                           \
  }                                                                                   \
  const MessageMap<Class> Class::messageMap_ =
