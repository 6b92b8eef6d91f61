// AfxMessageBox: modal over the running dialog, plain text under the application's title,
// one OK button and no icon, closed by Enter, Escape, OK or the close box.

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QTest>

#include "res/resource_ids.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"
#include "tests/winsys/test_dialog.h"

using namespace test_support;

namespace {

TEST(MessageBox, ShowsTheTextAsGivenUnderTheApplicationsTitle) {
  const char* const texts[] = {
      "\n Input Error \n",
      "Please select calculation type. ",
      "\n Angle between X and Y \t=      0.22573 radians \n\n \t\t\t=       12.933 degrees",
      "<b>not bold</b> & 1 < 2",
  };
  TestDialog dialog(IDD_COMPLEX);
  RunModal(dialog, [&] {
    for (const char* text : texts) {
      const MessageBoxSeen seen = ExpectMessageBox([text] { AfxMessageBox(text, 0, 0); });
      EXPECT_EQ(seen.text, text);
      EXPECT_EQ(seen.caption, "Quillet");
    }
  });
}

TEST(MessageBox, HasOneOkButtonNoIconAndThePlainTextFormat) {
  TestDialog dialog(IDD_VECTOR);
  RunModal(dialog, [&] {
    QWidget* calculator = ActiveDialog();
    OnNextModal([calculator](QWidget* window) {
      auto* box = qobject_cast<QMessageBox*>(window);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->parentWidget(), calculator);
      EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
      EXPECT_EQ(box->textFormat(), Qt::PlainText);
      EXPECT_EQ(box->buttons().size(), 1);
      EXPECT_NE(box->button(QMessageBox::Ok), nullptr);
      CloseMessageBox(box, CloseWith::kEnter);
    });
    EXPECT_EQ(AfxMessageBox("Please select dimension.", 0, 0), IDOK);
  });
}

TEST(MessageBox, EnterEscapeOkAndTheCloseBoxEachCloseIt) {
  const CloseWith ways[] = {CloseWith::kEnter, CloseWith::kEscape, CloseWith::kOkButton,
                            CloseWith::kCloseBox};
  TestDialog dialog(IDD_COMPLEX);
  RunModal(dialog, [&] {
    for (const CloseWith way : ways) {
      const MessageBoxSeen seen =
          ExpectMessageBox([] { AfxMessageBox("Please select operation.", 0, 0); }, way);
      EXPECT_TRUE(seen.shown);
      EXPECT_EQ(ActiveModal(), ActiveDialog());
      EXPECT_EQ(qobject_cast<QMessageBox*>(ActiveModal()), nullptr);
    }
  });
}

TEST(MessageBox, CtrlCCopiesCaptionTextAndButton) {
  TestDialog dialog(IDD_COMPLEX);
  RunModal(dialog, [&] {
    OnNextModal([](QWidget* box) {
      QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
      CloseMessageBox(box, CloseWith::kEscape);
    });
    AfxMessageBox("\n Input Error \n", 0, 0);
  });
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
            "---------------------------\nQuillet\n---------------------------\n"
            "\n Input Error \n\n---------------------------\nOK\n"
            "---------------------------\n");
}

}  // namespace
