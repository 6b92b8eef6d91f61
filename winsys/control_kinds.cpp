#include "winsys/control_kinds.h"

#include <algorithm>
#include <iterator>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "res/dialog_template.h"
#include "res/resource_lookup.h"
#include "winsys/control_id.h"
#include "winsys/icon_resource.h"
#include "winsys/list_box_control.h"

namespace {

constexpr char kKindProperty[] = "controlKind";
constexpr char kStyleProperty[] = "controlStyle";
constexpr char kWindowTextProperty[] = "windowText";

using Create = QWidget* (*)(const ControlTemplate&, QWidget* parent, const ControlNotify&);
using Display = void (*)(QWidget*, const QString& text);

// One kind of control: the template class and style type that select it, whether it can hold
// the focus, how its widget is made and how it shows its window text.
struct ControlKind {
  ControlClass windowClass;
  UINT typeMask;
  UINT type;
  bool takesFocus;
  Create create;
  Display display;
};

bool HasBorder(const ControlTemplate& control) {
  return (control.style & WS_BORDER) || (control.exStyle & WS_EX_CLIENTEDGE);
}

// A read-only box has the dialog's face colour behind its text, as on Windows.
void ShowAsReadOnly(QWidget* box) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  box->setPalette(palette);
}

// The text a static control shows: "&&" stands for one '&', and a single '&' only marks the
// next letter as the mnemonic.
QString WithoutMnemonics(const QString& text) {
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && ++i == text.size())
      break;
    shown += text[i];
  }
  return shown;
}

