#include "winsys/cdialog.h"

#include <QPointer>
#include <QWidget>

#include "res/resources.h"
#include "winsys/control_id.h"
#include "winsys/cwinapp.h"
#include "winsys/dialog_window.h"

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

CWnd* CDialog::GetDlgItem(int id) const {
  return window_ ? window_->Item(id) : nullptr;
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

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  DialogWindow* window = dx->m_pDlgWnd->window_.get();
  if (!window)
    return;
  if (QWidget* child = FindControl(window, id))
    window->Bind(control, child);
}
