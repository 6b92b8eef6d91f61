#include "winsys/cdialog.h"

#include <QPointer>
#include <QWidget>

#include "res/resource_lookup.h"
#include "winsys/control_id.h"
#include "winsys/cwinapp.h"
#include "winsys/dialog_window.h"
#include "winsys/gdi.h"

namespace {

// Keeps the owner disabled while a dialog runs over it, and gives the focus back to where it
// was when the owner is enabled again.
class DisabledOwner {
 public:
  explicit DisabledOwner(QWidget* owner) {
    if (!owner || !owner->isEnabled())
      return;
    owner_ = owner;
    focus_ = owner->focusWidget();
    owner->setEnabled(false);
  }
  ~DisabledOwner() {
    if (!owner_)
      return;
    owner_->setEnabled(true);
    owner_->activateWindow();
    if (focus_)
      focus_->setFocus(Qt::ActiveWindowFocusReason);
  }
  DisabledOwner(const DisabledOwner&) = delete;
  DisabledOwner& operator=(const DisabledOwner&) = delete;

 private:
  QPointer<QWidget> owner_;
  QPointer<QWidget> focus_;
};

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() = default;

IMPLEMENT_MESSAGE_MAP(CDialog, CWnd){
    OnCommand(IDOK, &CDialog::OnOK),
    OnCommand(IDCANCEL, &CDialog::OnCancel),
};

INT_PTR CDialog::DoModal() {
  const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId_);
  if (!dialogTemplate || window_)
    return -1;
  // A dialog without a parent is owned by the application's main window, unless it is
  // that window.
  CWnd* ownerWnd = parent_ ? parent_ : (AfxGetApp() ? AfxGetApp()->m_pMainWnd : nullptr);
  QWidget* owner = ownerWnd && ownerWnd != this && ownerWnd->GetSafeHwnd()
                       ? ownerWnd->GetSafeHwnd()->window()
                       : nullptr;

  window_ = std::make_unique<DialogWindow>(*this, *dialogTemplate);
  window_->PlaceOver(owner);
  if (OnInitDialog())
    window_->FocusFirstTabStop();
  int result;
  {
    const DisabledOwner disabled(owner);
    result = window_->Ended() ? window_->result() : window_->exec();
  }
  window_.reset();
  return result;
}

void CDialog::EndDialog(int result) {
  if (window_)
    window_->done(result);
}

CMenu* CDialog::GetSystemMenu(BOOL revert) {
  return window_ ? window_->GetSystemMenu(revert) : nullptr;
}

BOOL CDialog::OnInitDialog() {
  CDataExchange dx(this, FALSE);
  DoDataExchange(&dx);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
  CDataExchange dx(this, TRUE);
  DoDataExchange(&dx);
  EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!window_)
    return CWnd::DefWindowProc(message, wParam, lParam);
  switch (message) {
    case WM_SETICON:
      return window_->SetIcon(wParam, reinterpret_cast<HICON>(lParam));
    case WM_SYSCOMMAND:
      window_->CarryOutSystemCommand(static_cast<UINT>(wParam));
      return 0;
    case WM_PAINT:
      window_->PaintDefault();
      return 0;
    case WM_ICONERASEBKGND:
      if (const CDC* dc = reinterpret_cast<const CDC*>(wParam); dc && dc->painter())
        window_->EraseBackground(*dc->painter());
      return 1;
    case WM_COMMAND:
      // A command that the dialog does not handle goes on to the application, as the
      // framework routes commands.
      if (HIWORD(wParam) == BN_CLICKED && AfxGetApp())
        AfxGetApp()->OnCmdMsg(LOWORD(wParam), BN_CLICKED);
      return 0;
    default:
      return CWnd::DefWindowProc(message, wParam, lParam);
  }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (QWidget* window = dx->m_pDlgWnd->GetSafeHwnd()) {
    if (QWidget* child = FindControl(window, id))
      control.Attach(child);
  }
}