QWidget* CreatePushButton(const ControlTemplate& control, QWidget* parent,
                          const ControlNotify& notify) {
  auto* button = new QPushButton(parent);
  // Every push button takes Enter while it has the focus, as in a Windows dialog; the
  // template's default button takes it otherwise.
  button->setAutoDefault(true);
  button->setDefault((control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
  QObject::connect(button, &QPushButton::clicked, [notify] { notify(BN_CLICKED); });
  return button;
}

QWidget* CreateGroupBox(const ControlTemplate&, QWidget* parent, const ControlNotify&) {
  auto* box = new QGroupBox(parent);
  // A group box only frames the controls that stand in it: it goes under all of them.
  box->lower();
  return box;
}

QWidget* CreateTextLabel(const ControlTemplate& control, QWidget* parent, const ControlNotify&) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  // Every label of the templates holds one line. A label clips rather than wraps, so that
  // a font a little wider than the one the templates were laid out with never pushes a
  // word below the label's single line, out of sight.
  label->setWordWrap(false);
  switch (control.style & SS_TYPEMASK) {
    case SS_CENTER:
      label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
      break;
    case SS_RIGHT:
      label->setAlignment(Qt::AlignRight | Qt::AlignTop);
      break;
    default:
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
  return label;
}

QLabel* CreatePicture(QWidget* parent, const QPixmap& picture) {
  auto* label = new QLabel(parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setPixmap(picture);
  return label;
}

QWidget* CreateIcon(const ControlTemplate& control, QWidget* parent, const ControlNotify&) {
  const QSize size(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
  return CreatePicture(
      parent, LoadIconResource(control.imageId)->icon.pixmap(size, parent->devicePixelRatioF()));
}

QWidget* CreateBitmap(const ControlTemplate& control, QWidget* parent, const ControlNotify&) {
  return CreatePicture(parent, QPixmap(QString::fromStdString(ResourceImagePath(control.imageId))));
}

QWidget* CreateLineEdit(const ControlTemplate& control, QWidget* parent,
                        const ControlNotify& notify) {
  auto* box = new QLineEdit(parent);
  box->setFrame(HasBorder(control));
  if (control.style & ES_READONLY) {
    box->setReadOnly(true);
    ShowAsReadOnly(box);
  }
  // textEdited comes only from the user's edits, so the program's own writes never count
  // as a change of the box.
  QObject::connect(box, &QLineEdit::textEdited, [notify] { notify(EN_CHANGE); });
  return box;
}

QWidget* CreateTextBox(const ControlTemplate& control, QWidget* parent, const ControlNotify&) {
  auto* box = new QPlainTextEdit(parent);
  if (!HasBorder(control))
    box->setFrameShape(QFrame::NoFrame);
  box->setVerticalScrollBarPolicy((control.style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn
                                                               : Qt::ScrollBarAlwaysOff);
  box->setHorizontalScrollBarPolicy((control.style & WS_HSCROLL) ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAlwaysOff);
  box->setLineWrapMode((control.style & ES_AUTOHSCROLL) ? QPlainTextEdit::NoWrap
                                                        : QPlainTextEdit::WidgetWidth);
  // The program's multi-line boxes are all read-only: the user can scroll, select and copy
  // but never type, so they report no changes.
  if (control.style & ES_READONLY) {
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ShowAsReadOnly(box);
  }
  return box;
}

QWidget* CreateListBox(const ControlTemplate& control, QWidget* parent,
                       const ControlNotify& notify) {
  auto* list = new ListBoxControl(parent);
  if (!(control.style & WS_BORDER))
    list->setFrameShape(QFrame::NoFrame);
  list->setVerticalScrollBarPolicy((control.style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                                : Qt::ScrollBarAlwaysOff);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // LBS_SORT needs nothing here: the program inserts every entry at an explicit position,
  // which a Windows list never reorders either. A Qt list is never shortened to whole
  // entries, which is what LBS_NOINTEGRALHEIGHT asks for.
  if (control.style & LBS_NOTIFY) {
    QObject::connect(list, &ListBoxControl::selectionChangedByUser,
                     [notify] { notify(LBN_SELCHANGE); });
  }
  return list;
}

QWidget* CreatePlaceholder(const ControlTemplate&, QWidget* parent, const ControlNotify&) {
  return new QWidget(parent);
}

void DisplayButtonText(QWidget* control, const QString& text) {
  static_cast<QPushButton*>(control)->setText(text);
}

void DisplayGroupTitle(QWidget* control, const QString& text) {
  static_cast<QGroupBox*>(control)->setTitle(text);
}

void DisplayLabelText(QWidget* control, const QString& text) {
  const bool noPrefix = control->property(kStyleProperty).toUInt() & SS_NOPREFIX;
  static_cast<QLabel*>(control)->setText(noPrefix ? text : WithoutMnemonics(text));
}

void DisplayLineEditText(QWidget* control, const QString& text) {
  static_cast<QLineEdit*>(control)->setText(text);
}

// A multi-line box breaks its lines at "\r\n", as a Windows edit box does.
void DisplayTextBoxText(QWidget* control, const QString& text) {
  static_cast<QPlainTextEdit*>(control)->setPlainText(QString(text).replace("\r\n", "\n"));
}

// Pictures and lists show no window text.
void DisplayNothing(QWidget*, const QString&) {}

constexpr ControlKind kKinds[] = {
    {ControlClass::kButton, BS_TYPEMASK, BS_PUSHBUTTON, true, CreatePushButton, DisplayButtonText},
    {ControlClass::kButton, BS_TYPEMASK, BS_DEFPUSHBUTTON, true, CreatePushButton,
     DisplayButtonText},
    {ControlClass::kButton, BS_TYPEMASK, BS_GROUPBOX, false, CreateGroupBox, DisplayGroupTitle},
    {ControlClass::kStatic, SS_TYPEMASK, SS_LEFT, false, CreateTextLabel, DisplayLabelText},
    {ControlClass::kStatic, SS_TYPEMASK, SS_CENTER, false, CreateTextLabel, DisplayLabelText},
    {ControlClass::kStatic, SS_TYPEMASK, SS_RIGHT, false, CreateTextLabel, DisplayLabelText},
    {ControlClass::kStatic, SS_TYPEMASK, SS_ICON, false, CreateIcon, DisplayNothing},
    {ControlClass::kStatic, SS_TYPEMASK, SS_BITMAP, false, CreateBitmap, DisplayNothing},
    {ControlClass::kEdit, ES_MULTILINE, 0, true, CreateLineEdit, DisplayLineEditText},
    {ControlClass::kEdit, ES_MULTILINE, ES_MULTILINE, true, CreateTextBox, DisplayTextBoxText},
    {ControlClass::kListBox, 0, 0, true, CreateListBox, DisplayNothing},
};
// A control of a kind the table lacks stays an empty, inert area of its dialog.
constexpr ControlKind kPlaceholder = {ControlClass::kStatic, 0, 0, false, CreatePlaceholder,
                                      DisplayNothing};

// `rect`, grown where it is smaller than `extent` on the side away from its text's alignment.
QRect GrownToHold(QRect rect, QSize extent, Qt::Alignment alignment) {
  const int wider = std::max(0, extent.width() - rect.width());
  const int taller = std::max(0, extent.height() - rect.height());
  const int left = (alignment & Qt::AlignRight)     ? wider
                   : (alignment & Qt::AlignHCenter) ? wider / 2
                                                    : 0;
  return rect.adjusted(-left, 0, wider - left, taller);
}

int KindIndexOf(const ControlTemplate& control) {
  for (int i = 0; i < static_cast<int>(std::size(kKinds)); ++i) {
    const ControlKind& kind = kKinds[i];
    if (kind.windowClass == control.windowClass && (control.style & kind.typeMask) == kind.type)
      return i;
  }
  return -1;
}

const ControlKind& KindAt(int index) {
  return index >= 0 ? kKinds[index] : kPlaceholder;
}

const ControlKind& KindOfWidget(const QWidget* control) {
  const QVariant index = control->property(kKindProperty);
  return KindAt(index.isValid() ? index.toInt() : -1);
}

}  // namespace

QWidget* CreateControl(const ControlTemplate& control, int templateIndex, QWidget* dialog,
                       DialogBaseUnits units, ControlNotify notify) {
  const int kindIndex = KindIndexOf(control);
  const ControlKind& kind = KindAt(kindIndex);
  QWidget* widget = kind.create(control, dialog, notify);
  TagControl(widget, control.id, templateIndex);
  widget->setProperty(kKindProperty, kindIndex);
  widget->setProperty(kStyleProperty, control.style);
  if (kind.takesFocus)
    widget->setFocusPolicy((control.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
  else
    widget->setFocusPolicy(Qt::NoFocus);
  if (control.accessibleName)
    widget->setAccessibleName(control.accessibleName);
  SetControlText(widget, control.text ? control.text : "");

  QRect rect = DialogUnitsToPixels(control.x, control.y, control.cx, control.cy, units);
  const double devicePixelRatio = dialog->devicePixelRatioF();
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    // A picture takes the size of its image, as a Windows icon or bitmap static does. A text
    // drawn unhinted is never cut off by the rounding of its font's widths and heights.
    if (!label->pixmap().isNull())
      rect.setSize(label->pixmap().deviceIndependentSize().toSize());
    else if (devicePixelRatio != 1)
      rect =
          GrownToHold(rect, UnhintedTextExtent(label->font(), label->text()), label->alignment());
  }
  // Qt draws a control that starts between two device pixels without its right and bottom
  // edges.
  rect.moveTopLeft(OnWholeDevicePixels(rect.topLeft(), devicePixelRatio));
  widget->setGeometry(rect);
  // Shown or hidden explicitly, so that the control's own visibility (isHidden) is its
  // WS_VISIBLE style also while its dialog is still hidden.
  widget->setVisible(control.style & WS_VISIBLE);
  if (control.style & WS_DISABLED)
    widget->setEnabled(false);
  return widget;
}

void SetControlText(QWidget* control, const QString& text) {
  control->setProperty(kWindowTextProperty, text);
  KindOfWidget(control).display(control, text);
}

QString ControlText(const QWidget* control) {
  if (const auto* box = qobject_cast<const QLineEdit*>(control))
    return box->text();
  return control->property(kWindowTextProperty).toString();
}
