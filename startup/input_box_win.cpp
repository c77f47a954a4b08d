#include "startup/input_box_win.h"

#include <windows.h>

#include <vector>

#include "application/unexpected_error_win.h"

namespace tandemix {
namespace {

constexpr int kPromptId = 100;
constexpr int kFieldId = 101;

struct Texts {
  const std::string* caption;
  const std::string* prompt;
  std::string answer;
};

// A dialog template in memory: header, then items, each DWORD-aligned.
class DialogTemplate {
 public:
  void Header(DWORD style, int items, short width, short height) {
    Align();
    Put(DLGTEMPLATE{style, 0, static_cast<WORD>(items), 0, 0, width, height});
    Put<WORD>(0);  // no menu
    Put<WORD>(0);  // standard class
    Put<WORD>(0);  // title set at run time
    Put<WORD>(8);
    String(L"Tahoma");
  }
  void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom) {
    Align();
    Put(DLGITEMTEMPLATE{style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id});
    Put<WORD>(0xFFFF);
    Put<WORD>(atom);
    Put<WORD>(0);  // text set at run time
    Put<WORD>(0);  // no creation data
  }
  const DLGTEMPLATE* data() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

 private:
  template <typename T>
  void Put(const T& value) {
    const auto* raw = reinterpret_cast<const char*>(&value);
    bytes_.insert(bytes_.end(), raw, raw + sizeof value);
  }
  void String(const wchar_t* text) {
    for (; *text; ++text) Put<WCHAR>(*text);
    Put<WCHAR>(0);
  }
  void Align() {
    while (bytes_.size() % 4) bytes_.push_back(0);
  }
  std::vector<char> bytes_;
};

INT_PTR HandleInputBoxMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* texts = reinterpret_cast<Texts*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      texts = reinterpret_cast<Texts*>(lParam);
      SetWindowTextA(dialog, texts->caption->c_str());
      SetDlgItemTextA(dialog, kPromptId, texts->prompt->c_str());
      SetDlgItemTextA(dialog, IDOK, "OK");
      SetDlgItemTextA(dialog, IDCANCEL, "Cancel");
      SendDlgItemMessageA(dialog, kFieldId, EM_LIMITTEXT, 255, 0);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        char answer[256] = {};
        GetDlgItemTextA(dialog, kFieldId, answer, sizeof answer);
        texts->answer = answer;
        EndDialog(dialog, IDOK);
      } else if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
      }
      return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return AtSystemEdge(dialog, INT_PTR(FALSE),
                      [&] { return HandleInputBoxMessage(dialog, message, wParam, lParam); });
}

}  // namespace

std::string InputBox(const std::string& caption, const std::string& prompt) {
  DialogTemplate layout;
  layout.Header(DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 4, 260,
                66);
  layout.Item(SS_LEFT | SS_NOPREFIX, 7, 7, 246, 18, kPromptId, 0x0082);
  layout.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 27, 246, 12, kFieldId, 0x0081);
  layout.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 149, 46, 50, 14, IDOK, 0x0080);
  layout.Item(BS_PUSHBUTTON | WS_TABSTOP, 203, 46, 50, 14, IDCANCEL, 0x0080);
  Texts texts{&caption, &prompt, {}};
  const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), layout.data(), nullptr,
                                                 InputBoxProc, reinterpret_cast<LPARAM>(&texts));
  return result == IDOK ? texts.answer : std::string();
}

}  // namespace tandemix
